#include "window/autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace pelmora {

namespace {

// The program as the entry starts it: by name where that name finds this
// very program (installed), else by its full path (a build).
QString this_program() {
  const QString path = QCoreApplication::applicationFilePath();
  const QString found = QStandardPaths::findExecutable(QStringLiteral("pelmora"));
  if (!found.isEmpty() && QFileInfo(found).canonicalFilePath() == QFileInfo(path).canonicalFilePath())
    return QStringLiteral("pelmora");
  return path;
}

// A desktop entry's Exec value quotes an argument with blanks or quotes.
QString exec_quoted(const QString& program) {
  static const QString kSpecial = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
  if (std::none_of(program.begin(), program.end(), [](QChar c) { return kSpecial.contains(c); })) return program;
  QString quoted = program;
  for (const QString& special : {QStringLiteral("\\"), QStringLiteral("\""), QStringLiteral("`"), QStringLiteral("$")})
    quoted.replace(special, QStringLiteral("\\") + special);
  // The entry's own escaping doubles each backslash once more.
  quoted.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
  return QStringLiteral("\"%1\"").arg(quoted);
}

}  // namespace

QString autostart_file() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/autostart/org.pelmora.Pelmora.desktop");
}

bool starts_at_login() { return QFileInfo::exists(autostart_file()); }

QString autostart_entry(const QString& program) {
  return QStringLiteral(
             "[Desktop Entry]\n"
             "Type=Application\n"
             "Name=Pelmora\n"
             "Comment=The sky clock, started at login in clock mode\n"
             "Exec=%1 --clock-mode\n"
             "Icon=org.pelmora.Pelmora\n"
             "Terminal=false\n")
      .arg(exec_quoted(program));
}

std::optional<QString> set_start_at_login(bool start) {
  const QString file = autostart_file();
  if (!start) {
    if (QFileInfo::exists(file) && !QFile::remove(file))
      return QCoreApplication::translate("Preferences", "%1 could not be removed").arg(file);
    return std::nullopt;
  }
  if (!QDir().mkpath(QFileInfo(file).absolutePath()))
    return QCoreApplication::translate("Preferences", "the folder %1 could not be made")
        .arg(QFileInfo(file).absolutePath());
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return out.errorString();
  out.write(autostart_entry(this_program()).toUtf8());
  if (!out.commit()) return out.errorString();
  return std::nullopt;
}

}  // namespace pelmora

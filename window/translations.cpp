#include "window/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

#include "guide/words.h"

namespace pelmora {

namespace {

QString& chosen_language() {
  static QString language;
  return language;
}

// "de_DE.UTF-8@euro" to "de_DE".
QString without_codeset(const QString& locale) {
  QString name = locale.section(QLatin1Char('@'), 0, 0);
  return name.section(QLatin1Char('.'), 0, 0);
}

}  // namespace

QStringList shipped_languages() {
  // From the build: the one list of them is in CMakeLists.txt.
  return QStringLiteral(PELMORA_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString wanted_language(const std::function<QByteArray(const char*)>& variable, const QStringList& shipped) {
  QString locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = QString::fromLocal8Bit(variable(name));
    if (!locale.isEmpty()) break;
  }
  // gettext ignores LANGUAGE in the C locale: the program's own words.
  if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX")) return {};
  QStringList candidates = QString::fromLocal8Bit(variable("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
  candidates.append(locale);
  for (const QString& candidate : candidates) {
    const QString name = without_codeset(candidate);
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    // English is the program's own language: a choice like any other.
    if (language == QLatin1String("en")) return {};
    if (shipped.contains(name)) return name;
    if (shipped.contains(language)) return language;
  }
  return {};
}

void load_translations() {
  use_language(wanted_language([](const char* name) { return qgetenv(name); }, shipped_languages()));
}

bool use_language(const QString& language) {
  // The translators in use: none in English.
  static std::vector<std::unique_ptr<QTranslator>> installed;
  for (const auto& translator : installed) QCoreApplication::removeTranslator(translator.get());
  installed.clear();
  set_guide_language({});
  chosen_language().clear();
  if (language.isEmpty()) return true;

  auto own = std::make_unique<QTranslator>();
  if (!own->load(QStringLiteral(":/i18n/pelmora_%1.qm").arg(language))) return false;
  // The toolkit's own words (Yes, No, Cancel, the file dialog), where the
  // system has them (Debian's qt6-translations-l10n).
  auto toolkit = std::make_unique<QTranslator>();
  if (toolkit->load(QStringLiteral("qtbase_%1").arg(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installed.push_back(std::move(toolkit));
  installed.push_back(std::move(own));
  for (const auto& translator : installed) QCoreApplication::installTranslator(translator.get());
  chosen_language() = language;
  set_guide_language(
      {.translate =
           [](const char* english, long count) {
             return QCoreApplication::translate(kGuideContext, english, nullptr, static_cast<int>(count)).toStdString();
           },
       .number =
           [](long number) {
             // Digits as the locale writes them; no group
             // separator (a year is not "2.026").
             QLocale locale;
             locale.setNumberOptions(QLocale::OmitGroupSeparator);
             return locale.toString(static_cast<qlonglong>(number)).toStdString();
           },
       .decimal =
           [](double value, int decimals) {
             QLocale locale;
             locale.setNumberOptions(QLocale::OmitGroupSeparator);
             return locale.toString(value, 'f', decimals).toStdString();
           }});
  return true;
}

QString ui_language() { return chosen_language(); }

QString help_page(const QString& language) {
  const QString translated = QStringLiteral(":/help/help_%1.html").arg(language);
  return !language.isEmpty() && QFile::exists(translated) ? translated : QStringLiteral(":/help/help.html");
}

}  // namespace pelmora

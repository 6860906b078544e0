#include "window/desktop_identity.h"

#include <QApplication>
#include <QIcon>

#include "window/version.h"

namespace pelmora {

void take_desktop_identity() {
  const QString id = QString::fromLatin1(kDesktopId);
  // Wayland compositors match the window's app_id to the menu entry by it.
  QGuiApplication::setDesktopFileName(id);
  // The class in the window's WM_CLASS on X11, which the menu entry's
  // StartupWMClass names; without it the class follows the binary's name.
  QCoreApplication::setApplicationName(QStringLiteral("pelmora"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));

  // The installed theme's icon when there is one, so that the menu's and
  // the window's are the same; else the same artwork built in.
  QIcon built_in;
  for (const int size : {16, 24, 32, 48, 64, 128, 256})
    built_in.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(id), QSize(size, size));
  QApplication::setWindowIcon(QIcon::fromTheme(id, built_in));
}

}  // namespace pelmora

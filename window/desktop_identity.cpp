#include "window/desktop_identity.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

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
  // the window's are the same; else the same artwork built in, in the
  // sizes the frame and the task switcher on X11 show (larger, they take
  // the menu entry's): each is kept decoded while the program runs. Read as
  // PNG without guessing, for which the toolkit would load every image
  // plugin it has.
  QIcon icon = QIcon::fromTheme(id);
  if (icon.isNull())
    for (const int size : {16, 24, 32, 48, 64, 128}) {
      QImageReader reader(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(id), "png");
      reader.setAutoDetectImageFormat(false);
      icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
  QApplication::setWindowIcon(icon);
}

}  // namespace pelmora

#include "window/help_window.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <algorithm>

#include "app/platform.h"
#include "render/pixel_scale.h"

#include "window/labelled_chart.h"

namespace pelmora {

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
  setWindowFlag(Qt::Window);
  setWindowTitle(QStringLiteral("Pelmora Help"));
  setAccessibleName(QStringLiteral("Help"));
  setOpenExternalLinks(false);
  // The picture is drawn now, by the program itself, at the size that the
  // window's text column gives it.
  constexpr int kShownWidth = 900;
  // Drawn at the screen's resolution, and shown at the column's width.
  QImage chart = labelled_chart(std::clamp(kShownWidth * devicePixelRatioF() / kPictureWidth, kMinScale, kMaxScale));
  chart.setDevicePixelRatio(devicePixelRatioF());
  document()->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("labelled-chart")), chart);
  QFile page(QStringLiteral(":/help/help.html"));
  if (page.open(QIODevice::ReadOnly)) {
    setHtml(QString::fromUtf8(page.readAll()));
  } else {  // only a broken build lacks its resource
    setPlainText(QStringLiteral("The help page could not be read: %1").arg(page.errorString()));
  }
  resize(kShownWidth + 60, 800);
}

QString about_text() {
  return QStringLiteral(
             "<h3>Pelmora %1</h3>"
             "<p>A sky clock: the band of sky along the sun's yearly path, as seen from the northern hemisphere, "
             "turning with the time of day.</p>"
             "<p>Copyright 2026 The Pelmora developers. Released under the MIT licence.</p>"
             "<p>The chart's text is set in Liberation Sans, under the SIL Open Font License 1.1.</p>")
      .arg(QGuiApplication::applicationVersion());
}

}  // namespace pelmora

#include "window/help_window.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/platform.h"
#include "render/pixel_scale.h"

#include "window/labelled_chart.h"
#include "window/translations.h"

namespace pelmora {

namespace {

const QString kPictureName = QStringLiteral("labelled-chart");
// The picture's widest, in logical pixels, and the window's size when the
// screen has room for it.
constexpr int kPictureMostWidth = 900;
constexpr QSize kRoomySize{960, 800};
// The share of the screen's free area the window takes at most.
constexpr double kMostOfScreen = 0.9;

// Sets the size every image named `name` in `document` is shown at.
void size_images(QTextDocument* document, const QString& name, QSizeF size) {
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      QTextImageFormat format = fragment.charFormat().toImageFormat();
      if (!format.isValid() || format.name() != name) continue;
      format.setWidth(size.width());
      format.setHeight(size.height());
      QTextCursor cursor(document);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(format);
    }
  }
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), text_(new QTextBrowser(this)) {
  setWindowTitle(QCoreApplication::translate("HelpWindow", "Pelmora Help"));
  setAccessibleName(QCoreApplication::translate("HelpWindow", "Help"));
  text_->setOpenExternalLinks(false);
  // Drawn at the screen's resolution for its widest; shown narrower when
  // the window is.
  chart_ = labelled_chart(std::clamp(kPictureMostWidth * devicePixelRatioF() / kPictureWidth, kMinScale, kMaxScale));
  QFile page(help_page(ui_language()));
  if (page.open(QIODevice::ReadOnly)) {
    text_->setHtml(QString::fromUtf8(page.readAll()));
  } else {  // only a broken build lacks its resource
    text_->setPlainText(
        QCoreApplication::translate("HelpWindow", "The help page could not be read: %1").arg(page.errorString()));
  }
  text_->viewport()->installEventFilter(this);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // Escape closes it as a dialog; Ctrl+W as a document window.
  auto* close_key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
  connect(close_key, &QShortcut::activated, this, &QDialog::reject);
  auto* column = new QVBoxLayout(this);
  column->addWidget(text_);
  column->addWidget(buttons);
  // The text has the keys: arrows, Page Down, Ctrl+End scroll it.
  text_->setFocus();

  QSize size = kRoomySize;
  if (const QScreen* place = parent != nullptr ? parent->screen() : screen())
    size = size.boundedTo((QSizeF(place->availableGeometry().size()) * kMostOfScreen).toSize());
  resize(size);
}

void HelpWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  fit_picture();
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_->viewport() && event->type() == QEvent::Resize) fit_picture();
  return QDialog::eventFilter(watched, event);
}

void HelpWindow::fit_picture() {
  const double ratio = devicePixelRatioF();
  const int room = text_->viewport()->width() - 2 * static_cast<int>(text_->document()->documentMargin()) - 8;
  const int width = std::clamp(room, 1, static_cast<int>(chart_.width() / ratio));
  if (width == picture_width_) return;
  picture_width_ = width;
  // Reduced with a proper filter, at the screen's resolution.
  QImage shown = chart_.scaledToWidth(static_cast<int>(width * ratio), Qt::SmoothTransformation);
  shown.setDevicePixelRatio(ratio);
  text_->document()->addResource(QTextDocument::ImageResource, QUrl(kPictureName), shown);
  size_images(text_->document(), kPictureName, QSizeF(width, shown.height() / ratio));
}

QString about_text() {
  const auto paragraph = [](const char* english) {
    return QStringLiteral("<p>%1</p>").arg(QCoreApplication::translate("AboutBox", english));
  };
  return QStringLiteral("<h3>Pelmora %1</h3>").arg(QGuiApplication::applicationVersion()) +
         paragraph(QT_TRANSLATE_NOOP("AboutBox",
                                     "A sky clock: the band of sky along the sun's yearly path, as seen from the "
                                     "northern hemisphere, turning with the time of day.")) +
         paragraph(
             QT_TRANSLATE_NOOP("AboutBox", "Copyright 2026 The Pelmora developers. Released under the MIT licence.")) +
         paragraph(QT_TRANSLATE_NOOP(
             "AboutBox", "The chart's text is set in Liberation Sans, under the SIL Open Font License 1.1."));
}

}  // namespace pelmora

// The help window (F1): what the chart shows, the two modes, every read-out
// and the keys, with a labelled picture of the chart. Plain widgets, no
// network.
#pragma once

#include <QDialog>
#include <QImage>
#include <QTextBrowser>

namespace pelmora {

// A window of its own, tied to the main window and opened over its middle;
// Escape, Ctrl+W and its Close button close it. It takes at most 90 % of
// its screen's free area, and its text and picture follow its width.
class HelpWindow : public QDialog {
 public:
  explicit HelpWindow(QWidget* parent);

  QTextBrowser* text() const { return text_; }
  // The width the picture is shown at, in logical pixels.
  int picture_width() const { return picture_width_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The picture as wide as the text column, at most its drawn width.
  void fit_picture();

  QTextBrowser* text_;
  QImage chart_;
  int picture_width_ = 0;
};

// The text of the About box: version, licences, what the program is.
QString about_text();

}  // namespace pelmora

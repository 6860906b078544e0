#include "window/colour_controls.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPalette>
#include <QTextBrowser>
#include <QToolTip>
#include <QUrl>
#include <optional>

namespace pelmora {

namespace {

// Pure reds only (green and blue 0): any other light spoils eyes adapted
// to the dark.
QPalette night_palette() {
  const QColor ground(0, 0, 0), panel(0x24, 0, 0), text(0xd0, 0, 0), bright(0xff, 0, 0), dim(0x70, 0, 0);
  QPalette palette;
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const QColor ink = group == QPalette::Disabled ? dim : text;
    palette.setColor(group, QPalette::Window, panel);
    palette.setColor(group, QPalette::WindowText, ink);
    palette.setColor(group, QPalette::Base, ground);
    palette.setColor(group, QPalette::AlternateBase, panel);
    palette.setColor(group, QPalette::Text, ink);
    palette.setColor(group, QPalette::BrightText, bright);
    palette.setColor(group, QPalette::Button, panel);
    palette.setColor(group, QPalette::ButtonText, ink);
    palette.setColor(group, QPalette::Highlight, QColor(0x80, 0, 0));
    palette.setColor(group, QPalette::HighlightedText, bright);
    palette.setColor(group, QPalette::ToolTipBase, ground);
    palette.setColor(group, QPalette::ToolTipText, text);
    palette.setColor(group, QPalette::PlaceholderText, dim);
    palette.setColor(group, QPalette::Link, bright);
    palette.setColor(group, QPalette::LinkVisited, text);
    palette.setColor(group, QPalette::Light, QColor(0x50, 0, 0));
    palette.setColor(group, QPalette::Midlight, QColor(0x3a, 0, 0));
    palette.setColor(group, QPalette::Mid, QColor(0x30, 0, 0));
    palette.setColor(group, QPalette::Dark, QColor(0x18, 0, 0));
    palette.setColor(group, QPalette::Shadow, ground);
  }
  return palette;
}

// What the palette does not reach: the frames the style draws in grey.
const QString kNightSheet = QStringLiteral(
    "QToolTip { color: #d00000; background-color: #000000; border: 1px solid #700000; }"
    "QMenu { color: #d00000; background-color: #240000; border: 1px solid #700000; }"
    "QMenu::item:selected { background-color: #800000; color: #ff0000; }"
    "QMenu::separator { height: 1px; background: #700000; }"
    "QDialogButtonBox { dialogbuttonbox-buttons-have-icons: 0; }");

// The help's picture of the chart in a scheme, mapped from the one it was
// drawn in (kept beside it on first use).
void show_help_picture_in(QTextBrowser& help, ColourScheme scheme) {
  const QUrl name(QStringLiteral("labelled-chart"));
  const char* const kDrawn = "pelmora_drawn_picture";
  QVariant drawn = help.property(kDrawn);
  if (!drawn.isValid()) {
    drawn = help.document()->resource(QTextDocument::ImageResource, name);
    if (!drawn.isValid() || scheme == ColourScheme::classic) return;
    help.setProperty(kDrawn, drawn);
  }
  QImage picture = drawn.value<QImage>().convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) row[x] = 0xff000000u | shown_colour(scheme, row[x] & 0xffffffu);
  }
  help.document()->addResource(QTextDocument::ImageResource, name, picture);
  help.document()->markContentsDirty(0, help.document()->characterCount());
  help.viewport()->update();
}

}  // namespace

void show_toolkit_in(ColourScheme scheme) {
  // The toolkit's own colours, as they were before the first change.
  static const QPalette own = QApplication::palette();
  static const QPalette own_tips = QToolTip::palette();
  const bool night = scheme == ColourScheme::night;
  QApplication::setPalette(night ? night_palette() : own);
  QToolTip::setPalette(night ? night_palette() : own_tips);
  qApp->setStyleSheet(night ? kNightSheet : QString());
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* help = qobject_cast<QTextBrowser*>(top)) show_help_picture_in(*help, scheme);
}

ColourControls::ColourControls(Form1Window& window, ColourScheme scheme, std::function<void(ColourScheme)> chosen)
    : QObject(&window),
      window_(window),
      chosen_(std::move(chosen)),
      menu_(new QMenu(QCoreApplication::translate("ColourControls", "Co&lours"), &window)),
      group_(new QActionGroup(this)) {
  const auto label = [](ColourScheme s) {
    switch (s) {
      case ColourScheme::bright:
        return QCoreApplication::translate("ColourControls", "&Bright");
      case ColourScheme::night:
        return QCoreApplication::translate("ColourControls", "&Night (red)");
      case ColourScheme::classic:
      case ColourScheme::print:
        break;
    }
    return QCoreApplication::translate("ColourControls", "&Classic");
  };
  for (const ColourScheme s : kScreenSchemes) {
    QAction* action = menu_->addAction(label(s));
    action->setCheckable(true);
    action->setData(static_cast<int>(s));
    group_->addAction(action);
    connect(action, &QAction::triggered, this, [this, s] { choose(s); });
  }
  show_in(scheme);
  qApp->installEventFilter(this);
}

bool ColourControls::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show)
    if (auto* help = qobject_cast<QTextBrowser*>(watched); help != nullptr && help->isWindow())
      show_help_picture_in(*help, scheme_);
  return QObject::eventFilter(watched, event);
}

void ColourControls::show_in(ColourScheme scheme) {
  const bool changed = scheme != scheme_;
  scheme_ = scheme;
  for (QAction* action : group_->actions()) action->setChecked(action->data().toInt() == static_cast<int>(scheme));
  window_.show_colours_as(scheme);
  if (changed || scheme == ColourScheme::night) show_toolkit_in(scheme);
}

void ColourControls::choose(ColourScheme scheme) {
  show_in(scheme);
  if (chosen_) chosen_(scheme);
}

}  // namespace pelmora

#include "window/colour_controls.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>
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

}  // namespace

void show_toolkit_in(ColourScheme scheme) {
  // The toolkit's own colours, as they were before the first change.
  static const QPalette own = QApplication::palette();
  static const QPalette own_tips = QToolTip::palette();
  const bool night = scheme == ColourScheme::night;
  QApplication::setPalette(night ? night_palette() : own);
  QToolTip::setPalette(night ? night_palette() : own_tips);
  qApp->setStyleSheet(night ? kNightSheet : QString());
}

ColourControls::ColourControls(Form1Window& window, ColourScheme scheme, std::function<void(ColourScheme)> chosen)
    : QObject(&window),
      window_(window),
      chosen_(std::move(chosen)),
      menu_(new QMenu(QStringLiteral("Co&lours"), &window)),
      group_(new QActionGroup(this)) {
  const auto label = [](ColourScheme s) {
    switch (s) {
      case ColourScheme::bright:
        return QStringLiteral("&Bright");
      case ColourScheme::night:
        return QStringLiteral("&Night (red)");
      case ColourScheme::classic:
        break;
    }
    return QStringLiteral("&Classic");
  };
  for (const ColourScheme s : kColourSchemes) {
    QAction* action = menu_->addAction(label(s));
    action->setCheckable(true);
    action->setData(static_cast<int>(s));
    group_->addAction(action);
    connect(action, &QAction::triggered, this, [this, s] { choose(s); });
  }
  show_in(scheme);
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

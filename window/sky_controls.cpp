#include "window/sky_controls.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>
#include <cmath>

namespace pelmora {

namespace {

// Latitude and longitude in degrees, as the fields show them (about 10 m).
constexpr int kPlaceDecimals = 4;

QString degrees(double value) { return QString::number(value, 'f', kPlaceDecimals); }

// "Europe/Madrid" as a list shows it: "Madrid (Europe/Madrid)".
QString city_line(const sky::ZoneRow& row) {
  const QString zone = QString::fromStdString(row.zone);
  QString city = zone.section(QLatin1Char('/'), -1);
  city.replace(QLatin1Char('_'), QLatin1Char(' '));
  return QStringLiteral("%1 (%2)").arg(city, zone);
}

QString place_words(const sky::Place& place) {
  const QString where = QStringLiteral("%1° %2, %3° %4")
                            .arg(degrees(std::abs(place.latitude)), place.latitude < 0 ? "S" : "N",
                                 degrees(std::abs(place.longitude)), place.longitude < 0 ? "W" : "E");
  if (place.unknown) return where + QCoreApplication::translate("SkyControls", " (the time zone has no place)");
  if (place.name.empty() || place.name.find(',') != std::string::npos) return where;
  return QStringLiteral("%1, %2").arg(QString::fromStdString(place.name), where);
}

}  // namespace

SkyControls::SkyControls(Form1Window& window, bool true_sky, const sky::Place& place,
                         std::function<void(bool)> sky_chosen, std::function<void(const sky::Place&)> place_chosen)
    : QObject(&window),
      window_(window),
      true_sky_(true_sky),
      place_(place),
      sky_chosen_(std::move(sky_chosen)),
      place_chosen_(std::move(place_chosen)),
      menu_(new QMenu(QCoreApplication::translate("SkyControls", "S&ky"), &window)) {
  auto* group = new QActionGroup(this);
  design_ = menu_->addAction(QCoreApplication::translate("SkyControls", "&As designed"));
  true_ = menu_->addAction(QCoreApplication::translate("SkyControls", "&True sky for my place"));
  for (QAction* action : {design_, true_}) {
    action->setCheckable(true);
    group->addAction(action);
  }
  (true_sky ? true_ : design_)->setChecked(true);
  connect(design_, &QAction::triggered, this, [this] { choose_sky(false); });
  connect(true_, &QAction::triggered, this, [this] { choose_sky(true); });
  menu_->addSeparator();
  connect(menu_->addAction(QCoreApplication::translate("SkyControls", "&Place...")), &QAction::triggered, this, [this] {
    if (const auto chosen = ask_place(&window_, place_, sky::system_zone_rows())) choose_place(*chosen);
  });
  window_.set_true_sky(true_sky_ ? std::optional(place_) : std::nullopt);
  window_.set_sky_note([this] { return description(); });
}

void SkyControls::show() {
  (true_sky_ ? true_ : design_)->setChecked(true);
  window_.set_true_sky(true_sky_ ? std::optional(place_) : std::nullopt);
  window_.reload();
}

void SkyControls::choose_sky(bool true_sky) {
  const bool changed = true_sky != true_sky_;
  true_sky_ = true_sky;
  if (changed) show();
  if (sky_chosen_) sky_chosen_(true_sky);
}

void SkyControls::choose_place(const sky::Place& place) {
  place_ = place;
  if (true_sky_) show();
  if (place_chosen_) place_chosen_(place);
}

QString SkyControls::description() const {
  return true_sky_ ? QCoreApplication::translate("SkyControls", "The true sky at %1.").arg(place_words(place_))
                   : QCoreApplication::translate("SkyControls", "The sky as designed (mean places, local mean time).");
}

std::optional<sky::Place> ask_place(QWidget* parent, const sky::Place& place, const std::vector<sky::ZoneRow>& rows) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QCoreApplication::translate("SkyControls", "Place"));
  dialog.setMinimumSize(420, 480);
  auto* layout = new QVBoxLayout(&dialog);
  if (place.unknown)
    layout->addWidget(
        new QLabel(QCoreApplication::translate("SkyControls",
                                               "The computer's time zone has no place in the zone database: "
                                               "0° N, 0° E stands in. Choose a city or give your place."),
                   &dialog));
  auto* search = new QLineEdit(&dialog);
  search->setPlaceholderText(QCoreApplication::translate("SkyControls", "Search the cities"));
  search->setClearButtonEnabled(true);
  layout->addWidget(search);
  auto* cities = new QListWidget(&dialog);
  cities->setAccessibleName(QCoreApplication::translate("SkyControls", "Cities"));
  QSet<QString> listed;  // zone.tab repeats most of zone1970.tab's zones
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (listed.contains(QString::fromStdString(rows[i].zone))) continue;
    listed.insert(QString::fromStdString(rows[i].zone));
    auto* item = new QListWidgetItem(city_line(rows[i]), cities);
    item->setData(Qt::UserRole, static_cast<int>(i));
  }
  cities->sortItems();
  layout->addWidget(cities);
  auto* form = new QFormLayout;
  auto* latitude = new QLineEdit(degrees(place.latitude), &dialog);
  auto* longitude = new QLineEdit(degrees(place.longitude), &dialog);
  for (auto [field, limit] : {std::pair{latitude, 90.0}, {longitude, 180.0}}) {
    auto* validator = new QDoubleValidator(-limit, limit, kPlaceDecimals, field);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    field->setValidator(validator);
  }
  form->addRow(QCoreApplication::translate("SkyControls", "&Latitude (north +):"), latitude);
  form->addRow(QCoreApplication::translate("SkyControls", "L&ongitude (east +):"), longitude);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  std::string chosen_zone = place.unknown ? std::string() : place.name;
  const auto check = [&] {
    buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(latitude->hasAcceptableInput() && longitude->hasAcceptableInput());
  };
  QObject::connect(search, &QLineEdit::textChanged, &dialog, [cities](const QString& text) {
    for (int i = 0; i < cities->count(); ++i)
      cities->item(i)->setHidden(!cities->item(i)->text().contains(text, Qt::CaseInsensitive));
  });
  QObject::connect(cities, &QListWidget::currentItemChanged, &dialog, [&](QListWidgetItem* item) {
    if (item == nullptr) return;
    const sky::ZoneRow& row = rows[static_cast<std::size_t>(item->data(Qt::UserRole).toInt())];
    latitude->setText(degrees(row.latitude));
    longitude->setText(degrees(row.longitude));
    chosen_zone = row.zone;
  });
  // Numbers typed by hand are a place of their own, not the city's.
  for (QLineEdit* field : {latitude, longitude}) {
    QObject::connect(field, &QLineEdit::textEdited, &dialog, [&] { chosen_zone.clear(); });
    QObject::connect(field, &QLineEdit::textChanged, &dialog, check);
  }
  check();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  sky::Place result;
  result.latitude = QLocale::c().toDouble(latitude->text());
  result.longitude = QLocale::c().toDouble(longitude->text());
  result.name =
      chosen_zone.empty() ? (latitude->text() + QLatin1Char(',') + longitude->text()).toStdString() : chosen_zone;
  return result;
}

}  // namespace pelmora

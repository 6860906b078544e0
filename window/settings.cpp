#include "window/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

namespace pelmora {

namespace {

// The keys of the file, by group.
const QString kX = QStringLiteral("window/x");
const QString kY = QStringLiteral("window/y");
const QString kWidth = QStringLiteral("window/width");
const QString kHeight = QStringLiteral("window/height");
const QString kMaximised = QStringLiteral("window/maximised");
const QString kFullScreen = QStringLiteral("window/full_screen");
const QString kStartMode = QStringLiteral("start/mode");
const QString kLastMode = QStringLiteral("start/last_mode");
const QString kColours = QStringLiteral("view/colours");
const QString kPictureFolder = QStringLiteral("files/picture_folder");
const QString kSky = QStringLiteral("sky/sky");
const QString kPlace = QStringLiteral("sky/place");

// Far beyond any screen: a place or size past it is not one the window had.
constexpr int kLargestCoordinate = 1 << 20;

// A value of the file as its text; nullopt where the key is not there.
std::optional<QString> text_of(const QSettings& store, const QString& key) {
  if (!store.contains(key)) return std::nullopt;
  // As text: what the file holds, or what this process set (QSettings
  // shares one copy of a file among its objects); a list (a value with
  // commas) or a typed value (@Rect(...)) is not one of ours.
  const QVariant value = store.value(key);
  const int type = value.typeId();
  if (type != QMetaType::QString && type != QMetaType::Int && type != QMetaType::Bool) return QString();
  return value.toString();
}

std::optional<int> whole_number(const QString& text, int least) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < least || value > kLargestCoordinate) return std::nullopt;
  return value;
}

std::optional<bool> truth(const QString& text) {
  if (text == QLatin1String("true")) return true;
  if (text == QLatin1String("false")) return false;
  return std::nullopt;
}

}  // namespace

QString start_mode_name(StartMode mode) {
  switch (mode) {
    case StartMode::clock_mode:
      return QStringLiteral("clock");
    case StartMode::as_last_time:
      return QStringLiteral("last");
    case StartMode::as_designed:
      break;
  }
  return QStringLiteral("designed");
}

std::optional<StartMode> start_mode_named(const QString& name) {
  for (const StartMode mode : {StartMode::as_designed, StartMode::clock_mode, StartMode::as_last_time})
    if (start_mode_name(mode) == name) return mode;
  return std::nullopt;
}

QString Settings::default_file() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/pelmora/pelmora.conf");
}

Settings::Settings(const QString& file, bool reset, std::FILE* errors)
    : file_(file), errors_(errors), store_(std::make_unique<QSettings>(file, QSettings::IniFormat)) {
  if (reset) {
    store_->clear();
    store_->sync();
    if (store_->status() != QSettings::NoError) say(reason_not_saved());
    return;
  }
  if (store_->status() == QSettings::FormatError)
    say(QStringLiteral("the settings file %1 could not be read; the defaults are used").arg(file_));
  read();
}

Settings::~Settings() = default;

void Settings::read() {
  QStringList unreadable;
  // Each value on its own: a bad one costs only itself.
  const auto take = [&](const QString& key, auto parse) {
    const std::optional<QString> text = text_of(*store_, key);
    if (!text) return decltype(parse(QString())){};
    auto value = parse(*text);
    if (!value) unreadable << key;
    return value;
  };
  const auto x = take(kX, [](const QString& t) { return whole_number(t, -kLargestCoordinate); });
  const auto y = take(kY, [](const QString& t) { return whole_number(t, -kLargestCoordinate); });
  const auto width = take(kWidth, [](const QString& t) { return whole_number(t, 1); });
  const auto height = take(kHeight, [](const QString& t) { return whole_number(t, 1); });
  const auto maximised = take(kMaximised, truth);
  const auto full_screen = take(kFullScreen, truth);
  if (x && y && width && height)
    window_place_ = WindowPlace{QRect(*x, *y, *width, *height), maximised.value_or(false), full_screen.value_or(false)};
  if (const auto mode = take(kStartMode, start_mode_named)) start_mode_ = *mode;
  const auto last = take(kLastMode, [](const QString& t) -> std::optional<bool> {
    if (t == QLatin1String("clock")) return true;
    if (t == QLatin1String("simulation")) return false;
    return std::nullopt;
  });
  last_in_clock_mode_ = last.value_or(false);
  // The printing palette is no scheme for the screen.
  if (const auto scheme = take(kColours, [](const QString& t) {
        const auto named = scheme_named(t.toStdString());
        return named && on_screen(*named) ? named : std::nullopt;
      }))
    colours_ = *scheme;
  if (const auto folder = take(kPictureFolder, [](const QString& t) {
        return !t.isEmpty() && QDir::isAbsolutePath(t) ? std::optional(t) : std::nullopt;
      }))
    picture_folder_ = *folder;
  const auto sky = take(kSky, [](const QString& t) -> std::optional<bool> {
    if (t == QLatin1String("true")) return true;
    if (t == QLatin1String("design")) return false;
    return std::nullopt;
  });
  true_sky_ = sky.value_or(false);
  place_ = take(kPlace, [](const QString& t) -> std::optional<sky::Place> {
    const std::string text = t.toStdString();
    auto parsed = sky::parse_place(
        text, text.find(',') == std::string::npos ? sky::system_zone_rows() : std::vector<sky::ZoneRow>{});
    if (const auto* place = std::get_if<sky::Place>(&parsed)) return *place;
    return std::nullopt;
  });
  if (!unreadable.isEmpty())
    say(QStringLiteral("the settings file %1 has unreadable values, left out: %2")
            .arg(file_, unreadable.join(QStringLiteral(", "))));
}

void Settings::set_window_place(const WindowPlace& place) {
  if (window_place_ == place) return;
  window_place_ = place;
  store_->setValue(kX, place.normal.x());
  store_->setValue(kY, place.normal.y());
  store_->setValue(kWidth, place.normal.width());
  store_->setValue(kHeight, place.normal.height());
  store_->setValue(kMaximised, place.maximised);
  write(kFullScreen, place.full_screen);
}

void Settings::set_start_mode(StartMode mode) {
  if (mode == start_mode_ && store_->contains(kStartMode)) return;
  start_mode_ = mode;
  write(kStartMode, start_mode_name(mode));
}

void Settings::set_last_in_clock_mode(bool clock_mode) {
  if (clock_mode == last_in_clock_mode_ && store_->contains(kLastMode)) return;
  last_in_clock_mode_ = clock_mode;
  write(kLastMode, clock_mode ? QStringLiteral("clock") : QStringLiteral("simulation"));
}

void Settings::set_colours(ColourScheme scheme) {
  if (scheme == colours_ && store_->contains(kColours)) return;
  colours_ = scheme;
  write(kColours, QString::fromUtf8(scheme_name(scheme).data(), static_cast<qsizetype>(scheme_name(scheme).size())));
}

void Settings::set_picture_folder(const QString& folder) {
  if (folder == picture_folder_) return;
  picture_folder_ = folder;
  write(kPictureFolder, folder);
}

void Settings::set_true_sky(bool true_sky) {
  if (true_sky == true_sky_ && store_->contains(kSky)) return;
  true_sky_ = true_sky;
  write(kSky, true_sky ? QStringLiteral("true") : QStringLiteral("design"));
}

void Settings::set_place(const sky::Place& place) {
  place_ = place;
  write(kPlace, QString::fromStdString(place.name));
}

void Settings::write(const QString& key, const QVariant& value) {
  store_->setValue(key, value);
  store_->sync();
  // The status stays at its first fault: a file that could not be read
  // (said already) is written all the same.
  if (store_->status() == QSettings::AccessError) say(reason_not_saved());
}

QString Settings::reason_not_saved() const {
  // QSettings says only that it could not; the folder usually tells why.
  const QFileInfo folder(QFileInfo(file_).absolutePath());
  QString why = QStringLiteral("the disk may be full");
  for (QFileInfo step = folder; !step.isRoot(); step = QFileInfo(step.absolutePath())) {
    if (step.exists() && !step.isDir()) {
      why = QStringLiteral("%1 is not a folder").arg(step.absoluteFilePath());
      break;
    }
    if (step.exists()) {
      if (!step.isWritable() || (step == folder && QFileInfo(file_).exists() && !QFileInfo(file_).isWritable()))
        why = QStringLiteral("%1 cannot be written").arg(step == folder ? file_ : step.absoluteFilePath());
      break;
    }
  }
  return QStringLiteral("the settings cannot be saved in %1 (%2); the program goes on without saving them")
      .arg(file_, why);
}

void Settings::say(const QString& line) {
  if (said_ || errors_ == nullptr) return;
  said_ = true;
  std::fprintf(errors_, "pelmora: %s\n", line.toLocal8Bit().constData());
  std::fflush(errors_);
}

}  // namespace pelmora

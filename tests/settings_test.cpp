// What the window remembers: the settings file and its faults, the place on
// the screens there are now, start at login, and the commands over time.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "clocks/chosen_clock.h"
#include "support/test_support.h"
#include "window/autostart.h"
#include "window/form1_window.h"
#include "window/remembered_place.h"
#include "window/settings.h"
#include "window/sky_controls.h"
#include "window/time_controls.h"

namespace pelmora::testing {
namespace {

// What a run said on standard error, line by line.
struct Said {
  Said() : file(std::tmpfile()) {}
  ~Said() { std::fclose(file); }
  std::vector<std::string> lines() const {
    std::rewind(file);
    std::vector<std::string> result;
    char line[1024];
    while (std::fgets(line, sizeof line, file) != nullptr) result.emplace_back(line);
    return result;
  }
  std::FILE* file;
};

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest()
      : folder(std::filesystem::temp_directory_path() / ("pelmora-settings-" + std::to_string(getpid()))),
        file(QString::fromStdString((folder / "pelmora" / "pelmora.conf").string())) {
    std::filesystem::remove_all(folder);
  }
  ~SettingsTest() override { std::filesystem::remove_all(folder); }
  void write_file(const std::string& text) {
    std::filesystem::create_directories(folder / "pelmora");
    std::ofstream(file.toStdString(), std::ios::binary) << text;
  }
  std::string file_text() const {
    std::ifstream in(file.toStdString());
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::filesystem::path folder;
  QString file;
  Said said;
};

TEST_F(SettingsTest, WhatIsSetIsThereNextTime) {
  {
    Settings settings(file, false, said.file);
    EXPECT_FALSE(settings.window_place());  // nothing yet: the defaults
    EXPECT_EQ(settings.start_mode(), StartMode::as_designed);
    EXPECT_EQ(settings.colours(), ColourScheme::classic);
    settings.set_window_place({QRect(-100, 30, 900, 700), true, false});
    settings.set_start_mode(StartMode::as_last_time);
    settings.set_last_in_clock_mode(true);
    settings.set_colours(ColourScheme::night);
    settings.set_picture_folder("/tmp/sky pictures, old");
    EXPECT_FALSE(settings.true_sky());
    EXPECT_FALSE(settings.place());
    settings.set_true_sky(true);
    settings.set_place({-33.9, 151.2, "-33.9, 151.2"});
  }
  // Written as each changed: no end of the program needed.
  EXPECT_NE(file_text().find("colours=night"), std::string::npos);
  Settings again(file, false, said.file);
  EXPECT_EQ(again.window_place(), (WindowPlace{QRect(-100, 30, 900, 700), true, false}));
  EXPECT_EQ(again.start_mode(), StartMode::as_last_time);
  EXPECT_TRUE(again.last_in_clock_mode());
  EXPECT_EQ(again.colours(), ColourScheme::night);
  EXPECT_EQ(again.picture_folder(), "/tmp/sky pictures, old");
  EXPECT_TRUE(again.true_sky());
  ASSERT_TRUE(again.place());
  EXPECT_EQ(again.place()->latitude, -33.9);
  EXPECT_EQ(again.place()->longitude, 151.2);
  EXPECT_TRUE(said.lines().empty());

  // --reset-settings: the defaults, now and next time.
  Settings reset(file, true, said.file);
  EXPECT_EQ(reset.colours(), ColourScheme::classic);
  EXPECT_FALSE(reset.true_sky());
  EXPECT_EQ(Settings(file, false, said.file).colours(), ColourScheme::classic);
}

// A bad value costs only itself, with one line; a newer version's value
// and keys stay in the file while this version writes others. The
// printing palette is no colour scheme for the screen.
TEST_F(SettingsTest, UnreadableValuesAreLeftOutAndKept) {
  write_file(
      "[window]\nx=10\ny=twenty\nwidth=900\nheight=700\n"
      "[start]\nmode=sometimes\nlast_mode=clock\n"
      "[view]\ncolours=print\n"
      "[sky]\nsky=maybe\nplace=\"52.5N 13.4E\"\n");
  Settings settings(file, false, said.file);
  EXPECT_FALSE(settings.window_place());
  EXPECT_EQ(settings.start_mode(), StartMode::as_designed);
  EXPECT_TRUE(settings.last_in_clock_mode());
  EXPECT_EQ(settings.colours(), ColourScheme::classic);
  ASSERT_EQ(said.lines().size(), 1u);
  EXPECT_NE(said.lines()[0].find("window/y, start/mode, view/colours, sky/sky, sky/place"), std::string::npos)
      << said.lines()[0];
  EXPECT_FALSE(settings.true_sky());
  EXPECT_FALSE(settings.place());
  settings.set_last_in_clock_mode(false);
  settings.set_picture_folder("/tmp");
  const std::string text = file_text();
  EXPECT_NE(text.find("colours=print"), std::string::npos) << text;
  EXPECT_NE(text.find("place=52.5N 13.4E"), std::string::npos) << text;
  EXPECT_NE(text.find("last_mode=simulation"), std::string::npos) << text;
  EXPECT_EQ(said.lines().size(), 1u);
}

TEST_F(SettingsTest, EmptyOrGarbageFilesGiveTheDefaults) {
  std::mt19937 random(7);
  std::string garbage(4096, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  for (const std::string& text : {std::string(), garbage, std::string("[window\nwidth=\xff\xfe\n=\n[[]]\n")}) {
    write_file(text);
    Said heard;
    Settings settings(file, false, heard.file);
    EXPECT_FALSE(settings.window_place());
    EXPECT_EQ(settings.colours(), ColourScheme::classic);
    settings.set_colours(ColourScheme::bright);
    EXPECT_EQ(Settings(file, false, nullptr).colours(), ColourScheme::bright);
    EXPECT_LE(heard.lines().size(), 1u);
  }
}

// A folder that cannot be made or written: the settings hold for the run,
// and the program hears of it once.
TEST_F(SettingsTest, UnwritableFolderIsSaidOnceAndTheRunGoesOn) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "a-file") << "not a folder";
  for (const std::string& where :
       {(folder / "a-file" / "pelmora" / "pelmora.conf").string(), std::string("/proc/self/pelmora/pelmora.conf")}) {
    Said heard;
    Settings settings(QString::fromStdString(where), false, heard.file);
    settings.set_colours(ColourScheme::night);
    settings.set_start_mode(StartMode::clock_mode);
    EXPECT_EQ(settings.colours(), ColourScheme::night);
    const auto lines = heard.lines();
    ASSERT_EQ(lines.size(), 1u) << where;
    EXPECT_NE(lines[0].find("cannot be saved"), std::string::npos) << lines[0];
  }
}

// Two windows at once: each writes what it changed, neither loses the
// other's.
TEST_F(SettingsTest, TwoWritersKeepEachOthersSettings) {
  Settings first(file, false, said.file);
  Settings second(file, false, said.file);
  first.set_colours(ColourScheme::night);
  second.set_start_mode(StartMode::clock_mode);
  first.set_picture_folder("/tmp");
  const Settings after(file, false, said.file);
  EXPECT_EQ(after.colours(), ColourScheme::night);
  EXPECT_EQ(after.start_mode(), StartMode::clock_mode);
  EXPECT_EQ(after.picture_folder(), "/tmp");
}

TEST(RememberedPlaceTest, PutBackOnlyWhereItFits) {
  const QMargins frame(8, 40, 8, 8);
  const QList<QRect> two_screens = {QRect(0, 0, 1920, 1170), QRect(1920, 0, 1280, 1024)};
  // On the second screen: size and place.
  auto place = place_on_screens(QRect(2000, 20, 900, 700), two_screens, frame);
  ASSERT_TRUE(place);
  EXPECT_EQ(place->size, QSize(900, 700));
  EXPECT_EQ(place->position, QPoint(2000, 20));
  // That screen is gone: the size stays, the window manager places it.
  place = place_on_screens(QRect(2000, 20, 900, 700), {two_screens[0]}, frame);
  ASSERT_TRUE(place);
  EXPECT_FALSE(place->position);
  // Across two screens, or partly off: placed afresh.
  EXPECT_FALSE(place_on_screens(QRect(1500, 20, 900, 700), two_screens, frame)->position);
  // Larger than any screen there is now: not put back at all.
  EXPECT_FALSE(place_on_screens(QRect(0, 0, 1272, 976), {QRect(0, 0, 1024, 768)}, frame));
}

// Full screen because the command line said so is not kept; once the user
// leaves it and comes back, it is.
TEST_F(SettingsTest, PlaceKeeperKeepsWhatTheUserDid) {
  Settings settings(file, false, said.file);
  QWidget window;
  PlaceKeeper keeper(window, settings, true);
  window.resize(700, 500);
  window.showFullScreen();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  keeper.keep();
  EXPECT_FALSE(settings.window_place());  // no normal place yet
  window.showNormal();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isFullScreen(); }));
  keeper.keep();
  ASSERT_TRUE(settings.window_place());
  const QSize normal = window.size();
  EXPECT_EQ(settings.window_place()->normal.size(), normal);
  EXPECT_FALSE(settings.window_place()->full_screen);
  window.showFullScreen();
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.isFullScreen(); }));
  keeper.keep();
  EXPECT_TRUE(settings.window_place()->full_screen);
  EXPECT_EQ(settings.window_place()->normal.size(), normal);  // the normal place stays
}

TEST(AutostartTest, EntryStartsThisProgramInClockMode) {
  EXPECT_NE(autostart_entry("pelmora").indexOf("\nExec=pelmora --clock-mode\n"), -1);
  EXPECT_NE(autostart_entry("/opt/my sky/pelmora").indexOf("\nExec=\"/opt/my sky/pelmora\" --clock-mode\n"), -1);
  EXPECT_TRUE(autostart_file().endsWith("/autostart/org.pelmora.Pelmora.desktop"));
}

// The commands over time on a window: go to a moment and back, pause and
// step.
TEST(TimeControlsTest, MomentNowPauseAndStep) {
  ChosenClock clock;
  Form1Window window(clock);
  TimeControls controls(window, clock);
  window.load();
  window.show();
  ASSERT_TRUE(clock.is_computer_clock());
  EXPECT_FALSE(controls.now->isEnabled());

  // Across New Year: the chart loads afresh at the new date.
  controls.go_to({1999, 12, 31, 86'399'000});
  EXPECT_EQ(window.form().state().load_date_text, "12-31-1999");
  EXPECT_TRUE(controls.now->isEnabled());
  EXPECT_TRUE(controls.clock_note().contains("1999-12-31 23:59:59"));
  EXPECT_TRUE(window.picture()->accessibleDescription().contains("not the computer's"));
  controls.go_to({2000, 1, 1, 0});
  EXPECT_EQ(window.form().state().load_date_text, "01-01-2000");
  controls.go_to_now();
  EXPECT_TRUE(clock.is_computer_clock());
  EXPECT_EQ(window.form().state().load_date_text, local_now().date_text());
  EXPECT_TRUE(controls.clock_note().isEmpty());

  controls.toggle_pause();
  EXPECT_TRUE(window.paused());
  EXPECT_FALSE(window.timer_running());
  const int steps = window.form().state().step_count.value();
  window.step();
  EXPECT_EQ(window.form().state().step_count.value(), steps + 1);
  EXPECT_FALSE(window.timer_running());
  controls.toggle_pause();
  EXPECT_TRUE(window.timer_running());
}

// The Sky menu's choice shows at once, and the design comes back as it was.
TEST(SkyControlsTest, SwitchingTheSkyRedrawsTheChartAndBack) {
  SettableClock clock;
  clock.seconds = 36000;
  Form1Window window(clock);
  std::vector<bool> kept;
  SkyControls sky(window, false, {40.4168, -3.7038, "40.4168, -3.7038"}, [&](bool t) { kept.push_back(t); }, {});
  // Paused from the start: no tick draws between the pictures compared, not
  // even one that falls due while a slow first load is still drawing.
  window.set_paused(true);
  window.load();
  window.show();
  const QImage design = window.picture()->picture();
  EXPECT_FALSE(window.true_sky());

  sky.choose_sky(true);
  EXPECT_TRUE(window.true_sky());
  EXPECT_NE(window.picture()->picture(), design);
  EXPECT_TRUE(window.picture()->accessibleDescription().contains("The true sky at 40.4168° N, 3.7038° W"));
  sky.choose_place({-33.9, 151.2, "-33.9, 151.2"});
  const QImage sydney = window.picture()->picture();

  sky.choose_sky(false);
  EXPECT_EQ(window.picture()->picture(), design);
  EXPECT_TRUE(window.picture()->accessibleDescription().contains("as designed"));
  EXPECT_EQ(kept, (std::vector<bool>{true, false}));
  sky.choose_sky(true);
  EXPECT_EQ(window.picture()->picture(), sydney);
}

}  // namespace
}  // namespace pelmora::testing

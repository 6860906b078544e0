// The colour schemes: what each shows for the design's colours, on the
// canvas at once and at a new scale, and in the program's snapshots.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <filesystem>
#include <string>

#include "render/colour_scheme.h"
#include "render/rescalable_canvas.h"

namespace pelmora::testing {
namespace {

TEST(ColourSchemeTest, EachSchemeKeepsItsPromiseForEveryPaletteColour) {
  for (int i = 0; i < 16; ++i) {
    const Colour colour = palette_colour(i);
    SCOPED_TRACE(i);
    EXPECT_EQ(shown_colour(ColourScheme::classic, colour), colour);
    const Colour night = shown_colour(ColourScheme::night, colour);
    EXPECT_EQ(night & 0x00ffffu, 0u);    // no green, no blue
    EXPECT_EQ(night == 0, colour == 0);  // only the ground is black
    // On paper: the ground is the paper, every figure legible on it as
    // text must be, a colour that was already legible kept as it is.
    const Colour printed = shown_colour(ColourScheme::print, colour);
    if (colour == 0) {
      EXPECT_EQ(printed, 0xffffffu);
    } else {
      EXPECT_GE(contrast_on_white(printed), 4.5);
      if (contrast_on_white(colour) >= 4.5) {
        EXPECT_EQ(printed, colour);
      }
    }
    const Colour bright = shown_colour(ColourScheme::bright, colour);
    if (colour == 0) {
      EXPECT_EQ(bright, 0u);
    } else {
      EXPECT_GE(contrast_on_black(bright), 4.5);
      if (contrast_on_black(colour) >= 4.5) {
        EXPECT_EQ(bright, colour);  // light colours stay
      }
    }
  }
  // The design's darkest markers, as the contrast they had.
  EXPECT_NEAR(contrast_on_black(0x000080), 1.3, 0.05);
  EXPECT_NEAR(contrast_on_black(0x800000), 1.9, 0.05);
  // The light figures print dark: the white sun black, the silver moon
  // darker than the grey marker.
  EXPECT_EQ(shown_colour(ColourScheme::print, 0xffffff), 0u);
  EXPECT_LT(shown_colour(ColourScheme::print, 0xc0c0c0), shown_colour(ColourScheme::print, 0x808080));
  for (const ColourScheme scheme : kColourSchemes) EXPECT_EQ(scheme_named(scheme_name(scheme)), scheme);
  EXPECT_EQ(std::size(kScreenSchemes), std::size(kColourSchemes) - 1);
  EXPECT_FALSE(on_screen(ColourScheme::print));
  EXPECT_FALSE(scheme_named("Night"));
}

// Switching shows every pixel in the new scheme without drawing anything,
// and a picture drawn afresh at a new scale keeps it.
TEST(ColourSchemeTest, CanvasSwitchesAtOnceAndKeepsTheSchemeAtANewScale) {
  RescalableCanvas canvas(nullptr);
  canvas.line(10, 10, 100, 10, 0x000080);
  canvas.raster().take_changed_areas();
  canvas.show_colours_as(ColourScheme::night);
  EXPECT_FALSE(canvas.raster().take_changed_areas().empty());
  const auto shown = [&canvas](int x, int y) {
    std::uint32_t pixel = 0;
    canvas.raster().copy_rgb32({x, y, 1, 1}, &pixel, 1);
    return pixel & 0xffffffu;
  };
  EXPECT_EQ(shown(50, 10), 0x800000u);
  EXPECT_EQ(canvas.raster().pixel(50, 10), 0x000080u);  // the figure keeps its colour
  canvas.rescale(2);
  EXPECT_EQ(shown(100, 20), 0x800000u);
  canvas.show_colours_as(ColourScheme::classic);
  EXPECT_EQ(shown(100, 20), 0x000080u);
}

// A snapshot in each scheme, from the program; a settings file never
// reaches a headless run.
TEST(ColourSchemeTest, SnapshotsTakeTheSchemeAndNoSettings) {
  const auto folder = std::filesystem::temp_directory_path() / ("pelmora-colours-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder / "config" / "pelmora");
  const auto snapshot = [&folder](const std::string& options, const std::string& name) {
    const std::string file = (folder / name).string();
    const std::string command = "XDG_CONFIG_HOME=" + (folder / "config").string() + " " + PELMORA_BINARY +
                                " --at '2026-12-07 21:30' --script 'tick*40' --snapshot " + file + " " + options;
    EXPECT_EQ(std::system(command.c_str()), 0);
    return QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32);
  };
  const QImage golden = QImage(QString::fromStdString(std::string(PELMORA_TEST_DATA) + "/simulation.png"))
                            .convertToFormat(QImage::Format_RGB32);
  {
    std::FILE* settings = std::fopen((folder / "config" / "pelmora" / "pelmora.conf").c_str(), "w");
    std::fputs("[view]\ncolours=night\n[window]\nwidth=5\n", settings);
    std::fclose(settings);
  }
  EXPECT_EQ(snapshot("", "plain.png"), golden);
  EXPECT_EQ(snapshot("--colours classic", "classic.png"), golden);

  const QImage night = snapshot("--colours night", "night.png");
  const QImage bright = snapshot("--colours bright", "bright.png");
  int lit = 0;
  for (int y = 0; y < golden.height(); ++y)
    for (int x = 0; x < golden.width(); ++x) {
      const QRgb red = night.pixel(x, y), light = bright.pixel(x, y);
      ASSERT_EQ(qGreen(red) | qBlue(red), 0) << x << "," << y;
      ASSERT_EQ(qRed(red) == 0, (golden.pixel(x, y) & 0xffffffu) == 0);
      if ((light & 0xffffffu) == 0) continue;
      ++lit;
      ASSERT_GE(contrast_on_black(light & 0xffffffu), 4.5) << x << "," << y;
    }
  EXPECT_GT(lit, 1000);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace pelmora::testing

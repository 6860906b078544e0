// The window's layout at any size: the design at one uniform scale, as
// large as fits, centred; and the size the window starts at.
#include <gtest/gtest.h>

#include <cmath>

#include "window/window_layout.h"

namespace pelmora {
namespace {

// The picture and the buttons keep the design's places and proportions,
// and the spare room is shared evenly on both sides.
void expect_design_at_its_scale(QSize client, double ratio) {
  SCOPED_TRACE(std::to_string(client.width()) + "x" + std::to_string(client.height()) + " at " + std::to_string(ratio));
  const WindowLayout layout = layout_in(client, ratio);
  const double k = layout.scale;
  EXPECT_DOUBLE_EQ(layout.device_scale, k * ratio);
  // As large as fits: one side is filled.
  EXPECT_NEAR(std::min(client.width() / (1272 * k), client.height() / (976 * k)), 1.0, 1e-9);
  const double left = layout.picture.x() - 8 * k, top = layout.picture.y() - 24 * k;
  EXPECT_NEAR(left, (client.width() - 1272 * k) / 2, 1.0);
  EXPECT_NEAR(top, (client.height() - 976 * k) / 2, 1.0);
  // The picture covers its pixels exactly: round(1241 s) device pixels.
  EXPECT_EQ(std::ceil(std::lround(1241 * layout.device_scale) / ratio), layout.picture.width());
  EXPECT_EQ(std::ceil(std::lround(921 * layout.device_scale) / ratio), layout.picture.height());
  for (const auto& [rect, design] :
       {std::pair{layout.clock_mode, QRect(1112, 8, 57, 41)}, std::pair{layout.cmd_exit, QRect(1176, 8, 57, 41)}}) {
    EXPECT_NEAR(rect.x(), design.x() * k, 0.5);
    EXPECT_NEAR(rect.y(), design.y() * k, 0.5);
    EXPECT_NEAR(rect.width(), design.width() * k, 0.5);
    EXPECT_NEAR(rect.height(), design.height() * k, 0.5);
  }
  EXPECT_DOUBLE_EQ(layout.button_font_pixels, 11 * k);
}

TEST(WindowLayoutTest, DesignAtOneScaleCentredInAnySize) {
  expect_design_at_its_scale({1272, 976}, 1);
  expect_design_at_its_scale({1366, 768}, 1);    // wider than the design: room left and right
  expect_design_at_its_scale({900, 1400}, 1);    // taller: room above and below
  expect_design_at_its_scale({1920, 1080}, 2);   // a 4K screen at 200 %
  expect_design_at_its_scale({1707, 960}, 1.5);  // 2560 by 1440 at 150 %
  const WindowLayout design = layout_in({1272, 976}, 1);
  EXPECT_EQ(design.picture, QRect(8, 24, 1241, 921));
  EXPECT_EQ(layout_in({1272, 976}, 2).picture, QRect(8, 24, 1241, 921));
  EXPECT_DOUBLE_EQ(layout_in({1272, 976}, 2).device_scale, 2);
}

// Full screen: the picture area alone, as large as its shape allows,
// centred to the pixel, the buttons at their places in it.
TEST(WindowLayoutTest, PictureAloneFillsTheScreenCentred) {
  for (const auto& [screen, ratio] : {std::pair{QSize(1920, 1080), 1.0}, std::pair{QSize(1024, 600), 1.0},
                                      std::pair{QSize(1280, 1440), 1.0}, std::pair{QSize(1920, 1080), 2.0}}) {
    SCOPED_TRACE(std::to_string(screen.width()) + "x" + std::to_string(screen.height()));
    const WindowLayout layout = layout_in(screen, ratio, Framing::picture_alone);
    const QRect& picture = layout.picture;
    EXPECT_NEAR(std::min(screen.width() / (1241 * layout.scale), screen.height() / (921 * layout.scale)), 1.0, 1e-9);
    EXPECT_TRUE(QRect(QPoint(), screen).contains(picture));
    EXPECT_TRUE(picture.width() == screen.width() || picture.height() == screen.height());
    EXPECT_LE(std::abs(picture.left() - (screen.width() - picture.right() - 1)), 1);
    EXPECT_LE(std::abs(picture.top() - (screen.height() - picture.bottom() - 1)), 1);
    EXPECT_NEAR(layout.cmd_exit.x(), 1176 * layout.scale, 0.5);
    EXPECT_NEAR(layout.cmd_exit.width(), 57 * layout.scale, 0.5);
  }
}

TEST(WindowLayoutTest, PictureScaleStaysWithinHalfToFour) {
  const WindowLayout huge = layout_in({8000, 6000}, 1);
  EXPECT_DOUBLE_EQ(huge.device_scale, 4);
  EXPECT_EQ(huge.picture.x(), std::lround((8000 - 1272 * 4) / 2.0 + 8 * 4));  // still centred
  EXPECT_DOUBLE_EQ(layout_in({300, 200}, 1).device_scale, 0.5);
  EXPECT_DOUBLE_EQ(layout_in({300, 200}, 2).device_scale, 0.5);
  EXPECT_DOUBLE_EQ(layout_in({300, 200}, 2).scale, 0.25);
}

TEST(WindowLayoutTest, FirstSizeFitsTheScreenFrameIncluded) {
  const QMargins frame(1, 20, 1, 5);
  EXPECT_EQ(first_client_size({1920, 1050}, frame, 1), QSize(1272, 976));
  // A 1366 by 768 laptop: the whole window, title bar included, on the
  // screen, in the design's proportions.
  const QSize laptop = first_client_size({1366, 768}, frame, 1);
  EXPECT_LE(laptop.height() + 25, 768);
  EXPECT_GE(laptop.height() + 25, 767);
  EXPECT_NEAR(double(laptop.width()) / laptop.height(), 1272.0 / 976, 0.003);
  // 1920 by 1080 at 200 % with a panel: 960 by 510 logical pixels.
  const QSize small = first_client_size({960, 510}, frame, 2);
  EXPECT_LE(small.height() + 25, 510);
  EXPECT_LE(small.width() + 2, 960);
  // Never below half a device pixel a picture pixel.
  EXPECT_EQ(first_client_size({400, 300}, frame, 1), QSize(636, 488));
}

}  // namespace
}  // namespace pelmora

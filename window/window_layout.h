// Where the window's parts go at any size. The design is one layout of
// 1272 by 976 pixels (the picture at (8, 24), 1241 by 921, and the two
// buttons over its top right corner); the window shows it at one uniform
// scale, as large as fits, centred, with the window's background around it.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

#include "app/platform.h"

namespace pelmora {

inline constexpr QSize kDesignSize{1272, 976};
inline constexpr QRect kDesignPicture{8, 24, kPictureWidth, kPictureHeight};
// Within the picture.
inline constexpr QRect kDesignClockMode{1112, 8, 57, 41};
inline constexpr QRect kDesignCmdExit{1176, 8, 57, 41};
inline constexpr int kDesignButtonFontPixels = 11;

struct WindowLayout {
  // Logical pixels per design pixel, and device pixels per picture pixel.
  double scale = 1;
  double device_scale = 1;
  QRect picture;               // in the window
  QRect clock_mode, cmd_exit;  // in the picture
  double button_font_pixels = kDesignButtonFontPixels;
};

// What is laid out: the whole form (in a window), or the picture area with
// its two buttons alone (full screen, on black).
enum class Framing { form, picture_alone };

// The design in a window of `client` logical pixels with `device_pixel_ratio`
// device pixels to each: as large as fits, but within the picture's scales
// (0.5 to 4 device pixels per picture pixel), centred.
WindowLayout layout_in(QSize client, double device_pixel_ratio, Framing framing = Framing::form);

// The window's size at start: the design's size when it fits the screen's
// free area together with the window's frame, else the largest uniform
// scale of it that fits (but not below the least size).
QSize first_client_size(QSize available, QMargins frame, double device_pixel_ratio);

// The smallest size the window may take: the design with the picture at
// half a device pixel to each of its pixels.
QSize least_client_size(double device_pixel_ratio);

}  // namespace pelmora

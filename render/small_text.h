// Texts smaller than the picture's own, set from the shipped font's outlines
// at their size with every stem snapped to whole pixels. Smoothed at eight
// pixels high, a stem spread over two pixels reads as a grey smear ("rn"
// becomes "m"); snapped, each stem is one pixel of full ink with a pixel of
// ground beside it.
#pragma once

#include <QByteArray>
#include <memory>
#include <string_view>

#include "render/raster_canvas.h"

namespace pelmora {

class SmallText {
 public:
  // The font as its file's bytes; an empty or unreadable font sets no ink.
  explicit SmallText(const QByteArray& font);
  ~SmallText();
  SmallText(const SmallText&) = delete;
  SmallText& operator=(const SmallText&) = delete;

  // The text's ink at `pixels` pixels to the em, its baseline `ascent`
  // pixels below the top of a `width` by `height` block; what falls
  // outside the block is left out.
  TextInk render(std::string_view text, double pixels, int ascent, int width, int height) const;

 private:
  struct Face;
  // What raises a stem's coverage to whole ink at a size.
  double stem_gain(double pixels) const;

  QByteArray font_;  // FreeType reads the face from these bytes while it lives
  std::unique_ptr<Face> face_;
  mutable double gain_pixels_ = 0, gain_ = 1;  // the last size's stem gain
};

}  // namespace pelmora

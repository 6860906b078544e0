#include "render/small_text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace pelmora {

namespace {

// FreeType's units: 26.6 fixed point for sizes and advances, 16.16 for
// the unhinted advance.
constexpr double kSixtyFourths = 64.0;
constexpr double kSixtyFiveThousandths = 65536.0;
// A column counts as the glyph's ink from half coverage on: fainter
// pixels are the smoothing at an edge, which may touch the next glyph's.
constexpr double kInkedCoverage = 128;
// The hinter works on the outlines in both directions (its "normal" target)
// and is FreeType's own, so that the pixels do not hang on the font's
// instructions or on how the library was built.
constexpr FT_Int32 kLoadFlags = FT_LOAD_RENDER | FT_LOAD_FORCE_AUTOHINT | FT_LOAD_TARGET_NORMAL;

}  // namespace

struct SmallText::Face {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~Face() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

SmallText::SmallText(const QByteArray& font) : font_(font), face_(std::make_unique<Face>()) {
  if (FT_Init_FreeType(&face_->library) != 0) {
    face_->library = nullptr;
  } else if (FT_New_Memory_Face(face_->library, reinterpret_cast<const FT_Byte*>(font_.constData()),
                                static_cast<FT_Long>(font_.size()), 0, &face_->face) != 0) {
    face_->face = nullptr;
  }
  if (face_->face == nullptr) std::fprintf(stderr, "pelmora: the picture's font cannot be read for small text\n");
}

SmallText::~SmallText() = default;

double SmallText::stem_gain(double pixels) const {
  if (pixels == gain_pixels_) return gain_;
  gain_pixels_ = pixels;
  gain_ = 1;
  FT_Face face = face_->face;
  // The darkest pixel of the "l", a stem and nothing else.
  if (FT_Load_Char(face, 'l', kLoadFlags) != 0) return gain_;
  const FT_Bitmap& bitmap = face->glyph->bitmap;
  int darkest = 0;
  for (unsigned row = 0; row < bitmap.rows; ++row)
    for (unsigned column = 0; column < bitmap.width; ++column)
      darkest = std::max<int>(darkest, bitmap.buffer[static_cast<std::ptrdiff_t>(row) * bitmap.pitch + column]);
  if (darkest > 0) gain_ = 255.0 / darkest;
  return gain_;
}

TextInk SmallText::render(std::string_view text, double pixels, int ascent, int width, int height) const {
  TextInk ink;
  ink.width = width;
  ink.height = height;
  ink.ink.assign(static_cast<std::size_t>(std::max(width, 0)) * std::max(height, 0), 0);
  FT_Face face = face_->face;
  if (face == nullptr || FT_Set_Char_Size(face, 0, std::lround(pixels * kSixtyFourths), 72, 72) != 0) return ink;
  // A stem thinner than a pixel lands on one column but does not fill it:
  // every coverage is raised in the proportion that makes a stem whole.
  const double gain = stem_gain(pixels);
  // Each glyph on a whole pixel, its hinted advance on from the last, with
  // a column of ground between its ink and the last glyph's, so that "rn"
  // does not close up into "m".
  long pen = 0;
  long last_ink = std::numeric_limits<long>::min() / 2;  // the last glyph's rightmost inked column
  for (const char c : text) {
    if (FT_Load_Char(face, static_cast<unsigned char>(c), kLoadFlags) != 0) continue;
    const FT_GlyphSlot glyph = face->glyph;
    const FT_Bitmap& bitmap = glyph->bitmap;
    if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && bitmap.width > 0) {
      const auto inked = [&](unsigned column) {
        for (unsigned row = 0; row < bitmap.rows; ++row)
          if (bitmap.buffer[static_cast<std::ptrdiff_t>(row) * bitmap.pitch + column] * gain >= kInkedCoverage)
            return true;
        return false;
      };
      unsigned first = 0, last = bitmap.width - 1;
      while (first < bitmap.width && !inked(first)) ++first;
      while (last > first && !inked(last)) --last;
      if (first < bitmap.width) {
        pen = std::max(pen, last_ink + 2 - glyph->bitmap_left - static_cast<long>(first));
        last_ink = pen + glyph->bitmap_left + static_cast<long>(last);
      }
      for (unsigned row = 0; row < bitmap.rows; ++row) {
        const int y = ascent - glyph->bitmap_top + static_cast<int>(row);
        if (y < 0 || y >= height) continue;
        const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        for (unsigned column = 0; column < bitmap.width; ++column) {
          const long x = pen + glyph->bitmap_left + static_cast<long>(column);
          if (x < 0 || x >= width || source[column] == 0) continue;
          std::uint8_t& target = ink.ink[static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x)];
          target = static_cast<std::uint8_t>(std::min(255L, target + std::lround(source[column] * gain)));
        }
      }
    }
    pen += std::lround(glyph->advance.x / kSixtyFourths);
  }
  return ink;
}

}  // namespace pelmora

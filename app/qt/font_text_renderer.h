// Lays out the picture's texts in the shipped font, once per distinct text.
#pragma once

#include <QFont>
#include <string>
#include <unordered_map>

#include "app/raster_canvas.h"

namespace pelmora {

// The picture's font: the shipped sans-serif at 13 pixels, drawn without
// antialiasing so that every machine shows the same pixels.
QFont picture_font();

class FontTextRenderer : public TextRenderer {
 public:
  FontTextRenderer();
  const TextInk& render(std::string_view text) override;

 private:
  QFont font_;
  int ascent_;
  // Texts repeat from pass to pass; the few that change (numbers) are
  // bounded, and the cache is dropped whole if it ever grows large.
  std::unordered_map<std::string, TextInk> cache_;
};

}  // namespace pelmora

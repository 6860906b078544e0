#include "render/colour_scheme.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pelmora {

namespace {

// The least contrast against black for text to be legible (the web's
// accessibility guidelines, level AA for ordinary text).
constexpr double kLegibleContrast = 4.5;

double linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int red_of(Colour c) { return static_cast<int>((c >> 16) & 0xff); }
int green_of(Colour c) { return static_cast<int>((c >> 8) & 0xff); }
int blue_of(Colour c) { return static_cast<int>(c & 0xff); }
Colour rgb(int r, int g, int b) { return (static_cast<Colour>(r) << 16) | (static_cast<Colour>(g) << 8) | b; }

// Mixed with white by the least whole step (of 255) that makes it legible
// on black; black, the ground, stays.
Colour lifted(Colour colour) {
  if (colour == 0 || contrast_on_black(colour) >= kLegibleContrast) return colour;
  const int r = red_of(colour), g = green_of(colour), b = blue_of(colour);
  for (int step = 1;; ++step) {
    const auto mix = [step](int c) { return c + (255 - c) * step / 255; };
    const Colour mixed = rgb(mix(r), mix(g), mix(b));
    if (contrast_on_black(mixed) >= kLegibleContrast) return mixed;
  }
}

// On paper: the black ground turns white, and a grey's lightness turns
// over (the white sun prints black, the silver moon dark grey); then every
// colour but the ground is darkened by the least whole step (of 255) that
// makes it legible on white.
Colour printed(Colour colour) {
  if (colour == 0) return 0xffffff;
  const int r = red_of(colour), g = green_of(colour), b = blue_of(colour);
  if (r == g && g == b) colour = rgb(255 - r, 255 - g, 255 - b);
  if (contrast_on_white(colour) >= kLegibleContrast) return colour;
  for (int step = 1;; ++step) {
    const auto mix = [step](int c) { return c - c * step / 255; };
    const Colour mixed = rgb(mix(red_of(colour)), mix(green_of(colour)), mix(blue_of(colour)));
    if (contrast_on_white(mixed) >= kLegibleContrast) return mixed;
  }
}

// Red at the brightness of its brightest channel: the navy marker stays
// as visible as the maroon one.
Colour in_red(Colour colour) { return rgb(std::max({red_of(colour), green_of(colour), blue_of(colour)}), 0, 0); }

constexpr std::array<std::string_view, 4> kNames = {"classic", "bright", "night", "print"};

double luminance(Colour colour) {
  return 0.2126 * linear(red_of(colour)) + 0.7152 * linear(green_of(colour)) + 0.0722 * linear(blue_of(colour));
}

}  // namespace

std::string_view scheme_name(ColourScheme scheme) { return kNames[static_cast<std::size_t>(scheme)]; }

std::optional<ColourScheme> scheme_named(std::string_view name) {
  for (const ColourScheme scheme : kColourSchemes)
    if (scheme_name(scheme) == name) return scheme;
  return std::nullopt;
}

bool on_screen(ColourScheme scheme) { return scheme != ColourScheme::print; }

double contrast_on_black(Colour colour) { return (luminance(colour) + 0.05) / 0.05; }

double contrast_on_white(Colour colour) { return 1.05 / (luminance(colour) + 0.05); }

Colour shown_colour(ColourScheme scheme, Colour colour) {
  colour &= 0xffffffu;
  switch (scheme) {
    case ColourScheme::bright:
      return lifted(colour);
    case ColourScheme::night:
      return in_red(colour);
    case ColourScheme::print:
      return printed(colour);
    case ColourScheme::classic:
      break;
  }
  return colour;
}

}  // namespace pelmora

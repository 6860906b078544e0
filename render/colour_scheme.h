// The colours the picture is shown in. The figures keep the design's
// colours; a scheme only maps them for the screen and the saved picture:
// "classic" shows them as they are, "bright" lifts the dark ones so that
// every figure stands out against the black ground, "night" shows all
// in red, for eyes adapted to the dark, and "print" puts the chart on white
// paper, for printing and the drawings made for it.
#pragma once

#include <optional>
#include <string_view>

#include "app/platform.h"

namespace pelmora {

enum class ColourScheme { classic, bright, night, print };

inline constexpr ColourScheme kColourSchemes[] = {ColourScheme::classic, ColourScheme::bright, ColourScheme::night,
                                                  ColourScheme::print};
// Those the window shows the chart in: a white chart on the screen would
// only dazzle.
inline constexpr ColourScheme kScreenSchemes[] = {ColourScheme::classic, ColourScheme::bright, ColourScheme::night};
bool on_screen(ColourScheme scheme);

// "classic", "bright", "night", "print", as the command line and the settings say it.
std::string_view scheme_name(ColourScheme scheme);
std::optional<ColourScheme> scheme_named(std::string_view name);

// The colour (0xRRGGBB) shown for one the figures are drawn in.
Colour shown_colour(ColourScheme scheme, Colour colour);

// Contrast ratio of a colour against black or white, from 1 to 21
// (relative luminance as the web's accessibility guidelines define it).
double contrast_on_black(Colour colour);
double contrast_on_white(Colour colour);

}  // namespace pelmora

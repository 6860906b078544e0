// The colours the picture is shown in. The figures keep the design's
// colours; a scheme only maps them for the screen and the saved picture:
// "classic" shows them as they are, "bright" lifts the dark ones so that
// every figure stands out against the black ground, and "night" shows all
// in red, for eyes adapted to the dark.
#pragma once

#include <optional>
#include <string_view>

#include "app/platform.h"

namespace pelmora {

enum class ColourScheme { classic, bright, night };

inline constexpr ColourScheme kColourSchemes[] = {ColourScheme::classic, ColourScheme::bright, ColourScheme::night};

// "classic", "bright", "night", as the command line and the settings say it.
std::string_view scheme_name(ColourScheme scheme);
std::optional<ColourScheme> scheme_named(std::string_view name);

// The colour (0xRRGGBB) shown for one the figures are drawn in.
Colour shown_colour(ColourScheme scheme, Colour colour);

// Contrast ratio of a colour against black, from 1 to 21 (relative
// luminance as the web's accessibility guidelines define it).
double contrast_on_black(Colour colour);

}  // namespace pelmora

// Where each body stands, as a table for users who script the sky: the
// sidereal time, the sun, the moon, the planets, the stars and the markers,
// their places and their centres on the picture.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/state.h"
#include "sky/true_sky.h"

namespace pelmora {

struct PositionRow {
  std::string body;                       // as its tip names it
  std::string kind;                       // time, sun, moon, planet, star or marker
  std::optional<double> ra, dec, height;  // degrees
  std::optional<int> x, y;                // its centre on the picture; none when not in view
};

// The design's own angles after the last pass: the scale's angles, the
// heights it draws at; no declinations, no planets.
std::vector<PositionRow> design_positions(const FormState& st);

// The true sky's places, at the picture's places the true chart gives them.
std::vector<PositionRow> true_positions(const sky::TrueSky& sky, int level);

// Tab-separated, the column names first; four decimals, empty where a row
// has no value.
std::string positions_table(const std::vector<PositionRow>& rows);

}  // namespace pelmora

// The star catalogue: 31 stars, each one to three concentric rings, and 6
// vertical markers, grouped under the 10-degree sector labels in drawing
// order, each with its name. Constant data, part of the program.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <variant>

#include "app/numeric.h"

namespace pelmora {

struct ring {
  std::int16_t radius;
  std::int16_t colour;  // palette index
};

struct segment {
  std::int16_t top;     // pixel offset from the baseline, negative above
  std::int16_t bottom;  // top < bottom
};

struct star_entry {
  std::int16_t longitude;  // whole degrees along the chart's axis, 0 to 359
  std::int16_t latitude;   // whole degrees above the baseline
  std::array<ring, 3> ring_list;
  std::uint8_t ring_count;
  std::span<const ring> rings() const { return {ring_list.data(), ring_count}; }
};

struct marker_entry {
  std::int16_t longitude;
  std::int16_t x_extra;  // eighths of a degree further left
  std::array<segment, 3> segment_list;
  std::uint8_t segment_count;
  std::int16_t colour;  // palette index
  std::span<const segment> segments() const { return {segment_list.data(), segment_count}; }
};

struct catalogue_row {
  std::int16_t label;  // sector label, a multiple of 10 from 10 to 360
  std::variant<star_entry, marker_entry> entry;
  // What the entry shows: the star, or the point of the sky a marker marks.
  std::string_view name;
  // For a marker: what it marks, as a phrase ("where the sun stands ...").
  std::string_view note;
};

// Every row, grouped by label, each group in drawing order.
std::span<const catalogue_row> star_catalogue_rows();

// The group of a sector label in drawing order; empty for a label without one.
std::span<const catalogue_row> star_catalogue(Integer label);

}  // namespace pelmora

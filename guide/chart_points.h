// What is under a point of the chart: the figure, star, marker or read-out
// there as the picture shows it now, found by the same rules the routines
// draw by.
#pragma once

#include <optional>
#include <string>

#include "app/chart_view.h"
#include "chart/chart_geometry.h"

namespace pelmora {

struct ChartName {
  std::string title;     // what it is: "Regulus (alpha Leonis)", "The moon", "lunar"
  std::string detail;    // one sentence: where it stands, or what the number means
  bool readout = false;  // a printed read-out, over whatever lies beneath
};

// What is under the point (x, y) of the picture, in its pixels (1241 by
// 921), for the window's state after its last pass; nothing over empty sky.
std::optional<ChartName> name_at(const ChartView& st, double x, double y);

// Where the entry at `place` of the catalogue's group `label` stands on the
// picture now (its centre, or the middle of a marker's first segment);
// nothing when its sector is not drawn.
struct PicturePoint {
  int x = 0, y = 0;
};
std::optional<PicturePoint> entry_position(const ChartView& st, int label, int place);

// A dot of the equator curve as the chart shows it now: the curve's columns
// run from kFirstEquatorColumn at the left down to kLastEquatorColumn.
struct EquatorDot {
  int x = 0;
  double y = 0;
  int angle = 0;  // the curve's angle there, 1 to 374
};
EquatorDot equator_dot(const ChartView& st, int column);

}  // namespace pelmora

// Where the sun stands on the chart's scale on a day of the year, and the
// moment the moon's motion is counted from.
#pragma once

namespace pelmora {

// The December solstice, where the sun stands at 270 on the scale, falls
// this many days before 1 January 0:00 (21 December, about 13:20).
inline constexpr double kSolsticeBeforeNewYearDays = 10.444;
// A quarter of a day more: over the four years of the leap cycle the
// solstice moves a quarter of a day a year, and this is its mean place.
inline constexpr double kLeapCycleMeanDays = 0.25;
// Days counted from the December solstice are turned into the scale's
// angle by this: the solstice stands a quarter turn before 360.
inline constexpr int kSolsticeToScaleDegrees = 90;

// The moon's mean motion is counted from a moment in the year 2003 ...
inline constexpr int kMoonEpochYear = 2003;
// ... that lies this many days after the solstice's mean place above,
inline constexpr double kMoonEpochAfterSolsticeDays = 0.8;
// ... at which the moon had gone this fraction of its month: of its turn
// against the stars (89.2 degrees on the scale) and of its phases alike.
inline constexpr double kMoonAtEpochTurns = 0.24778;
// The year in which the sun's travel is counted, in days.
inline constexpr double kSunTravelYearDays = 365.253;

}  // namespace pelmora

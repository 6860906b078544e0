// "Go to a moment": a date and a local time (years 1000 to 9999, as --at
// takes them), or "Now" for the computer's clock.
#pragma once

#include <QWidget>
#include <optional>
#include <variant>

#include "clocks/clocks.h"

namespace pelmora {

struct BackToNow {};
// The moment chosen, back to the computer's clock, or nothing (cancelled).
using MomentChoice = std::variant<std::monostate, LocalMoment, BackToNow>;

// A moment as --at takes it: "2026-12-07 06:00:00".
QString moment_text(const LocalMoment& moment);

// Asks, starting from `shown`, the moment the clock shows now.
MomentChoice ask_moment(QWidget* parent, const LocalMoment& shown);

}  // namespace pelmora

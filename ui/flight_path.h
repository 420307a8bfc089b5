#pragma once

// The straight line a flying card follows, one pixel along the longer axis per step.
namespace fibwick {

struct FlightPixel {
  int x = 0;
  int y = 0;
  friend bool operator==(const FlightPixel&, const FlightPixel&) = default;
};

// Steps from `from` to `to`: the distance along the longer axis.
int FlightSteps(FlightPixel from, FlightPixel to);

// Where the card's top-left corner stands after `step` steps (0 is the start); the shorter axis
// is rounded to the nearest pixel, ties to even.
FlightPixel FlightPointAt(FlightPixel from, FlightPixel to, int step);

// The pace of the speed levels 1..6 (others are taken as the nearest level).
struct FlightPace {
  int stepMicroseconds = 0;  // the pause after each one-pixel step
  bool skipsFirstStep = false;
  int iconIntervalMs = 0;  // how fast the speed dialog's icon turns at this speed
};
FlightPace PaceOfSpeed(int flightSpeed);

}  // namespace fibwick

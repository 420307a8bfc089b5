#pragma once

#include <cstdint>
#include <memory>

#include "ui/flight_overlay.h"

// The clock the cards fly by, in the test's hand: it runs with the steady clock until it is
// held, then moves only when the test moves it, so every step of a flight can be looked at
// however fast or slow the machine is.
namespace fibwick::testing {

class HeldFlightClock {
 public:
  // For Pacing::flightClock; stays valid after this object is gone.
  FlightClock Clock() const {
    return [state = state_, steady = SteadyFlightClock()] {
      return state->held ? state->now : steady();
    };
  }
  // From now on flights stand still between two moves of the test.
  void Hold() {
    state_->heldAt = state_->now = SteadyFlightClock()();
    state_->held = true;
  }
  void Advance(std::int64_t microseconds) { state_->now += microseconds; }
  // To `microseconds` after the moment the clock was held, where a flight begun since stands.
  void AdvanceTo(std::int64_t microseconds) { state_->now = state_->heldAt + microseconds; }

 private:
  struct State {
    bool held = false;
    std::int64_t now = 0;
    std::int64_t heldAt = 0;
  };
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

}  // namespace fibwick::testing

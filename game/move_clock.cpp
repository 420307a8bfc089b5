#include "game/move_clock.h"

namespace fibwick {

void PassMoveClock(GameState& state, TableEvents& events, int seatToAct) {
  if (!state.TourGame) return;
  events.emplace_back(MoveClockShown{3 - seatToAct, -1});
  state.ClockOwner = static_cast<std::uint8_t>(seatToAct);
  state.MoveClock = MoveClockSeconds;
}

void PassMoveClockToTurn(GameState& state, TableEvents& events) {
  if (!state.TourGame || state.RoundOver) return;
  if (state.TurnState == Turn::Local) PassMoveClock(state, events, 2);
  if (state.TurnState == Turn::Opponent) PassMoveClock(state, events, 1);
}

TableEvents MoveClockTick(GameState& state) {
  TableEvents events;
  if (!state.TourGame || !state.ClockRunning) return events;
  if (state.MoveClock > 0) --state.MoveClock;
  events.emplace_back(MoveClockShown{state.ClockOwner, state.MoveClock});
  if (state.ClockOwner != 2)
    return events;  // the opponent's clock running out changes nothing here
  if (state.MoveClock > 0) {
    events.emplace_back(SoundPlayed{state.MoveClock > 7 ? "STimerA" : "STimerB"});
    return events;
  }
  events.emplace_back(PeerMessage{"TOut"});
  state.ClockRunning = false;
  events.emplace_back(SoundPlayed{"WWrongs"});
  events.emplace_back(NoticeShown{Phrase::Of(MsgYourTimeIsUp), Phrase::Of(MsgYouLose)});
  events.emplace_back(PeerClosed{});
  events.emplace_back(ButtonEnabled{ActionButton::Challenge, false});
  events.emplace_back(ButtonEnabled{ActionButton::Pass, false});
  events.emplace_back(ButtonSet{ActionButton::Put, Phrase::Of(MsgExitToMenu), true, true});
  state.RoundOver = true;
  return events;
}

}  // namespace fibwick

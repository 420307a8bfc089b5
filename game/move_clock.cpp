#include "game/move_clock.h"

namespace fibwick {

void PassMoveClock(GameState& state, TableEvents& events, int seatToAct) {
  if (!state.network.TourGame) return;
  events.emplace_back(MoveClockShown{3 - seatToAct, -1});
  state.network.ClockOwner = static_cast<std::uint8_t>(seatToAct);
  state.network.MoveClock = MoveClockSeconds;
}

void PassMoveClockToTurn(GameState& state, TableEvents& events) {
  if (!state.network.TourGame || state.round.RoundOver) return;
  if (state.round.TurnState == Turn::Local) PassMoveClock(state, events, 2);
  if (state.round.TurnState == Turn::Opponent) PassMoveClock(state, events, 1);
}

TableEvents MoveClockTick(GameState& state) {
  TableEvents events;
  if (!state.network.TourGame || !state.network.ClockRunning) return events;
  if (state.network.MoveClock > 0) --state.network.MoveClock;
  events.emplace_back(MoveClockShown{state.network.ClockOwner, state.network.MoveClock});
  if (state.network.ClockOwner != 2)
    return events;  // the opponent's clock running out changes nothing here
  if (state.network.MoveClock > 0) {
    events.emplace_back(SoundPlayed{state.network.MoveClock > 7 ? "STimerA" : "STimerB"});
    return events;
  }
  events.emplace_back(PeerMessage{"TOut"});
  state.network.ClockRunning = false;
  events.emplace_back(SoundPlayed{"WWrongs"});
  events.emplace_back(NoticeShown{Phrase::Of(MsgYourTimeIsUp), Phrase::Of(MsgYouLose)});
  events.emplace_back(PeerClosed{});
  events.emplace_back(ButtonEnabled{ActionButton::Challenge, false});
  events.emplace_back(ButtonEnabled{ActionButton::Pass, false});
  events.emplace_back(ButtonSet{ActionButton::Put, Phrase::Of(MsgExitToMenu), true, true});
  state.round.RoundOver = true;
  return events;
}

}  // namespace fibwick

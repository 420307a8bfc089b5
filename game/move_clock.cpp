#include "game/move_clock.h"

#include "records/catalogue.h"

namespace fibwick {

void PassMoveClock(Table& table, int seatToAct) {
  GameState& state = table.state;
  if (!state.TourGame) return;
  table.view.ShowMoveClock(3 - seatToAct, -1);
  state.ClockOwner = static_cast<std::uint8_t>(seatToAct);
  state.MoveClock = MoveClockSeconds;
}

void PassMoveClockToTurn(Table& table) {
  const GameState& state = table.state;
  if (!state.TourGame || state.RoundOver) return;
  if (state.TurnState == TurnLocal) PassMoveClock(table, 2);
  if (state.TurnState == TurnOpponent) PassMoveClock(table, 1);
}

void MoveClockTick(Table& table) {
  GameState& state = table.state;
  if (!state.TourGame || !state.ClockRunning) return;
  if (state.MoveClock > 0) --state.MoveClock;
  table.view.ShowMoveClock(state.ClockOwner, state.MoveClock);
  if (state.ClockOwner != 2) return;  // the opponent's clock running out changes nothing here
  if (state.MoveClock > 0) {
    table.view.PlaySound(state.MoveClock > 7 ? "STimerA" : "STimerB");
    return;
  }
  table.peer.Send("TOut");
  state.ClockRunning = false;
  table.view.PlaySound("WWrongs");
  table.view.ShowNotice(MessageText(MsgYourTimeIsUp), MessageText(MsgYouLose));
  table.peer.Close();
  table.view.SetButtonEnabled(ActionButton::Challenge, false);
  table.view.SetButtonEnabled(ActionButton::Pass, false);
  table.view.SetButton(ActionButton::Put, MessageText(MsgExitToMenu), true, true);
  state.RoundOver = true;
}

}  // namespace fibwick

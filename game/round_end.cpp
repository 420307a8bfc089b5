#include "game/round_end.h"

#include "game/hand.h"
#include "game/start_game.h"
#include "records/catalogue.h"

namespace fibwick {
namespace {

constexpr int Points = 10;

bool CycleComplete(int gameNumber) { return gameNumber % GamesPerCycle == 0; }

std::uint8_t ResultOfHands(const GameState& state) {
  const bool opponentEmpty = state.SeatCardCount[1] == 0;
  const bool localEmpty = state.SeatCardCount[2] == 0;
  if (opponentEmpty && localEmpty) return ResultDraw;
  if (opponentEmpty) return ResultLocalLost;
  if (localEmpty) return ResultLocalWon;
  return ResultRunning;
}

Message ResultText(std::uint8_t result) {
  switch (result) {
    case ResultLocalLost: return MsgYouHaveLost;
    case ResultLocalWon: return MsgYouHaveWon;
    default: return MsgDeadHeat;
  }
}

void Score(GameState& state) {
  const int sign = state.RoundResult == ResultLocalWon    ? 1
                   : state.RoundResult == ResultLocalLost ? -1
                                                          : 0;
  state.SessionScore[2] += sign * Points;
  state.SessionScore[1] -= sign * Points;
  state.TotalScore = state.BaseScore + state.SessionScore[2];
}

}  // namespace

void EnableEndOfGameButtons(Table& table) {
  GameState& state = table.state;
  TableView& view = table.view;
  const auto exitText = MessageText(MsgExitToMenu);
  if (state.NetworkGame || state.TourGame) {
    view.SetButton(ActionButton::Put, exitText, true, true);
    view.SetTableMenu(false, true);
    return;
  }
  const bool nextGame = !state.RatedGame && !CycleComplete(state.GameNumber);
  view.SetButton(ActionButton::Challenge, MessageText(MsgNextGame), nextGame, true);
  view.SetButton(ActionButton::Put, exitText, true, true);
  if (!nextGame) view.SetTableMenu(false, true);
}

std::uint8_t CheckRoundEnd(Table& table) {
  GameState& state = table.state;
  TableView& view = table.view;
  state.RoundResult = ResultOfHands(state);
  if (state.RoundResult == ResultRunning) return ResultRunning;
  state.RoundOver = true;
  state.TurnState = TurnConnectedOrOver;
  state.ClockRunning = false;

  view.ShowResult(MessageText(ResultText(state.RoundResult)));
  if (state.RoundResult == ResultLocalLost) {
    view.PlaySound("WKoBads");
    ++state.SessionLosses;
  } else if (state.RoundResult == ResultLocalWon) {
    view.PlaySound("WKoGood");
    ++state.SessionWins;
  }
  view.ShowSpeech(1, SeatNameText(state, 1), SpeechColour::Yellow);
  view.ShowSpeech(2, SeatNameText(state, 2), SpeechColour::Yellow);
  if (state.NetworkGame) table.peer.Close();
  EnableEndOfGameButtons(table);
  Score(state);
  if (!state.TourGame) table.services.RefreshGeneralCount(state);
  RedrawHand(state, view, 1);
  RedrawHand(state, view, 2);
  return state.RoundResult;
}

bool ExitToMenu(Table& table) {
  GameState& state = table.state;
  if (!state.RoundOver) return false;
  if (state.TourGame && state.TourSeat == 1) table.services.ReportTournamentResult(state);
  state.ClockRunning = false;
  table.view.SetButton(ActionButton::Pass, MessageText(MsgPass), false, false);
  state.TotalScore = state.BaseScore + state.SessionScore[2];
  FinishSession(table, state.SessionScore[2], state.GameNumber);
  if (state.TourGame) {
    state.TourGame = false;
    table.services.ShowTournamentWindow();
  }
  state.NetRole = 0;
  state.DealArrived = false;
  state.TurnState = TurnIdle;
  return true;
}

void FinishSession(Table& table, int sessionScore, int gameNumber) {
  GameState& state = table.state;
  MatchServices& services = table.services;
  const bool cycleEnd = CycleComplete(gameNumber);
  services.HideTable();
  if (state.RatedGame) services.SettleRatedGame(state);
  if (!state.TourGame) services.ComputeRating(state);
  services.WriteHistory(state);
  services.ReportGameEnd(state);
  if (!cycleEnd && sessionScore != 0) table.view.PlaySound(sessionScore > 0 ? "WKoGood" : "WKoBads");
  if (!state.TourGame) services.UpdateClubFile(state);
  if (state.NetworkGame) table.peer.Close();
  if (cycleEnd && !state.RatedGame && !state.TourGame) {
    services.ShowEndOfGame(state);
    if (!state.NetworkGame) services.OfferWorldTopTen(state);
  }
  if (state.RatedGame) services.SubmitRatedResult(state);
  table.view.SetTableMenu(false, false);
  state.TableActive = false;
  services.ShowMainMenu();
}

bool AbandonGame(Table& table) {
  table.view.PlaySound("WOpenFo");
  const std::string question =
      std::string(MessageText(MsgLeaveToMainMenu)) + "\n" + std::string(MessageText(MsgAllDataWillBeLost));
  if (!table.services.Confirm(question)) return false;
  LeaveRunningGame(table);
  table.services.ShowMainMenu();
  return true;
}

void LeaveRunningGame(Table& table) {
  GameState& state = table.state;
  if (!state.TourGame) table.services.RemovePlayerRecord(state);
  if (state.RatedGame) table.services.LeaveRatedGame();
  table.services.HideTable();
  table.view.SetTableMenu(false, false);
  state.TableActive = false;
  table.peer.Close();
  if (state.TourGame) {
    state.ClockRunning = false;
    state.TourGame = false;
  }
  state.NetRole = 0;
  state.DealArrived = false;
  state.TurnState = TurnIdle;
}

}  // namespace fibwick

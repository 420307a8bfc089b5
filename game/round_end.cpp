#include "game/round_end.h"

#include "game/hand.h"

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

void Sound(TableEvents& events, const char* resource) { events.emplace_back(SoundPlayed{resource}); }

void ClearTable(GameState& state, TableEvents& events) {
  events.emplace_back(TableMenuSet{false, false});
  state.TableActive = false;
  state.NetRole = 0;
  state.DealArrived = false;
  state.TurnState = TurnIdle;
}

}  // namespace

bool NextGameOffered(const GameState& state) {
  return IsLocalGame(state) && !state.RatedGame && !CycleComplete(state.GameNumber);
}

void EnableEndOfGameButtons(const GameState& state, TableEvents& events) {
  const Phrase exitText = Phrase::Of(MsgExitToMenu);
  if (state.NetworkGame || state.TourGame) {
    events.emplace_back(ButtonSet{ActionButton::Put, exitText, true, true});
    events.emplace_back(TableMenuSet{false, true});
    return;
  }
  const bool nextGame = NextGameOffered(state);
  events.emplace_back(ButtonSet{ActionButton::Challenge, Phrase::Of(MsgNextGame), nextGame, true});
  events.emplace_back(ButtonSet{ActionButton::Put, exitText, true, true});
  if (!nextGame) events.emplace_back(TableMenuSet{false, true});
}

std::uint8_t CheckRoundEnd(GameState& state, TableEvents& events) {
  state.RoundResult = ResultOfHands(state);
  if (state.RoundResult == ResultRunning) return ResultRunning;
  state.RoundOver = true;
  state.TurnState = TurnConnectedOrOver;
  state.ClockRunning = false;

  events.emplace_back(ResultShown{Phrase::Of(ResultText(state.RoundResult))});
  if (state.RoundResult == ResultLocalLost) {
    Sound(events, "WKoBads");
    ++state.SessionLosses;
  } else if (state.RoundResult == ResultLocalWon) {
    Sound(events, "WKoGood");
    ++state.SessionWins;
  }
  events.emplace_back(SpeechShown{1, Phrase::Name(state.Seat1Name), SpeechColour::Yellow});
  events.emplace_back(SpeechShown{2, Phrase::Name(state.Seat2Name), SpeechColour::Yellow});
  if (state.NetworkGame) events.emplace_back(PeerClosed{});
  EnableEndOfGameButtons(state, events);
  Score(state);
  if (!state.TourGame) events.emplace_back(GameEnded{});
  RedrawHand(state, events, 1);
  RedrawHand(state, events, 2);
  return state.RoundResult;
}

bool ExitToMenu(GameState& state, MatchServices& services, TableEvents& events) {
  if (!state.RoundOver || !state.TableActive) return false;
  if (state.TourGame && state.TourSeat == 1) services.ReportTournamentResult(state);
  state.ClockRunning = false;
  events.emplace_back(ButtonSet{ActionButton::Pass, Phrase::Of(MsgPass), false, false});
  state.TotalScore = state.BaseScore + state.SessionScore[2];
  const bool tournament = state.TourGame;
  FinishSession(state, services, events);
  if (tournament) {
    state.TourGame = false;
    services.ShowTournamentWindow();
  }
  return true;
}

void FinishSession(GameState& state, MatchServices& services, TableEvents& events) {
  const int sessionScore = state.SessionScore[2];
  const bool cycleEnd = CycleComplete(state.GameNumber);
  services.HideTable();
  if (state.RatedGame) services.SettleRatedGame(state);
  if (!state.TourGame) services.ComputeRating(state);
  services.WriteHistory(state);
  services.ReportGameEnd(state);
  if (!cycleEnd && sessionScore != 0) Sound(events, sessionScore > 0 ? "WKoGood" : "WKoBads");
  if (!state.TourGame) services.UpdateClubFile(state);
  if (state.NetworkGame) events.emplace_back(PeerClosed{});
  if (cycleEnd && !state.RatedGame && !state.TourGame) {
    services.ShowEndOfGame(state);
    if (!state.NetworkGame) services.OfferWorldTopTen(state);
  }
  if (state.RatedGame) services.SubmitRatedResult(state);
  ClearTable(state, events);
  services.ShowMainMenu();
}

void LeaveRunningGame(GameState& state, MatchServices& services, TableEvents& events) {
  if (!state.TourGame) services.RemovePlayerRecord(state);
  if (state.RatedGame) services.LeaveRatedGame();
  services.HideTable();
  if (!IsLocalGame(state)) events.emplace_back(PeerClosed{});
  if (state.TourGame) {
    state.ClockRunning = false;
    state.TourGame = false;
  }
  ClearTable(state, events);
}

}  // namespace fibwick

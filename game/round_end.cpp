#include "game/round_end.h"

#include "base/fixed_field.h"
#include "game/hand.h"

namespace fibwick {
namespace {

constexpr int Points = 10;

bool CycleComplete(int gameNumber) {
  return gameNumber % GamesPerCycle == 0;
}

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
    case ResultLocalLost:
      return MsgYouHaveLost;
    case ResultLocalWon:
      return MsgYouHaveWon;
    default:
      return MsgDeadHeat;
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

void Sound(TableEvents& events, const char* resource) {
  events.emplace_back(SoundPlayed{resource});
}

void ClearTable(GameState& state, TableEvents& events) {
  events.emplace_back(TableMenuSet{false, false});
  state.TableActive = false;
  state.NetRole = LanRole::None;
  state.DealArrived = false;
  state.TurnState = Turn::Idle;
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
  state.TurnState = Turn::ConnectedOrOver;
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

SessionResult SessionResultOf(const GameState& state) {
  SessionResult result;
  result.playerName = std::string(TrimRight(state.PlayerName));
  result.playerSlot = state.PlayerSlot;
  result.firstGame = state.MatchFirstGame;
  result.lastGame = state.GameNumber;
  result.sessionScore = state.SessionScore[2];
  result.totalScore = state.TotalScore;
  result.startRating = state.PlayerRating;
  result.cycleEnd = CycleComplete(state.GameNumber);
  result.network = state.NetworkGame;
  result.networkHost = state.NetworkGame && state.NetRole == LanRole::Server;
  result.rated = state.RatedGame;
  result.tournament = state.TourGame;
  result.tournamentSeatOne = state.TourGame && state.TourSeat == 1;
  return result;
}

bool ExitToMenu(GameState& state, const SessionParts& parts, TableEvents& events) {
  if (!state.RoundOver || !state.TableActive) return false;
  state.ClockRunning = false;
  events.emplace_back(ButtonSet{ActionButton::Pass, Phrase::Of(MsgPass), false, false});
  state.TotalScore = state.BaseScore + state.SessionScore[2];
  const bool tournament = state.TourGame;
  if (tournament && state.TourSeat == 1)
    parts.online.ReportTournamentResult(SessionResultOf(state));
  FinishSession(state, parts, events);
  if (tournament) {
    state.TourGame = false;
    parts.windows.ShowTournamentWindow();
  }
  return true;
}

void FinishSession(GameState& state, const SessionParts& parts, TableEvents& events) {
  SessionResult result = SessionResultOf(state);
  parts.windows.HideTable();
  if (result.rated) parts.online.SettleRatedGame(result);
  if (!result.tournament) result.rating = parts.records.ComputeRating(result);
  parts.records.WriteHistory(result);
  parts.online.ReportGameEnd(result);
  if (!result.cycleEnd && result.sessionScore != 0) {
    Sound(events, result.sessionScore > 0 ? "WKoGood" : "WKoBads");
  }
  if (!result.tournament) result = parts.records.UpdateClubFile(std::move(result));
  if (result.network) events.emplace_back(PeerClosed{});
  if (result.cycleEnd && !result.rated && !result.tournament) {
    parts.windows.ShowEndOfGame(result);
    if (!result.network) parts.online.OfferWorldTopTen(result);
  }
  if (result.rated) parts.online.SubmitRatedResult(result);
  ClearTable(state, events);
  parts.windows.ShowMainMenu();
}

void LeaveRunningGame(GameState& state, const SessionParts& parts, TableEvents& events) {
  if (!state.TourGame) parts.records.RemovePlayerRecord(state.PlayerSlot, state.NetworkGame);
  if (state.RatedGame) parts.online.LeaveRatedGame();
  parts.windows.HideTable();
  if (!IsLocalGame(state)) events.emplace_back(PeerClosed{});
  if (state.TourGame) {
    state.ClockRunning = false;
    state.TourGame = false;
  }
  ClearTable(state, events);
}

}  // namespace fibwick

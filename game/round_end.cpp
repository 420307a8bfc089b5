#include "game/round_end.h"

#include "base/fixed_field.h"
#include "game/hand.h"
#include "game/seat_table.h"

namespace fibwick {
namespace {

constexpr int Points = 10;

bool CycleComplete(int gameNumber) {
  return gameNumber % GamesPerCycle == 0;
}

std::uint8_t ResultOfHands(const GameState& state) {
  return RoundResultOf(rules::ResultOfHands(TableOf(state)));
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
  const int sign = state.round.RoundResult == ResultLocalWon    ? 1
                   : state.round.RoundResult == ResultLocalLost ? -1
                                                                : 0;
  state.session.SessionScore[2] += sign * Points;
  state.session.SessionScore[1] -= sign * Points;
  state.session.TotalScore = state.session.BaseScore + state.session.SessionScore[2];
}

void Sound(TableEvents& events, const char* resource) {
  events.emplace_back(SoundPlayed{resource});
}

void ClearTable(GameState& state, TableEvents& events) {
  events.emplace_back(TableMenuSet{false, false});
  state.round.TableActive = false;
  state.network.NetRole = LanRole::None;
  state.network.DealArrived = false;
  state.round.TurnState = Turn::Idle;
}

}  // namespace

bool NextGameOffered(const GameState& state) {
  return IsLocalGame(state) && !state.session.RatedGame && !CycleComplete(state.session.GameNumber);
}

void EnableEndOfGameButtons(const GameState& state, TableEvents& events) {
  const Phrase exitText = Phrase::Of(MsgExitToMenu);
  if (state.network.NetworkGame || state.network.TourGame) {
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
  state.round.RoundResult = ResultOfHands(state);
  if (state.round.RoundResult == ResultRunning) return ResultRunning;
  state.round.RoundOver = true;
  state.round.TurnState = Turn::ConnectedOrOver;
  state.network.ClockRunning = false;

  events.emplace_back(ResultShown{Phrase::Of(ResultText(state.round.RoundResult))});
  if (state.round.RoundResult == ResultLocalLost) {
    Sound(events, "WKoBads");
    ++state.session.SessionLosses;
  } else if (state.round.RoundResult == ResultLocalWon) {
    Sound(events, "WKoGood");
    ++state.session.SessionWins;
  }
  events.emplace_back(SpeechShown{1, Phrase::Name(state.session.Seat1Name), SpeechColour::Yellow});
  events.emplace_back(SpeechShown{2, Phrase::Name(state.session.Seat2Name), SpeechColour::Yellow});
  if (state.network.NetworkGame) events.emplace_back(PeerClosed{});
  EnableEndOfGameButtons(state, events);
  Score(state);
  if (!state.network.TourGame) events.emplace_back(GameEnded{});
  RedrawHand(state, events, 1);
  RedrawHand(state, events, 2);
  return state.round.RoundResult;
}

SessionResult SessionResultOf(const GameState& state) {
  SessionResult result;
  result.playerName = std::string(TrimRight(state.session.PlayerName));
  result.playerSlot = state.session.PlayerSlot;
  result.firstGame = state.session.MatchFirstGame;
  result.lastGame = state.session.GameNumber;
  result.sessionScore = state.session.SessionScore[2];
  result.totalScore = state.session.TotalScore;
  result.startRating = state.session.PlayerRating;
  result.cycleEnd = CycleComplete(state.session.GameNumber);
  result.network = state.network.NetworkGame;
  result.networkHost = state.network.NetworkGame && state.network.NetRole == LanRole::Server;
  result.rated = state.session.RatedGame;
  result.tournament = state.network.TourGame;
  result.tournamentSeatOne = state.network.TourGame && state.network.TourSeat == 1;
  return result;
}

bool ExitToMenu(GameState& state, const SessionParts& parts, TableEvents& events) {
  if (!state.round.RoundOver || !state.round.TableActive) return false;
  state.network.ClockRunning = false;
  events.emplace_back(ButtonSet{ActionButton::Pass, Phrase::Of(MsgPass), false, false});
  state.session.TotalScore = state.session.BaseScore + state.session.SessionScore[2];
  const bool tournament = state.network.TourGame;
  if (tournament && state.network.TourSeat == 1)
    parts.online.ReportTournamentResult(SessionResultOf(state));
  FinishSession(state, parts, events);
  if (tournament) {
    state.network.TourGame = false;
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
  if (!state.network.TourGame)
    parts.records.RemovePlayerRecord(state.session.PlayerSlot, state.network.NetworkGame);
  if (state.session.RatedGame) parts.online.LeaveRatedGame();
  parts.windows.HideTable();
  if (!IsLocalGame(state)) events.emplace_back(PeerClosed{});
  if (state.network.TourGame) {
    state.network.ClockRunning = false;
    state.network.TourGame = false;
  }
  ClearTable(state, events);
}

}  // namespace fibwick

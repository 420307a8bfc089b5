#pragma once

#include <optional>
#include <string>

#include "game/game_state.h"

// The records, online services and windows a match calls on. The game core decides when;
// records/, online/ and the window decide how.
namespace fibwick {

struct PlayerRecord {
  std::string name;
  int games = 0;
  int score = 0;
  double rating = 0.0;
};

struct TournamentNames {
  std::string seat1;
  std::string seat2;
};

class MatchServices {
 public:
  virtual ~MatchServices() = default;

  // The standing values of a club member (1..5, from the network club file when `networkClub`),
  // the signed-in account (7) or the tournament client record (8); nullopt when there is none.
  virtual std::optional<PlayerRecord> LoadPlayerRecord(int slot, bool networkClub) = 0;
  // Who sits at the two seats of the tournament table.
  virtual TournamentNames ReadTournamentSeats() = 0;
  virtual void RefreshGeneralCount(const GameState& state) = 0;

  // The end of a session, called in this order by FinishSession.
  virtual void HideTable() = 0;
  virtual void SettleRatedGame(const GameState& state) = 0;
  virtual void ComputeRating(GameState& state) = 0;
  virtual void WriteHistory(const GameState& state) = 0;
  virtual void ReportGameEnd(const GameState& state) = 0;
  virtual void UpdateClubFile(const GameState& state) = 0;
  virtual void ShowEndOfGame(const GameState& state) = 0;
  virtual void OfferWorldTopTen(const GameState& state) = 0;
  virtual void SubmitRatedResult(const GameState& state) = 0;
  virtual void ShowMainMenu() = 0;

  // Tournament and abandoned sessions.
  virtual void ReportTournamentResult(const GameState& state) = 0;
  virtual void ShowTournamentWindow() = 0;
  virtual void RemovePlayerRecord(const GameState& state) = 0;
  virtual void LeaveRatedGame() = 0;
};

}  // namespace fibwick

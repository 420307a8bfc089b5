#pragma once

#include <optional>
#include <string>

#include "game/game_state.h"

// What a match asks of the world around the table: standing values when it starts, and three
// parts that carry out a session's end in order. The core decides when; records/, online/ and
// the window decide how.
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

// Where a new match takes its player's standing values.
class StandingSource {
 public:
  virtual ~StandingSource() = default;
  // A club member (1..5, from the network club file when `networkClub`), the signed-in account
  // (7) or the tournament client record (8); nothing when there is none.
  virtual std::optional<PlayerRecord> LoadPlayerRecord(int slot, bool networkClub) = 0;
  // Who sits at the two seats of the tournament table.
  virtual TournamentNames ReadTournamentSeats() = 0;
};

// A session as it ended, handed in turn to each part; the records add what they computed.
struct SessionResult {
  std::string playerName;  // Windows-1251, without trailing blanks
  int playerSlot = 0;
  int firstGame = 0;     // the first game of this session
  int lastGame = 0;      // the last game played
  int sessionScore = 0;  // points won in this session
  int totalScore = 0;
  double startRating = 0.0;
  bool cycleEnd = false;  // the last game closed a cycle of 20
  bool network = false;
  bool networkHost = false;  // this program served the LAN game
  bool rated = false;
  bool tournament = false;
  bool tournamentSeatOne = false;

  // Filled by the records, in order.
  double rating = 0.0;  // the player's rating after the session
  int topTenPlace = 0;  // the place the session earned in the top ten, 0 for none
  int topTenScore = 0;
};

SessionResult SessionResultOf(const GameState& state);

class SessionRecords {
 public:
  virtual ~SessionRecords() = default;
  virtual double ComputeRating(const SessionResult& result) = 0;
  virtual void WriteHistory(const SessionResult& result) = 0;
  // Writes the club record; returns the result with its top-ten place.
  virtual SessionResult UpdateClubFile(SessionResult result) = 0;
  // A running game left without a result.
  virtual void RemovePlayerRecord(int playerSlot, bool networkClub) = 0;
};

class SessionOnline {
 public:
  virtual ~SessionOnline() = default;
  virtual void SettleRatedGame(const SessionResult& result) = 0;
  virtual void OfferWorldTopTen(const SessionResult& result) = 0;
  virtual void SubmitRatedResult(const SessionResult& result) = 0;
  virtual void ReportTournamentResult(const SessionResult& result) = 0;
  virtual void LeaveRatedGame() = 0;
};

class SessionWindows {
 public:
  virtual ~SessionWindows() = default;
  virtual void HideTable() = 0;
  virtual void ShowEndOfGame(const SessionResult& result) = 0;
  virtual void ShowTournamentWindow() = 0;
  virtual void ShowMainMenu() = 0;
};

struct SessionParts {
  SessionRecords& records;
  SessionOnline& online;
  SessionWindows& windows;
};

}  // namespace fibwick

#pragma once

#include <bitset>
#include <cstdint>
#include <string>

#include "rules/cards.h"
#include "rules/move.h"
#include "rules/slots.h"

namespace fibwick {

enum class Seat : std::uint8_t { Opponent = 1, Local = 2 };
inline int SeatNumber(Seat seat) {
  return static_cast<int>(seat);
}
inline Seat OtherSeat(Seat seat) {
  return seat == Seat::Opponent ? Seat::Local : Seat::Opponent;
}

// What the table waits for: the values of TurnState.
enum class Turn : std::uint8_t {
  Idle = 0,
  Connecting = 1,
  ConnectedOrOver = 2,  // connected, or the game is over
  DealSent = 3,
  Local = 4,     // the local player (seat 2) is to act
  Opponent = 5,  // seat 1 is to act
};

// Which end of a LAN game this program holds: the values of NetRole.
enum class LanRole : std::uint8_t { None = 0, Server = 1, Client = 2 };

// RoundResult values.
inline constexpr std::uint8_t ResultRunning = 0;
inline constexpr std::uint8_t ResultLocalLost = 1;
inline constexpr std::uint8_t ResultLocalWon = 2;
inline constexpr std::uint8_t ResultDraw = 10;

// PlayerSlot: who is playing.
inline constexpr int SlotFirstMember = 1;
inline constexpr int SlotLastMember = 5;
inline constexpr int SlotNewPlayer = 6;
inline constexpr int SlotRatedOnline = 7;
inline constexpr int SlotTournament = 8;

inline constexpr int GamesPerCycle = 20;
inline constexpr int HandCapacity = 64;
inline constexpr int SeatStorage = 4;  // laid out for four seats; seats 3 and 4 stay empty
inline constexpr int MoveClockSeconds = 26;
inline constexpr int OpenCardsCode = 48217;

using Hand = Slots<CardCode, HandCapacity>;
using HandRanks = Slots<RankIndex, HandCapacity>;

// The cards on the table: the deck, the pile, and the put the last mover laid.
struct TableCards {
  std::uint8_t DeckSize = DeckCardCount;
  Slots<CardCode, DeckCardCount> DeckCards{};
  Slots<RankIndex, DeckCardCount> DeckRanks{};

  Slots<CardCode, DeckCardCount> PileCards{};
  Slots<RankIndex, DeckCardCount> PileRanks{};
  std::uint8_t PileCount = 0;
  std::uint8_t LastPutCount = 0;

  Slots<CardCode, MaxPutCards> PutCards{};
  Slots<RankIndex, MaxPutCards> PutRanks{};

  friend bool operator==(const TableCards&, const TableCards&) = default;
};

struct Hands {
  Slots<Hand, SeatStorage> SeatHand{};  // CardCode{} is EmptyCard
  Slots<HandRanks, SeatStorage> SeatHandRank{};
  Slots<std::uint8_t, SeatStorage> SeatCardCount{};
  std::bitset<256> SelectedCards;  // positions of the local hand

  friend bool operator==(const Hands&, const Hands&) = default;
};

// The claim standing on the pile and how the seats have answered it.
struct ClaimState {
  char ClaimRank = NoClaim;
  char LastAction = ActionPut;
  bool NewClaim = true;
  bool ClaimChosen = false;
  bool OpponentPassed = false;
  bool LocalPassed = false;
  bool LastClaimWasLie = false;

  friend bool operator==(const ClaimState&, const ClaimState&) = default;
};

// Whose move it is, whether the game still runs, and the computer's own counters.
struct RoundState {
  Turn TurnState = Turn::Idle;
  bool TableActive = false;
  bool RoundOver = false;
  std::uint8_t RoundResult = ResultRunning;
  std::uint8_t AiMoveCounter = 1;
  std::uint8_t AiClaimCount = 0;

  friend bool operator==(const RoundState&, const RoundState&) = default;
};

// The match: who plays, the scores so far, and the modes the menu chose before it started.
struct SessionState {
  std::int32_t GameNumber = 0;
  Slots<std::int32_t, 2> SessionScore{};
  std::int32_t BaseScore = 0;
  std::int32_t TotalScore = 0;
  std::uint8_t SessionWins = 0;
  std::uint8_t SessionLosses = 0;
  // The rating and game number the match started from, for the session's records.
  double PlayerRating = 0.0;
  std::int32_t MatchFirstGame = 0;

  std::string Seat1Name;
  std::string Seat2Name;
  int PlayerSlot = 0;
  std::string PlayerName;
  bool RatedGame = false;  // the signed-in account plays a rated game

  bool OpenCards = false;
  std::string OpenCardsBuffer;

  friend bool operator==(const SessionState&, const SessionState&) = default;
};

// The far side of a LAN or tournament game, and the tournament's move clock.
struct NetworkState {
  bool NetworkGame = false;
  LanRole NetRole = LanRole::None;
  bool TourGame = false;
  std::uint8_t TourSeat = 0;

  std::uint8_t ClockOwner = 0;
  int MoveClock = 0;
  bool ClockRunning = false;

  // A LAN client shows an empty table until the server's deal has arrived.
  bool DealArrived = false;

  friend bool operator==(const NetworkState&, const NetworkState&) = default;
};

// The whole state of a game: plain data, owned by the program and changed only by the rule
// functions of game/. Presentation reads it to draw; how it looks (flights, marks) is not here.
struct GameState {
  TableCards table;
  Hands hands;
  ClaimState claim;
  RoundState round;
  SessionState session;
  NetworkState network;

  friend bool operator==(const GameState&, const GameState&) = default;
};

bool IsLocalGame(const GameState& state);

// A seat's display name as the screen takes texts: UTF-8 (the names are kept as file bytes).
std::string SeatNameText(const GameState& state, int seat);
bool IsLanClientWaiting(const GameState& state);

// A readable dump of the table for test failures, bug reports and the verbose self-play.
std::string DescribeState(const GameState& state);

}  // namespace fibwick

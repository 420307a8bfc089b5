#pragma once

#include <bitset>
#include <cstdint>
#include <string>

#include "game/cards.h"
#include "game/slots.h"

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

// LastAction characters, as they travel in a move message.
inline constexpr char ActionChallenge = '1';
inline constexpr char ActionPut = '2';
inline constexpr char ActionPass = '3';

// PlayerSlot: who is playing.
inline constexpr int SlotFirstMember = 1;
inline constexpr int SlotLastMember = 5;
inline constexpr int SlotNewPlayer = 6;
inline constexpr int SlotRatedOnline = 7;
inline constexpr int SlotTournament = 8;

inline constexpr int GamesPerCycle = 20;
inline constexpr int HandCapacity = 64;
inline constexpr int SeatStorage = 4;  // laid out for four seats; seats 3 and 4 stay empty
inline constexpr int MaxPutCards = 4;
inline constexpr int MoveClockSeconds = 26;
inline constexpr int OpenCardsCode = 48217;

using Hand = Slots<CardCode, HandCapacity>;
using HandRanks = Slots<RankIndex, HandCapacity>;

// The whole state of the table: plain data, owned by the program and changed only by the rule
// functions of game/. Presentation reads it to draw.
struct GameState {
  std::uint8_t DeckSize = DeckCardCount;
  Slots<CardCode, DeckCardCount> DeckCards{};
  Slots<RankIndex, DeckCardCount> DeckRanks{};

  Slots<Hand, SeatStorage> SeatHand{};  // CardCode{} is EmptyCard
  Slots<HandRanks, SeatStorage> SeatHandRank{};
  Slots<std::uint8_t, SeatStorage> SeatCardCount{};

  Slots<CardCode, DeckCardCount> PileCards{};
  Slots<RankIndex, DeckCardCount> PileRanks{};
  std::uint8_t PileCount = 0;
  std::uint8_t LastPutCount = 0;

  Slots<CardCode, MaxPutCards> PutCards{};
  Slots<RankIndex, MaxPutCards> PutRanks{};
  std::bitset<256> SelectedCards;

  char ClaimRank = NoClaim;
  char LastAction = ActionPut;
  bool NewClaim = true;
  bool ClaimChosen = false;
  bool OpponentPassed = false;
  bool LocalPassed = false;
  bool LastClaimWasLie = false;
  bool RoundOver = false;
  std::uint8_t RoundResult = ResultRunning;
  Turn TurnState = Turn::Idle;
  bool TableActive = false;

  std::int32_t GameNumber = 0;
  Slots<std::int32_t, 2> SessionScore{};
  std::int32_t BaseScore = 0;
  std::int32_t TotalScore = 0;
  std::uint8_t SessionWins = 0;
  std::uint8_t SessionLosses = 0;
  // The rating and game number the match started from, for the session's records.
  double PlayerRating = 0.0;
  std::int32_t MatchFirstGame = 0;

  std::uint8_t AiMoveCounter = 1;
  std::uint8_t AiClaimCount = 0;

  std::string Seat1Name;
  std::string Seat2Name;

  // Modes set by the menu, the start dialog and the settings before a game starts.
  bool NetworkGame = false;
  LanRole NetRole = LanRole::None;
  bool TourGame = false;
  std::uint8_t TourSeat = 0;
  bool RatedGame = false;  // the signed-in account plays a rated game
  bool FlyCards = false;
  bool MarkLastCards = false;
  bool OpenCards = false;
  int PlayerSlot = 0;
  std::string PlayerName;

  // Tournament move clock.
  std::uint8_t ClockOwner = 0;
  int MoveClock = 0;
  bool ClockRunning = false;

  std::string OpenCardsBuffer;

  // A LAN client shows an empty table until the server's deal has arrived.
  bool DealArrived = false;

  friend bool operator==(const GameState&, const GameState&) = default;
};

bool IsLocalGame(const GameState& state);

// A seat's display name as the screen takes texts: UTF-8 (the names are kept as file bytes).
std::string SeatNameText(const GameState& state, int seat);
bool IsLanClientWaiting(const GameState& state);

// A readable dump of the table for test failures, bug reports and the verbose self-play.
std::string DescribeState(const GameState& state);

}  // namespace fibwick

#pragma once

// The messages of a network game, byte for byte. Every message is Windows-1251 text sent with
// one write and no terminator; positions below are 1-based as in the tables of the protocol.
//
//   HelloMessage    client -> server, 25: "nuv" | game id "22" | protocol "25" | "connect1" |
//                   first 10 characters of the player's name, blank-padded
//   WelcomeMessage  server -> client, 29: "connect2" | name in 20, blank-padded | "1"
//   DealMessage     server -> client, 73: "b" | client's 12 cards | server's 12 cards |
//                   12 rank digits of the client's cards | 12 of the server's
//   Relay deal      relay -> both, 73: "b" | 24 cards | 24 rank digits; 1..12 belong to
//                   tournament seat 1, 13..24 to seat 2
//   MoveMessage     15: four cards ("##" empty) | four rank digits | count | claim | action
//   ChatMessage     "s" | sender digit | at most 15 characters of text
//   RelayFrame      any text padded with '#' to 20, the sender's seat digit at position 20
// The order of fields never changes: peers of every version read them by position.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/cards.h"
#include "rules/deal.h"
#include "rules/slots.h"

namespace fibwick {

inline constexpr int GameId = 22;
inline constexpr std::string_view ProtocolNumber = "25";
inline constexpr std::size_t MoveMessageLength = 15;
inline constexpr std::size_t DealMessageLength = 73;
inline constexpr std::size_t RelayFrameLength = 20;
inline constexpr std::size_t ChatTextLimit = 15;
inline constexpr int DealtCards = rules::DealtCards;

struct MoveMessage {
  Slots<CardCode, 4> cards{};
  Slots<RankIndex, 4> ranks{};
  int count = 0;
  char claim = NoClaim;
  char action = '0';

  friend bool operator==(const MoveMessage&, const MoveMessage&) = default;
};

std::string BuildMoveMessage(const MoveMessage& move);

// Reads a move and refuses anything the table could not hold: a wrong length, an unknown action,
// a count above 4 or not matching the cards, a rank digit above 6, a card outside the deck, a
// claim that is no rank. A challenge or pass carries no cards.
std::optional<MoveMessage> ReadMoveMessage(std::string_view text);

std::string HelloMessage(std::string_view playerName);
// True for a hello of this game and protocol; the sender's name is returned.
std::optional<std::string> ReadHello(std::string_view text);

std::string WelcomeMessage(std::string_view playerName);
std::optional<std::string> ReadWelcome(std::string_view text);

// Twelve cards of each side with their ranks.
struct Deal {
  Slots<CardCode, DealtCards> firstCards{};
  Slots<RankIndex, DealtCards> firstRanks{};
  Slots<CardCode, DealtCards> secondCards{};
  Slots<RankIndex, DealtCards> secondRanks{};

  friend bool operator==(const Deal&, const Deal&) = default;
};

// LAN deal: the first twelve are the client's cards, the second twelve the server's.
std::string LanDealMessage(const Deal& deal);
// Relay deal: the first twelve belong to tournament seat 1, the second twelve to seat 2.
std::string RelayDealMessage(const Deal& deal);
// Both deal forms read alike; a deal with a card outside the deck, a card twice or a wrong rank
// digit is refused.
std::optional<Deal> ReadDeal(std::string_view text);

std::string ChatMessage(char senderDigit, std::string_view text);
struct PeerChat {
  char sender = '0';
  std::string text;
};
std::optional<PeerChat> ReadChat(std::string_view text);

std::string RelayFrame(std::string_view text, int tourSeat);
// Relay chat: "s" + text framed; the text ends at the first '#'.
std::optional<PeerChat> ReadRelayChat(std::string_view frame);
// A read from the relay: a deal whole, anything else longer than a frame as consecutive frames.
std::vector<std::string> SplitRelayData(std::string_view data);

}  // namespace fibwick

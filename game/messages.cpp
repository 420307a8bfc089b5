#include "game/messages.h"

#include <set>

#include "base/fixed_field.h"

namespace fibwick {
namespace {

char Digit(int value) {
  return static_cast<char>('0' + value);
}

std::optional<int> ReadDigit(char c, int highest) {
  if (c < '0' || c > Digit(highest)) return std::nullopt;
  return c - '0';
}

bool IsAction(char c) {
  return c == '1' || c == '2' || c == '3';
}

std::string TwoDigits(int value) {
  return {Digit(value / 10 % 10), Digit(value % 10)};
}

void AppendCards(std::string& out, const Slots<CardCode, DealtCards>& cards) {
  for (const CardCode& card : cards.items) out += card.Bytes();
}

void AppendRanks(std::string& out, const Slots<RankIndex, DealtCards>& ranks) {
  for (const RankIndex rank : ranks.items) out += Digit(rank);
}

std::string DealText(const Deal& deal) {
  std::string out = "b";
  AppendCards(out, deal.firstCards);
  AppendCards(out, deal.secondCards);
  AppendRanks(out, deal.firstRanks);
  AppendRanks(out, deal.secondRanks);
  return out;
}

}  // namespace

std::string BuildMoveMessage(const MoveMessage& move) {
  std::string out;
  for (const CardCode& card : move.cards.items) out += card.Bytes();
  for (const RankIndex rank : move.ranks.items) out += Digit(rank);
  out += Digit(move.count);
  out += move.claim;
  out += move.action;
  return out;
}

std::optional<MoveMessage> ReadMoveMessage(std::string_view text) {
  if (text.size() != MoveMessageLength) return std::nullopt;
  MoveMessage move;
  move.claim = text[13];
  move.action = text[14];
  if (!IsAction(move.action)) return std::nullopt;
  if (move.claim != NoClaim && RankOfChar(move.claim) == NoRank) return std::nullopt;
  const auto count = ReadDigit(text[12], 4);
  if (!count) return std::nullopt;
  move.count = *count;
  for (int i = 1; i <= 4; ++i) {
    move.cards[i] = CardFromBytes(text.substr(static_cast<std::size_t>(2 * (i - 1)), 2));
    const auto rank = ReadDigit(text[static_cast<std::size_t>(7 + i)], RankCount);
    if (!rank) return std::nullopt;
    move.ranks[i] = static_cast<RankIndex>(*rank);
    // The cards are packed from slot 1: the first `count` are real cards, the rest empty.
    const bool laid = i <= move.count;
    if (laid ? !IsDeckCard(move.cards[i]) || RankOfChar(move.cards[i].rank) != *rank
             : move.cards[i] != EmptyCard || *rank != NoRank) {
      return std::nullopt;
    }
  }
  const bool put = move.action == '2';
  if (put != (move.count > 0)) return std::nullopt;
  if (put && move.claim == NoClaim) return std::nullopt;
  return move;
}

std::string HelloMessage(std::string_view playerName) {
  return "nuv" + TwoDigits(GameId) + std::string(ProtocolNumber) + "connect1" +
         FitLeft(playerName, 10);
}

std::optional<std::string> ReadHello(std::string_view text) {
  if (Columns(text, 1, 3) != "nuv" || Columns(text, 4, 5) != TwoDigits(GameId) ||
      Columns(text, 6, 7) != ProtocolNumber || Columns(text, 8, 15) != "connect1") {
    return std::nullopt;
  }
  return std::string(text.substr(15));
}

std::string WelcomeMessage(std::string_view playerName) {
  return "connect2" + FitLeft(playerName, 20) + "1";
}

std::optional<std::string> ReadWelcome(std::string_view text) {
  if (Columns(text, 1, 8) != "connect2") return std::nullopt;
  if (text.size() < 9) return std::string();
  return std::string(text.substr(8, text.size() - 9));
}

std::string LanDealMessage(const Deal& deal) {
  return DealText(deal);
}

std::string RelayDealMessage(const Deal& deal) {
  return DealText(deal);
}

std::optional<Deal> ReadDeal(std::string_view text) {
  if (text.size() != DealMessageLength || text[0] != 'b') return std::nullopt;
  Deal deal;
  std::set<std::string> seen;
  for (int i = 1; i <= 2 * DealtCards; ++i) {
    const CardCode card = CardFromBytes(text.substr(static_cast<std::size_t>(2 * i - 1), 2));
    const auto rank = ReadDigit(text[static_cast<std::size_t>(48 + i)], RankCount);
    if (!IsDeckCard(card) || !rank || RankOfChar(card.rank) != *rank) return std::nullopt;
    if (!seen.insert(card.Bytes()).second) return std::nullopt;
    auto& cards = i <= DealtCards ? deal.firstCards : deal.secondCards;
    auto& ranks = i <= DealtCards ? deal.firstRanks : deal.secondRanks;
    const int slot = i <= DealtCards ? i : i - DealtCards;
    cards[slot] = card;
    ranks[slot] = static_cast<RankIndex>(*rank);
  }
  return deal;
}

std::string ChatMessage(char senderDigit, std::string_view text) {
  return std::string("s") + senderDigit + std::string(Cut(text, ChatTextLimit));
}

std::optional<PeerChat> ReadChat(std::string_view text) {
  if (text.size() < 2 || text[0] != 's') return std::nullopt;
  return PeerChat{text[1], std::string(text.substr(2))};
}

std::string RelayFrame(std::string_view text, int tourSeat) {
  std::string frame(text);
  if (frame.size() < RelayFrameLength) frame.resize(RelayFrameLength, '#');
  frame[RelayFrameLength - 1] = Digit(tourSeat);
  return frame;
}

std::optional<PeerChat> ReadRelayChat(std::string_view frame) {
  if (frame.size() < RelayFrameLength || frame[0] != 's') return std::nullopt;
  const std::string_view body = frame.substr(1, RelayFrameLength - 2);
  return PeerChat{frame[RelayFrameLength - 1], std::string(body.substr(0, body.find('#')))};
}

std::vector<std::string> SplitRelayData(std::string_view data) {
  if (data.size() <= RelayFrameLength || data[0] == 'b') return {std::string(data)};
  std::vector<std::string> frames;
  for (std::size_t at = 0; at < data.size(); at += RelayFrameLength) {
    frames.emplace_back(data.substr(at, RelayFrameLength));
  }
  return frames;
}

}  // namespace fibwick

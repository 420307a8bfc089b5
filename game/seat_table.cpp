#include "game/seat_table.h"

#include <iterator>

#include "game/turn.h"

namespace fibwick {
namespace {

constexpr Seat ClientSeats[] = {Seat::Opponent, Seat::Local};  // by rules::Index

int Number(rules::Seat seat) {
  return SeatNumber(ClientSeat(seat));
}

// RoundResult values by rules::Result: running, seat One won, seat Two won, a draw.
constexpr std::uint8_t RoundResults[] = {ResultRunning, ResultLocalLost, ResultLocalWon,
                                         ResultDraw};

rules::Result ResultOf(std::uint8_t roundResult) {
  for (std::size_t r = 0; r < std::size(RoundResults); ++r) {
    if (RoundResults[r] == roundResult) return static_cast<rules::Result>(r);
  }
  return rules::Result::Running;
}

}  // namespace

std::uint8_t RoundResultOf(rules::Result result) {
  return RoundResults[static_cast<std::size_t>(result)];
}

rules::Seat RulesSeat(Seat seat) {
  return seat == Seat::Opponent ? rules::Seat::One : rules::Seat::Two;
}

Seat ClientSeat(rules::Seat seat) {
  return ClientSeats[rules::Index(seat)];
}

rules::Table TableOf(const GameState& state) {
  rules::Table table;
  for (const rules::Seat seat : rules::BothSeats) {
    // A hand is held packed from position 1.
    const Hand& hand = state.hands.SeatHand[Number(seat)];
    for (int p = 1; p <= HandCapacity && hand[p] != EmptyCard; ++p) table.Hand(seat).Add(hand[p]);
  }
  for (int p = 1; p <= state.table.PileCount; ++p) table.pile.Add(state.table.PileCards[p]);
  table.lastPut = state.table.LastPutCount;
  table.claim = state.claim.ClaimRank;
  table.newClaim = state.claim.NewClaim;
  if (const auto seat = SeatToAct(state)) table.toAct = RulesSeat(*seat);
  table.passed = {state.claim.OpponentPassed, state.claim.LocalPassed};
  table.lastAction = static_cast<MoveKind>(state.claim.LastAction);
  table.lastClaimWasLie = state.claim.LastClaimWasLie;
  table.result = ResultOf(state.round.RoundResult);
  return table;
}

void StoreTable(GameState& state, const rules::Table& table) {
  for (const rules::Seat seat : rules::BothSeats) {
    const int number = Number(seat);
    Hand& cards = state.hands.SeatHand[number];
    HandRanks& ranks = state.hands.SeatHandRank[number];
    int position = 0;
    for (const CardCode card : table.Hand(seat)) {
      cards[++position] = card;
      ranks[position] = RankOfChar(card.rank);
    }
    state.hands.SeatCardCount[number] = static_cast<std::uint8_t>(position);
    for (++position; position <= HandCapacity && cards[position] != EmptyCard; ++position) {
      cards[position] = EmptyCard;
      ranks[position] = NoRank;
    }
  }
  state.table.PileCards.Fill(EmptyCard);
  state.table.PileRanks.Fill(NoRank);
  int place = 0;
  for (const CardCode card : table.pile) {
    state.table.PileCards[++place] = card;
    state.table.PileRanks[place] = RankOfChar(card.rank);
  }
  state.table.PileCount = static_cast<std::uint8_t>(place);
  state.table.LastPutCount = static_cast<std::uint8_t>(table.lastPut);
  state.claim.ClaimRank = table.claim;
  state.claim.NewClaim = table.newClaim;
  state.claim.OpponentPassed = table.Passed(rules::Seat::One);
  state.claim.LocalPassed = table.Passed(rules::Seat::Two);
  state.claim.LastAction = static_cast<char>(table.lastAction);
  state.claim.LastClaimWasLie = table.lastClaimWasLie;
  if (table.toAct) {
    state.round.TurnState = ClientSeat(*table.toAct) == Seat::Local ? Turn::Local : Turn::Opponent;
  }
}

rules::SeatView ViewOfSeat(const GameState& state, Seat seat) {
  return rules::ViewFor(TableOf(state), RulesSeat(seat));
}

}  // namespace fibwick

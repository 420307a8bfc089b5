#pragma once

#include <stdexcept>
#include <string_view>
#include <vector>

#include "rules/table.h"

// Tables written from one seat's side: "mine" is the seat under test, "theirs" the other, so one
// case runs for seat One and for seat Two alike.
namespace fibwick::rules::testing {

using Labels = std::vector<std::string_view>;

inline CardRow Row(const Labels& labels) {
  CardRow row;
  for (const std::string_view label : labels) {
    const CardCode card = CardOfLabel(label);
    if (card == EmptyCard) throw std::logic_error("no such card");
    row.Add(card);
  }
  return row;
}

inline char Claim(std::string_view rank) {
  return rank.empty() ? NoClaim : CardOfLabel(std::string(rank) + "h").rank;
}

enum class Who { Mine, Theirs, Nobody };
enum class Won { Nobody, Mine, Theirs, Both };

struct Side {
  Labels mine{};
  Labels theirs{};
  Labels pile{};
  int lastPut = 0;
  std::string_view claim{};
  bool newClaim = true;
  bool minePassed = false;
  bool theirsPassed = false;
  Who toAct = Who::Mine;
  Won won = Won::Nobody;
};

inline std::optional<Seat> SeatOf(Who who, Seat mine) {
  if (who == Who::Nobody) return std::nullopt;
  return who == Who::Mine ? mine : Other(mine);
}

inline Result ResultOf(Won won, Seat mine) {
  switch (won) {
    case Won::Mine:
      return mine == Seat::One ? Result::OneWon : Result::TwoWon;
    case Won::Theirs:
      return mine == Seat::One ? Result::TwoWon : Result::OneWon;
    case Won::Both:
      return Result::Draw;
    case Won::Nobody:
      break;
  }
  return Result::Running;
}

// The table seen from `mine`; the deck's other cards lie in the discard.
inline Table TableFrom(const Side& side, Seat mine) {
  Table table;
  table.Hand(mine) = Row(side.mine);
  table.Hand(Other(mine)) = Row(side.theirs);
  table.pile = Row(side.pile);
  for (RankIndex r = 1; r <= RankCount; ++r) {
    for (SuitIndex s = 0; s < SuitCount; ++s) {
      const CardCode card = MakeCard(r, s);
      if (!table.hands[0].Holds(card) && !table.hands[1].Holds(card) && !table.pile.Holds(card))
        table.discard.Add(card);
    }
  }
  table.lastPut = side.lastPut;
  table.claim = Claim(side.claim);
  table.newClaim = side.newClaim;
  table.passed[Index(mine)] = side.minePassed;
  table.passed[Index(Other(mine))] = side.theirsPassed;
  table.toAct = SeatOf(side.toAct, mine);
  table.result = ResultOf(side.won, mine);
  return table;
}

}  // namespace fibwick::rules::testing

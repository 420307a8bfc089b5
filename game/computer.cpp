#include "game/computer.h"

#include "game/hand.h"
#include "game/seat_table.h"
#include "game/turn.h"

namespace fibwick {
namespace {

constexpr int Positions = DeckCardCount;  // the computer looks at hand positions 1..24
constexpr int RankInDeck = 4;

// Everything the decision may look at.
struct View {
  int A, H, P, L, M, R, Q, K;
  bool HP, AP;
};

struct Work {
  const rules::CardRow& own;
  SortedHand sorted;
  ComputerDecision decision;
};

void PutTrue(Work& w) {
  for (int i = 1; i <= Positions; ++i) {
    if (w.sorted.ranks[i] == w.decision.claimRank) {
      w.decision.sel[i] = w.own.PositionOf(w.sorted.cards[i]);
    }
  }
}

// The first Q cards of the sorted hand, whatever their rank.
void PutBluff(Work& w) {
  for (int i = 1; i <= w.decision.claimCount && i <= Positions; ++i) {
    w.decision.sel[i] = w.own.PositionOf(w.sorted.cards[i]);
  }
}

int CountOfRank(const SortedHand& sorted, int rank) {
  return CountRankInHand(sorted.ranks, static_cast<RankIndex>(rank));
}

void Decide(Work& w, std::string_view row, ComputerAction action) {
  w.decision.row = row;
  w.decision.action = action;
}

void DecidePut(Work& w, std::string_view row, void (*how)(Work&)) {
  how(w);
  Decide(w, row, ComputerAction::Put);
}

void Lead(Work& w, UniformSource& random) {
  const int r = random.Draw(2);
  int last = 0;
  for (int j = 1; j <= Positions; ++j) {
    if (w.sorted.cards[j] != EmptyCard) last = j;
  }
  if (last == 0) {  // no cards: the game is over before the computer could lead
    Decide(w, "0.0", ComputerAction::Pass);
    return;
  }
  w.decision.claimRank = w.sorted.ranks[last];
  w.decision.claimCount = CountOfRank(w.sorted, w.decision.claimRank);
  DecidePut(w, "0.0", r == 0 ? PutTrue : PutBluff);
}

// The decision table for answering a claim; the first row whose condition holds decides.
void Answer(Work& w, const View& v, UniformSource& random) {
  using enum ComputerAction;
  const bool couldBeTrue = RankInDeck - v.Q >= v.H;
  if (!v.HP && RankInDeck - v.Q < v.L) return Decide(w, "0.2", Challenge);
  if (v.A == 0) {
    const std::string_view row = v.H == 0 ? (v.HP ? "1.1" : "1.2") : (v.HP ? "1.3" : "1.4");
    if (v.HP) return Decide(w, row, Pass);
    return Decide(w, row, random.Draw(2) == 0 ? Challenge : Pass);
  }
  if (v.H == 0) {
    if (v.K > 0 && v.HP) return DecidePut(w, "1.5", random.Draw(2) == 0 ? PutTrue : PutBluff);
    if (v.K > 0) {
      switch (random.Draw(3)) {
        case 0:
          return DecidePut(w, "1.6", PutTrue);
        case 1:
          return DecidePut(w, "1.6", PutBluff);
        default:
          return Decide(w, "1.6", Challenge);
      }
    }
    if (v.Q > 0 && v.HP) return DecidePut(w, "1.7", PutBluff);
    if (v.Q > 0) {
      int d = random.Draw(2);
      if (v.AP && d == 0) d = 1;
      if (d == 0) return DecidePut(w, "1.8", PutBluff);
      return Decide(w, "1.8", Challenge);
    }
    return Decide(w, v.HP ? "1.9" : "1.10", v.HP ? Pass : Challenge);
  }
  if (couldBeTrue && !v.HP) {
    if (v.K > 0) {
      switch (random.Draw(4)) {
        case 0:
          return DecidePut(w, "2.1", PutTrue);
        case 1:
          return DecidePut(w, "2.1", PutBluff);
        default:
          return Decide(w, "2.1", Challenge);
      }
    }
    if (v.Q > 0) {
      int d = random.Draw(4);
      if (v.AP && d == 0) d = 1;
      if (d == 0) return DecidePut(w, "2.2", PutBluff);
      return Decide(w, "2.2", d == 1 ? Pass : Challenge);
    }
    return Decide(w, "2.3", random.Draw(2) == 0 ? Pass : Challenge);
  }
  if (v.AP) return Decide(w, "3.3a", random.Draw(3) < 2 ? Pass : Challenge);
  if (v.Q > 0) {
    int d = random.Draw(5);
    if (v.HP && d == 4) d = 3;
    const bool holdsRank = v.K > 0;
    const std::string_view row = holdsRank ? "3.3b" : "3.4";
    if (d <= 2) {
      if (holdsRank) return DecidePut(w, row, PutTrue);
      return Decide(w, row, Pass);
    }
    if (d == 3) return DecidePut(w, row, PutBluff);
    return Decide(w, row, Challenge);
  }
  int d = random.Draw(4);
  if (v.HP && d == 3) d = 0;
  return Decide(w, "3.5", d <= 2 ? Pass : Challenge);
}

}  // namespace

SortedHand BuildSortedHand(const rules::CardRow& own) {
  Slots<int, RankCount> cnt{};
  for (const CardCode card : own) {
    const RankIndex rank = RankOfChar(card.rank);
    if (rank != NoRank) ++cnt[rank];
  }
  SortedHand sorted;
  int next = 0;
  for (int k = 1; k <= RankInDeck; ++k) {
    for (int r = 1; r <= RankCount; ++r) {
      if (cnt[r] != k) continue;
      for (const CardCode card : own) {
        if (RankOfChar(card.rank) != r) continue;
        ++next;
        sorted.cards[next] = card;
        sorted.ranks[next] = static_cast<RankIndex>(r);
      }
    }
  }
  return sorted;
}

ComputerDecision ComputerDecide(const rules::SeatView& view, const ComputerMemory& memory,
                                UniformSource& random) {
  Work w{view.own, BuildSortedHand(view.own), {}};
  w.decision.claimRank = RankOfChar(view.claim);
  w.decision.claimCount = memory.claimCount;
  if (view.pileCount == 0) {
    Lead(w, random);
    return w.decision;
  }
  if (memory.moveCounter == 2) {
    w.decision.claimCount = CountOfRank(w.sorted, w.decision.claimRank);
  }
  const View v{view.own.Count(),      view.otherCount,
               view.pileCount,        view.lastPut,
               memory.moveCounter,    w.decision.claimRank,
               w.decision.claimCount, CountOfRank(w.sorted, w.decision.claimRank),
               view.otherPassed,      view.ownPassed};
  Answer(w, v, random);
  return w.decision;
}

Move ComputerMove(const rules::SeatView& view, const ComputerDecision& decision) {
  static constexpr MoveKind Kinds[] = {MoveKind::Challenge, MoveKind::Put, MoveKind::Pass};
  Move move = Move::Without(Kinds[static_cast<int>(decision.action)],
                            RankChar(static_cast<RankIndex>(decision.claimRank)));
  if (move.kind != MoveKind::Put) return move;
  for (const int position : decision.sel.items) {
    if (position == 0 || move.count == MaxPutCards) continue;
    move.cards[++move.count] = view.own[position];
  }
  return move;
}

std::optional<Outcome> StandInTick(GameState& state, UniformSource& random, CardFlights flights) {
  if (SeatToAct(state) != Seat::Local) return std::nullopt;
  const rules::SeatView view = ViewOfSeat(state, Seat::Local);
  const ComputerMemory memory{view.pileCount == 0 ? 1 : state.round.AiMoveCounter,
                              state.round.AiClaimCount};
  return Play(state, Seat::Local, ComputerMove(view, ComputerDecide(view, memory, random)),
              flights);
}

std::optional<Outcome> ComputerTick(GameState& state, UniformSource& random, CardFlights flights) {
  if (!IsLocalGame(state) || SeatToAct(state) != Seat::Opponent) return std::nullopt;
  if (state.table.PileCount == 0) state.round.AiMoveCounter = 1;
  const rules::SeatView view = ViewOfSeat(state, Seat::Opponent);
  const ComputerDecision decision =
      ComputerDecide(view, {state.round.AiMoveCounter, state.round.AiClaimCount}, random);
  state.round.AiClaimCount = static_cast<std::uint8_t>(decision.claimCount);
  return Play(state, Seat::Opponent, ComputerMove(view, decision), flights);
}

}  // namespace fibwick

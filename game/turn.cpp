#include "game/turn.h"

#include "game/hand.h"
#include "game/move_clock.h"
#include "game/seat_table.h"

namespace fibwick {
namespace {

constexpr int LocalSeat = 2;

int SelectedCount(const GameState& state) {
  return static_cast<int>(state.hands.SelectedCards.count());
}

void FillMoveBuffer(GameState& state, const Move& move) {
  state.table.PutCards.Fill(EmptyCard);
  state.table.PutRanks.Fill(NoRank);
  for (int k = 1; k <= move.count; ++k) {
    state.table.PutCards[k] = move.cards[k];
    state.table.PutRanks[k] = RankOfChar(move.cards[k].rank);
  }
}

}  // namespace

std::optional<Seat> SeatToAct(const GameState& state) {
  if (!state.round.TableActive || state.round.RoundOver) return std::nullopt;
  if (state.round.TurnState == Turn::Local) return Seat::Local;
  if (state.round.TurnState == Turn::Opponent) return Seat::Opponent;
  return std::nullopt;
}

Refusal CheckMove(const GameState& state, Seat mover, const Move& move) {
  return rules::Check(TableOf(state), RulesSeat(mover), move);
}

Outcome Play(GameState& state, Seat seat, const Move& move, CardFlights flights) {
  Outcome outcome;
  const rules::Table before = TableOf(state);
  rules::Table after = before;
  const rules::Happening happened = rules::Apply(after, RulesSeat(seat), move);
  outcome.refusal = happened.refusal;
  if (!outcome.Played()) return outcome;
  StoreTable(state, after);
  outcome.events.reserve(32);
  ScriptMove(state, {before, after, happened, move}, flights, outcome.events);
  state.hands.SelectedCards.reset();
  FillMoveBuffer(state, Move{});
  PassMoveClockToTurn(state, outcome.events);
  return outcome;
}

bool CanChooseCard(const GameState& state, int position) {
  if (SeatToAct(state) != Seat::Local) return false;
  if (position < 1 || position > state.hands.SeatCardCount[LocalSeat]) return false;
  return state.hands.SelectedCards.test(static_cast<std::size_t>(position)) ||
         SelectedCount(state) < MaxPutCards;
}

TableEvents ToggleCardSelection(GameState& state, int position) {
  TableEvents events;
  if (!CanChooseCard(state, position)) return events;
  state.hands.SelectedCards.flip(static_cast<std::size_t>(position));
  RedrawHand(state, events, LocalSeat);
  events.emplace_back(ButtonEnabled{ActionButton::Put, SelectedCount(state) > 0});
  const Move put = SelectedPut(state, state.claim.ClaimRank);
  FillMoveBuffer(state, put);
  return events;
}

Move SelectedPut(const GameState& state, char claim) {
  Move move = Move::Without(MoveKind::Put, claim);
  for (int position = 1; position <= HandCapacity && move.count < MaxPutCards; ++position) {
    if (state.hands.SelectedCards.test(static_cast<std::size_t>(position))) {
      move.cards[++move.count] = state.hands.SeatHand[LocalSeat][position];
    }
  }
  return move;
}

bool CanPut(const GameState& state) {
  return SeatToAct(state) == Seat::Local && SelectedCount(state) > 0;
}

bool CanChallenge(const GameState& state) {
  return CheckMove(state, Seat::Local, Move::Challenge(state.claim.ClaimRank)) == Refusal::None;
}

bool CanPass(const GameState& state) {
  return CheckMove(state, Seat::Local, Move::Pass(state.claim.ClaimRank)) == Refusal::None;
}

Turn NextTurnAfterSend(const GameState& state) {
  if (state.claim.LastAction == ActionChallenge) {
    return state.claim.LastClaimWasLie ? Turn::Local : Turn::Opponent;
  }
  return Turn::Opponent;
}

}  // namespace fibwick

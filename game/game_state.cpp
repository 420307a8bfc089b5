#include "game/game_state.h"

#include <sstream>

#include "base/cp1251.h"

namespace fibwick {

bool IsLocalGame(const GameState& state) {
  return !state.network.NetworkGame && !state.network.TourGame;
}

bool IsLanClientWaiting(const GameState& state) {
  return state.network.NetworkGame && state.network.NetRole == LanRole::Client &&
         !state.network.DealArrived;
}

std::string SeatNameText(const GameState& state, int seat) {
  return Cp1251ToUtf8(seat == 1 ? state.session.Seat1Name : state.session.Seat2Name);
}

namespace {

template <class Cards>
void ListCards(std::ostringstream& out, const Cards& cards, int count) {
  for (int i = 1; i <= count; ++i) out << ' ' << CardLabel(cards[i]);
}

// The rank part of a card label, e.g. "K" or "10".
std::string ClaimLabel(char claim) {
  if (claim == NoClaim) return "none";
  const std::string label = CardLabel({claim, SuitChar(0)});
  return label.substr(0, label.size() - 1);
}

}  // namespace

std::string DescribeState(const GameState& state) {
  std::ostringstream out;
  out << "Game " << state.session.GameNumber << ", turn state "
      << static_cast<int>(state.round.TurnState) << ", claim " << ClaimLabel(state.claim.ClaimRank)
      << (state.claim.NewClaim ? " (new claim next)" : "") << '\n';
  out << "  " << state.session.Seat1Name << " (" << int{state.hands.SeatCardCount[1]} << "):";
  ListCards(out, state.hands.SeatHand[1], state.hands.SeatCardCount[1]);
  out << "\n  " << state.session.Seat2Name << " (" << int{state.hands.SeatCardCount[2]} << "):";
  ListCards(out, state.hands.SeatHand[2], state.hands.SeatCardCount[2]);
  out << "\n  Pile (" << int{state.table.PileCount} << ", last put "
      << int{state.table.LastPutCount} << "):";
  ListCards(out, state.table.PileCards, state.table.PileCount);
  out << "\n  Passed: opponent " << state.claim.OpponentPassed << ", local "
      << state.claim.LocalPassed << "; score " << state.session.SessionScore[1] << " : "
      << state.session.SessionScore[2] << '\n';
  return out.str();
}

}  // namespace fibwick

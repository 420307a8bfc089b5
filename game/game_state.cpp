#include "game/game_state.h"

#include <sstream>

#include "base/cp1251.h"

namespace fibwick {

bool IsLocalGame(const GameState& state) {
  return !state.NetworkGame && !state.TourGame;
}

bool IsLanClientWaiting(const GameState& state) {
  return state.NetworkGame && state.NetRole == LanRole::Client && !state.DealArrived;
}

std::string SeatNameText(const GameState& state, int seat) {
  return Cp1251ToUtf8(seat == 1 ? state.Seat1Name : state.Seat2Name);
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
  out << "Game " << state.GameNumber << ", turn state " << static_cast<int>(state.TurnState)
      << ", claim " << ClaimLabel(state.ClaimRank) << (state.NewClaim ? " (new claim next)" : "")
      << '\n';
  out << "  " << state.Seat1Name << " (" << int{state.SeatCardCount[1]} << "):";
  ListCards(out, state.SeatHand[1], state.SeatCardCount[1]);
  out << "\n  " << state.Seat2Name << " (" << int{state.SeatCardCount[2]} << "):";
  ListCards(out, state.SeatHand[2], state.SeatCardCount[2]);
  out << "\n  Pile (" << int{state.PileCount} << ", last put " << int{state.LastPutCount} << "):";
  ListCards(out, state.PileCards, state.PileCount);
  out << "\n  Passed: opponent " << state.OpponentPassed << ", local " << state.LocalPassed
      << "; score " << state.SessionScore[1] << " : " << state.SessionScore[2] << '\n';
  return out.str();
}

}  // namespace fibwick

#include "game/match_setup.h"

#include "base/fixed_field.h"

namespace fibwick {

void SetUpMatch(GameState& state, LanRole role, int playerSlot, const std::string& playerName) {
  state.network.NetworkGame = role != LanRole::None;
  state.network.TourGame = false;
  state.session.RatedGame = false;
  state.network.NetRole = role;
  state.session.PlayerSlot = playerSlot;
  state.session.PlayerName = playerName;
}

void RenamePlayer(GameState& state, int playerSlot, const std::string& playerName) {
  state.session.PlayerSlot = playerSlot;
  state.session.PlayerName = playerName;
  state.session.Seat2Name = std::string(TrimRight(playerName));
}

void AbandonLanWait(GameState& state) {
  state.round.TurnState = Turn::Idle;
}

void AwaitAnotherClient(GameState& state) {
  state.round.TurnState = Turn::Connecting;
}

}  // namespace fibwick

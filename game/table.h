#pragma once

#include "game/game_state.h"
#include "game/match_services.h"
#include "game/table_view.h"
#include "game/uniform_source.h"

namespace fibwick {

// Everything a rule needs: the state it changes and the parts it calls on.
struct Table {
  GameState& state;
  TableView& view;
  PeerLink& peer;
  MatchServices& services;
  UniformSource& random;
};

}  // namespace fibwick

#include "game/buttons.h"

#include "game/round_end.h"
#include "game/start_game.h"
#include "game/turn.h"

namespace fibwick {

bool ChallengeButtonClick(Table& table) {
  const GameState& state = table.state;
  if (!state.RoundOver) return LocalChallenge(table);
  const bool nextGameOffered =
      IsLocalGame(state) && !state.RatedGame && state.GameNumber % GamesPerCycle != 0;
  if (!nextGameOffered) return false;
  StartGame(table, true);
  return true;
}

bool PutButtonClick(Table& table) {
  return table.state.RoundOver ? ExitToMenu(table) : LocalPut(table);
}

bool PassButtonClick(Table& table) { return LocalPass(table); }

}  // namespace fibwick

#pragma once

#include <string>

#include "game/game_state.h"

// The figures of the general-count dialog, refreshed at the end of every game.
namespace fibwick {

struct TCount {
  std::string Count_KonAll;  // the player's game number
  std::string Count_KonCur;  // number of the game within the current cycle
  std::string Count_ScoBeg;  // score at the start of the session
  std::string Count_ScoCur;  // points of the session
  std::string Count_ScoAll;  // total score
  std::string Count_ReiBeg;  // rating at the start of the session
  std::string Count_ReiCur;  // current rating
};

struct CountInputs {
  int gameNumber = 0;
  int gamesPerCycle = GamesPerCycle;
  int baseScore = 0;
  int sessionScore = 0;
  double startRating = 0.0;
  double currentRating = 0.0;
};

TCount MakeCount(const CountInputs& in);

}  // namespace fibwick

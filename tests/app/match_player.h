#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "app/app_support.h"
#include "game/game_state.h"

// A player who answers at random among the enabled buttons, through whole matches.
namespace fibwick::testing {

inline void PlayLocalTurn(MainWindow& form, std::mt19937& random) {
  const GameState& s = form.Game();
  auto* challenge = ButtonNamed(form, "Button7");
  auto* put = ButtonNamed(form, "Button8");
  auto* pass = ButtonNamed(form, "Button12");
  const int choice = static_cast<int>(random() % 3);
  if (choice == 0 && challenge->isEnabled()) return challenge->click();
  if (choice == 1 && pass->isEnabled()) return pass->click();
  if (s.hands.SeatCardCount[2] == 0) {
    if (pass->isEnabled()) return pass->click();
    return challenge->click();
  }
  ClickCard(form, 1 + static_cast<int>(random() % s.hands.SeatCardCount[2]));
  ASSERT_TRUE(put->isEnabled());
  put->click();
}

// Plays the local seat until the game ends or the table is left; false when the table stopped
// moving.
inline bool PlayGame(MainWindow& form, std::mt19937& random) {
  for (;;) {
    const bool moved = WaitFor([&] {
      const GameState& s = form.Game();
      return ((s.round.RoundOver || s.round.TurnState == Turn::Local) && form.TableQuiet()) ||
             form.CurrentScreen() != Screen::Table;
    });
    if (!moved) {
      ADD_FAILURE() << "the table stopped moving: " << DescribeState(form.Game());
      return false;
    }
    if (form.CurrentScreen() != Screen::Table || form.Game().round.RoundOver) return true;
    PlayLocalTurn(form, random);
    if (::testing::Test::HasFatalFailure()) return false;
    Wait(1);
  }
}

// Plays from the table until the window is back on the menu and returns how many games ended
// (-1 when the table stopped moving). `gameOver` sees each ended game before the player leaves it.
inline int PlayMatch(MainWindow& form, std::mt19937& random,
                     const std::function<void(int game)>& gameOver = {}) {
  int gamesFinished = 0;
  while (form.CurrentScreen() == Screen::Table) {
    if (!PlayGame(form, random)) return -1;
    if (form.CurrentScreen() != Screen::Table) break;
    ++gamesFinished;
    if (gameOver) gameOver(gamesFinished);
    const bool cycleEnd = form.Game().session.GameNumber % GamesPerCycle == 0;
    ButtonNamed(form, cycleEnd ? "Button8" : "Button7")->click();  // "Exit to menu" or "Next game"
  }
  return gamesFinished;
}

}  // namespace fibwick::testing

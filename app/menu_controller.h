#pragma once

#include <functional>
#include <string>

#include "app/window_host.h"

namespace fibwick {

class ClubSession;
class CuePlayer;
class MenuScreen;
struct GameState;
struct LanSetup;
struct Settings;

// Where the menu hands a confirmed start dialog on.
struct MenuRoutes {
  // A match against the computer for a club line (1..5) or a new player (6).
  std::function<void(int slot, const std::string& playerName, const std::string& passwordDigits)>
      localMatch;
  // The start dialog's network set-up: the wait for a partner; true once the game may begin.
  std::function<bool(int slot, const LanSetup& setup)> lanWait;
  // The start dialog of a network game closed with "Ok".
  std::function<void()> lanConfirmed;
};

// The main menu's buttons: the club lines and the new player open the start dialog, the others
// their windows, the list mode and the caption tint change the menu itself.
class MenuController {
 public:
  MenuController(WindowHost& host, Settings& settings, CuePlayer& sounds, ClubSession& session,
                 MenuScreen& menu, const GameState& state, MenuRoutes routes);

  void ClubButtonClick(int line);
  void NewPlayerClick();
  void OptionsClick();
  void TopTenClick();
  void HistoryClick();
  void ModeClick();
  void CaptionClick();

 private:
  void OpenStartDialog(int slot);

  WindowHost& host_;
  Settings& settings_;
  CuePlayer& sounds_;
  ClubSession& session_;
  MenuScreen& menu_;
  const GameState& state_;
  MenuRoutes routes_;
  int historySelection_ = 0;
};

}  // namespace fibwick

#pragma once

#include <string>

#include "app/table_player.h"
#include "app/window_host.h"
#include "game/buttons.h"
#include "game/game_state.h"
#include "game/lan_game.h"
#include "game/match_parts.h"
#include "game/turn.h"
#include "rules/uniform_source.h"

namespace fibwick {

class ClubSession;
class CuePlayer;
class Salute;
class ServiceSession;
class OnlineController;
class TableScreen;
class WindowRecording;
struct Settings;

// What a match at the table works with besides the window.
struct MatchKit {
  Settings& settings;
  CuePlayer& sounds;
  Salute& salute;
  ClubSession& session;
  ServiceSession& online;
  OnlineController& service;
  TableScreen& table;
  WindowRecording& recording;
  SessionWindows& windows;
};

// How the match is paced, from the window's pacing.
struct MatchPace {
  int computerTickMs = 200;
  // The computer plays the local seat and leaves each ended game for the menu.
  bool standIn = false;
};

// A match at the table, local or over the LAN: the game's state, the player of its events, the
// player's clicks on the table and its popup menu, the computer's seat, and leaving the table.
class MatchController {
 public:
  MatchController(WindowHost& host, MatchKit kit, MatchPace pace);

  const GameState& Game() const { return state_; }
  GameState& State() { return state_; }
  TablePlayer& Player() { return player_; }
  // Every event of the table has been shown and no input waits.
  bool Idle() const { return player_.Idle(); }
  CardFlights Flights() const;

  // Starts a match for a club line (1..5) or a new player (6).
  void StartMatch(int slot, const std::string& playerName, const std::string& passwordDigits);
  // A new game at the table, local or over the LAN: whatever still moves is stopped first.
  void DealNewGame();
  // A message of the LAN peer, read against the game.
  PeerArrival Receive(const std::string& message);

  // The window's timer at the table: the computer's seat, or the stand-in's.
  void Tick();
  void ActionClicked(ActionButton button);
  void TableButtonClick(TableCommand command);
  void CardClick(int position);
  // The table's last event of a game has been shown.
  void GameEnded();
  // Typing the open-cards code: the focus of the send button restarts it, a key adds to it.
  void OpenCardsFocusChanged();
  void OpenCardsKey(char key);

  // The popup menu at the table.
  void GeneralScoreClick();
  void ChangeNameClick();
  void AbandonClick();
  // A finished game is kept as "Exit to menu" keeps it; a running one is lost, and only when the
  // player agrees. False when the player wants to stay.
  bool LeaveTableForClosing();
  // What the table still shows or moves is dropped: the game ends without it.
  void DropTable();

 private:
  SessionParts Session();
  void LeaveTable();
  // The stand-in's end of a game: a picture of the table for whoever watches, then the menu.
  void StandInGameOver();

  WindowHost& host_;
  MatchKit kit_;
  MatchPace pace_;
  GameState state_;
  TablePlayer player_;
  ClockSeededSource random_;
  bool standInLeaving_ = false;
};

}  // namespace fibwick

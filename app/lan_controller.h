#pragma once

#include <QElapsedTimer>
#include <string>

#include "app/lan_link.h"
#include "app/match_controller.h"
#include "app/window_host.h"
#include "base/message_ids.h"

namespace fibwick {

class ClubSession;
class CuePlayer;
class WaitDialog;
class TableScreen;
struct LanSetup;
struct PeerChat;
struct Settings;

// What a LAN game works with besides the window.
struct LanKit {
  MatchController& match;
  TableScreen& table;
  CuePlayer& sounds;
  Settings& settings;
  ClubSession& session;
};

// The LAN game: the wait for a partner, the messages of the peer, the chat line and the peer
// going away. The match itself is the match controller's.
class LanController {
 public:
  // With `standIn` a server starts the game as soon as its client has said hello.
  LanController(WindowHost& host, LanKit kit, LanLimits limits, bool standIn);

  // The far side of a network game.
  PeerLink& Peer() { return lan_; }
  quint16 Port() const { return lan_.Port(); }

  // A LAN game as the start dialog sets it up, without the wait window: listens (server; port
  // 0 takes a free one) or connects (client). False when the port cannot be taken.
  bool BeginLan(LanRole role, int slot, const std::string& playerName,
                const std::string& passwordDigits, const std::string& address, quint16 port);
  // The wait window while the partner is awaited; true once the game may begin.
  bool WaitForPartner(int slot, const LanSetup& setup);
  // The server's player presses "Ok" once the client has said hello: the match starts. False
  // when there is no client to play with.
  bool ConfirmLan();
  // The start dialog of a network game closed with "Ok": a server's match begins, or its wait
  // is given up when no client is there.
  void StartConfirmed();
  void SendChat();

 private:
  void Connected();
  void Received(const std::string& message);
  void Gone(PeerEnd end);
  void Failed();
  // The game cannot go on: the peer left (MsgHasInterruptedGame) or broke the rules.
  void EndGame(Message why);
  void ShowPeerChat(const PeerChat& chat);

  WindowHost& host_;
  LanKit kit_;
  bool standIn_;
  LanLink lan_;
  WaitDialog* wait_ = nullptr;  // shown while a LAN partner is awaited
  QElapsedTimer chatWindow_;
  int chatLinesInWindow_ = 0;
};

}  // namespace fibwick

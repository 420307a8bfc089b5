#pragma once

#include <string>
#include <string_view>

#include "game/match_parts.h"
#include "game/messages.h"
#include "game/table_events.h"
#include "game/turn.h"
#include "rules/uniform_source.h"

// A LAN game as the table sees it: setting a side up, what each message of the peer does in
// each state, and the peer going away. The peer is not trusted: its moves go through the same
// referee as the local player's. What comes at the wrong time is ignored, as the protocol
// wants; a move or a deal that would break the game ends it.
namespace fibwick {

// A side starts waiting for its partner: the server for a hello, the client for the welcome.
void BeginLanGame(GameState& state, LanRole role, int playerSlot, const std::string& playerName);

struct PeerArrival {
  enum class Kind {
    Ignored,     // not taken in this state, as the protocol wants
    Hello,       // server: the client introduced itself; `reply` is the welcome to send
    Welcome,     // client: the server took us; the match starts and waits for the deal
    Deal,        // client: the deal arrived and the game started
    Move,        // the peer moved
    Chat,        // a chat line, taken in every state
    BrokeRules,  // a move in its turn that cannot be read or is against the rules, or a broken
                 // deal: the game cannot go on honestly
  };
  Kind kind = Kind::Ignored;
  TableEvents events;  // Deal and Move
  std::string reply;   // Hello
  PeerChat chat;       // Chat: the sender digit '1'..'4' and at most 15 characters
  Refusal refusal = Refusal::None;
};

struct PeerContext {
  UniformSource& random;
  StandingSource& standing;
  CardFlights flights = CardFlights::Off;
};

PeerArrival ReceiveFromPeer(GameState& state, std::string_view message, const PeerContext& context);

// The chat line this side sends for a typed text; empty when there is nothing to send.
std::string LanChatLine(const GameState& state, std::string_view text);
// The sender digit of this side's own lines: '1' on the server, '2' on the client.
char LanChatDigit(const GameState& state);

// The connection dropped, or was cut because the peer broke the rules. True when it interrupted a
// game on the table (running, or a client still waiting for its deal): the player must be told,
// nothing of the game is kept and the table is left. A game already over stays on the table as it
// ended.
bool PeerWentAway(GameState& state);

}  // namespace fibwick

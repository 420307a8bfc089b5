#include "game/lan_game.h"

#include "base/fixed_field.h"
#include "game/lan_framing.h"
#include "game/match_setup.h"
#include "game/start_game.h"

namespace fibwick {
namespace {

using Kind = PeerArrival::Kind;

PeerArrival Arrival(Kind kind) {
  PeerArrival arrival;
  arrival.kind = kind;
  return arrival;
}

bool GameRunning(const GameState& state) {
  return state.round.TableActive && !state.round.RoundOver;
}

PeerArrival ReceiveChat(std::string_view message) {
  auto chat = ReadChat(message);
  if (!chat || chat->sender < '1' || chat->sender > '4') return Arrival(Kind::Ignored);
  chat->text = std::string(Cut(chat->text, ChatTextLimit));
  PeerArrival arrival = Arrival(Kind::Chat);
  arrival.chat = std::move(*chat);
  return arrival;
}

PeerArrival ReceiveHello(GameState& state, std::string_view message) {
  // A stranger's first words get no answer; the right hello may still follow on this line.
  const auto name = ReadHello(message);
  if (!name) return Arrival(Kind::Ignored);
  state.round.TurnState = Turn::ConnectedOrOver;
  state.session.Seat1Name = std::string(TrimRight(*name));
  state.session.Seat2Name = std::string(TrimRight(state.session.PlayerName));
  PeerArrival arrival = Arrival(Kind::Hello);
  arrival.reply = WelcomeMessage(state.session.PlayerName);
  return arrival;
}

PeerArrival ReceiveWelcome(GameState& state, std::string_view message) {
  const auto name = ReadWelcome(message);
  if (!name) return Arrival(Kind::Ignored);
  state.round.TurnState = Turn::ConnectedOrOver;
  state.session.Seat1Name = std::string(TrimRight(*name));
  state.session.Seat2Name = std::string(TrimRight(state.session.PlayerName));
  return Arrival(Kind::Welcome);
}

PeerArrival ReceiveDeal(GameState& state, std::string_view message, const PeerContext& context) {
  auto events = ReceiveLanDeal(state, context.random, context.standing, message);
  if (!events) return Arrival(Kind::BrokeRules);
  PeerArrival arrival = Arrival(Kind::Deal);
  arrival.events = std::move(*events);
  return arrival;
}

PeerArrival ReceiveMove(GameState& state, std::string_view message, const PeerContext& context) {
  const auto read = ReadMoveMessage(message);
  // The peer says it moved; a move that cannot be read or applied leaves no game to go on with.
  if (!read) return Arrival(Kind::BrokeRules);
  Outcome outcome = Play(state, Seat::Opponent, MoveOfMessage(*read), context.flights);
  PeerArrival arrival = Arrival(outcome.Played() ? Kind::Move : Kind::BrokeRules);
  arrival.refusal = outcome.refusal;
  arrival.events = std::move(outcome.events);
  return arrival;
}

}  // namespace

void BeginLanGame(GameState& state, LanRole role, int playerSlot, const std::string& playerName) {
  SetUpMatch(state, role, playerSlot, playerName);
  state.network.DealArrived = false;
  state.round.TurnState = Turn::Connecting;
  state.round.TableActive = false;
  state.round.RoundOver = false;
}

PeerArrival ReceiveFromPeer(GameState& state, std::string_view message,
                            const PeerContext& context) {
  if (message.empty() || message == AbortMessage || !state.network.NetworkGame)
    return Arrival(Kind::Ignored);
  if (message.front() == 's') return ReceiveChat(message);
  const bool server = state.network.NetRole == LanRole::Server;
  switch (state.round.TurnState) {
    case Turn::Connecting:
      return server ? ReceiveHello(state, message) : ReceiveWelcome(state, message);
    case Turn::ConnectedOrOver:
      if (!server && IsLanClientWaiting(state) && message.front() == 'b')
        return ReceiveDeal(state, message, context);
      return Arrival(Kind::Ignored);
    case Turn::Opponent:
      return ReceiveMove(state, message, context);
    default:
      // Nothing else is taken now, a move out of turn included.
      return Arrival(Kind::Ignored);
  }
}

char LanChatDigit(const GameState& state) {
  return state.network.NetRole == LanRole::Client ? '2' : '1';
}

std::string LanChatLine(const GameState& state, std::string_view text) {
  if (text.empty()) return {};
  return ChatMessage(LanChatDigit(state), text);
}

bool PeerWentAway(GameState& state) {
  const bool interrupted =
      state.network.NetworkGame && (GameRunning(state) || IsLanClientWaiting(state)) &&
      state.round.RoundResult == ResultRunning && state.round.TurnState != Turn::Connecting;
  if (interrupted) {
    state.round.TableActive = false;
    state.round.TurnState = Turn::Idle;
    state.network.NetRole = LanRole::None;
    state.network.DealArrived = false;
  }
  return interrupted;
}

}  // namespace fibwick

#include "app/lan_controller.h"

#include <QLineEdit>
#include <QWidget>
#include <charconv>
#include <string>

#include "app/club_session.h"
#include "app/table_screen.h"
#include "base/cp1251.h"
#include "game/match_setup.h"
#include "records/catalogue.h"
#include "records/settings.h"
#include "ui/dialogs/start_dialog.h"
#include "ui/dialogs/wait_dialog.h"
#include "ui/sound/cue_player.h"
#include "ui/text_helpers.h"

namespace fibwick {
namespace {

// A burst of chat lines sounds once: every line goes to the box, which keeps the newest.
constexpr int ChatSoundsPerWindow = 1;
constexpr int ChatWindowMs = 2000;

QString CatalogueLine(Message message) {
  return QString::fromUtf8(MessageText(message).data(),
                           static_cast<qsizetype>(MessageText(message).size()));
}

}  // namespace

LanController::LanController(WindowHost& host, LanKit kit, LanLimits limits, bool standIn)
    : host_(host),
      kit_(kit),
      standIn_(standIn),
      lan_({.connected = [this] { Connected(); },
            .received = [this](const std::string& message) { Received(message); },
            .gone = [this](PeerEnd end) { Gone(end); },
            .failed = [this] { Failed(); }},
           limits) {}

bool LanController::BeginLan(LanRole role, int slot, const std::string& playerName,
                             const std::string& passwordDigits, const std::string& address,
                             quint16 port) {
  kit_.session.SetNewPlayerPassword(passwordDigits);
  // The menu shows the network club from now on, as the start dialog's set-up implies.
  kit_.settings.NetworkGame = true;
  BeginLanGame(kit_.match.State(), role, slot, playerName);
  if (role == LanRole::Client) {
    lan_.Connect(QString::fromStdString(address), port);
    return true;
  }
  if (lan_.Listen(port)) return true;
  AbandonLanWait(kit_.match.State());
  return false;
}

bool LanController::WaitForPartner(int slot, const LanSetup& setup) {
  const bool client = setup.role == LanRole::Client;
  // The box takes digits only; a number no port can have is refused like a port in use.
  unsigned port = 0;
  const char* end = setup.port.data() + setup.port.size();
  const bool number = std::from_chars(setup.port.data(), end, port).ptr == end;
  if (!number || port > 0xFFFF ||
      !BeginLan(setup.role, slot, setup.player.playerName, setup.player.passwordDigits,
                setup.address, static_cast<quint16>(port))) {
    host_.ShowNotice(std::string(MessageText(MsgIncorrectPort)));
    return false;
  }
  DialogContext context = host_.Dialogs();
  WaitDialog wait(context, &host_.Window());
  wait.Prepare(CatalogueLine(client ? MsgExpectationOfGame : MsgExpectationOfPlayers), client);
  wait.onCancel = [this] {
    lan_.Close();
    AbandonLanWait(kit_.match.State());
  };
  wait_ = &wait;
  const bool confirmed = wait.Run();
  wait_ = nullptr;
  if (!confirmed) {
    lan_.Close();
    AbandonLanWait(kit_.match.State());
  }
  return confirmed;
}

bool LanController::ConfirmLan() {
  if (kit_.match.Game().network.NetRole != LanRole::Server ||
      kit_.match.Game().round.TurnState != Turn::ConnectedOrOver || !lan_.HasPeer()) {
    return false;
  }
  kit_.match.DealNewGame();
  return true;
}

void LanController::StartConfirmed() {
  if (kit_.match.Game().network.NetRole == LanRole::Server && !ConfirmLan()) {
    lan_.Close();
    AbandonLanWait(kit_.match.State());
  }
}

void LanController::Connected() {
  if (kit_.match.Game().round.TurnState == Turn::Connecting)
    lan_.Send(HelloMessage(kit_.match.Game().session.PlayerName));
}

// Every message waits its turn behind what the table is showing, as a click would.
void LanController::Received(const std::string& message) {
  if (message.front() == 's') {
    // Chat changes nothing on the table: it is shown at once.
    const PeerArrival arrival = kit_.match.Receive(message);
    if (arrival.kind == PeerArrival::Kind::Chat) ShowPeerChat(arrival.chat);
    return;
  }
  kit_.match.Player().Input([this, message] {
    PeerArrival arrival = kit_.match.Receive(message);
    switch (arrival.kind) {
      case PeerArrival::Kind::Hello:
        lan_.Introduced();
        lan_.Send(arrival.reply);
        if (wait_) wait_->ShowConnected();
        if (standIn_) ConfirmLan();
        return;
      case PeerArrival::Kind::Welcome:
        lan_.Introduced();
        if (wait_) wait_->Finish(true);
        return kit_.match.DealNewGame();
      case PeerArrival::Kind::Deal:
      case PeerArrival::Kind::Move:
        return kit_.match.Player().Play(std::move(arrival.events));
      case PeerArrival::Kind::BrokeRules:
        lan_.Close();
        return EndGame(MsgHasBrokenTheRules);
      case PeerArrival::Kind::Chat:
      case PeerArrival::Kind::Ignored:
        return;
    }
  });
}

void LanController::ShowPeerChat(const PeerChat& chat) {
  if (!chatWindow_.isValid() || chatWindow_.elapsed() > ChatWindowMs) {
    chatWindow_.start();
    chatLinesInWindow_ = 0;
  }
  if (++chatLinesInWindow_ <= ChatSoundsPerWindow) kit_.sounds.Play("WToMenK");
  kit_.table.ShowChatLine(chat.sender - '0', FromUtf8(Cp1251ToUtf8(chat.text)));
}

void LanController::SendChat() {
  const std::string line =
      LanChatLine(kit_.match.Game(), Utf8ToCp1251(kit_.table.ChatEdit()->text().toStdString()));
  if (line.empty() || !kit_.match.Game().network.NetworkGame) return;
  lan_.Send(line);
  kit_.table.ShowChatLine(LanChatDigit(kit_.match.Game()) - '0', kit_.table.ChatEdit()->text());
  kit_.table.ChatEdit()->clear();
}

void LanController::Gone(PeerEnd end) {
  kit_.table.EnableChat(false);
  kit_.match.Player().Input([this, end] {
    if (wait_ && kit_.match.Game().network.NetRole == LanRole::Server) {
      // The client left before the game began: wait for another.
      AwaitAnotherClient(kit_.match.State());
      wait_->Prepare(CatalogueLine(MsgExpectationOfPlayers), false);
      if (!lan_.Reopen()) wait_->Finish(false);
      return;
    }
    EndGame(end == PeerEnd::Closed ? MsgHasInterruptedGame : MsgHasBrokenTheRules);
  });
}

void LanController::Failed() {
  if (wait_) wait_->SetStateLine(CatalogueLine(MsgThereAreNoAccessibleGames));
}

void LanController::EndGame(Message why) {
  kit_.table.EnableChat(false);
  if (wait_) {
    wait_->Finish(false);
    return;
  }
  const Message peer = kit_.match.Game().network.NetRole == LanRole::Server ? MsgClient : MsgServer;
  if (!PeerWentAway(kit_.match.State())) return;
  kit_.match.DropTable();
  kit_.sounds.Play("WWrongs");
  host_.ShowNotice(std::string(MessageText(peer)) + " " + std::string(MessageText(why)) + "\n" +
                   std::string(MessageText(MsgPressOKForExitTo)));
  host_.HideTable();
  host_.ShowMainMenu();
}

}  // namespace fibwick

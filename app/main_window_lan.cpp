// The main window's LAN game: the wait for a partner, the messages of the peer, the chat line
// and the peer going away.
#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <charconv>
#include <string>

#include "app/main_window.h"
#include "base/cp1251.h"
#include "game/lan_game.h"
#include "game/match_setup.h"
#include "game/open_cards.h"
#include "game/start_game.h"
#include "records/catalogue.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/wait_dialog.h"

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

PeerLink& MainWindow::Peer() {
  return lan_;
}

bool MainWindow::BeginLan(LanRole role, int slot, const std::string& playerName,
                          const std::string& passwordDigits, const std::string& address,
                          quint16 port) {
  session_.SetNewPlayerPassword(passwordDigits);
  // The menu shows the network club from now on, as the start dialog's set-up implies.
  settings_.NetworkGame = true;
  BeginLanGame(match_.State(), role, slot, playerName);
  if (role == LanRole::Client) {
    lan_.Connect(QString::fromStdString(address), port);
    return true;
  }
  if (lan_.Listen(port)) return true;
  AbandonLanWait(match_.State());
  return false;
}

bool MainWindow::WaitForLanPartner(int slot, const LanSetup& setup) {
  const bool client = setup.role == LanRole::Client;
  // The box takes digits only; a number no port can have is refused like a port in use.
  unsigned port = 0;
  const char* end = setup.port.data() + setup.port.size();
  const bool number = std::from_chars(setup.port.data(), end, port).ptr == end;
  if (!number || port > 0xFFFF ||
      !BeginLan(setup.role, slot, setup.player.playerName, setup.player.passwordDigits,
                setup.address, static_cast<quint16>(port))) {
    ShowNotice(std::string(MessageText(MsgIncorrectPort)));
    return false;
  }
  DialogContext context = Dialogs();
  TFormWait wait(context, this);
  wait.Prepare(CatalogueLine(client ? MsgExpectationOfGame : MsgExpectationOfPlayers), client);
  wait.onCancel = [this] {
    lan_.Close();
    AbandonLanWait(match_.State());
  };
  wait_ = &wait;
  const bool confirmed = wait.Run();
  wait_ = nullptr;
  if (!confirmed) {
    lan_.Close();
    AbandonLanWait(match_.State());
  }
  return confirmed;
}

bool MainWindow::ConfirmLan() {
  if (match_.State().network.NetRole != LanRole::Server ||
      match_.State().round.TurnState != Turn::ConnectedOrOver || !lan_.HasPeer()) {
    return false;
  }
  match_.DealNewGame();
  return true;
}

void MainWindow::LanStartConfirmed() {
  if (match_.State().network.NetRole == LanRole::Server && !ConfirmLan()) {
    lan_.Close();
    AbandonLanWait(match_.State());
  }
}

void MainWindow::LanConnected() {
  if (match_.State().round.TurnState == Turn::Connecting)
    lan_.Send(HelloMessage(match_.State().session.PlayerName));
}

// Every message waits its turn behind what the table is showing, as a click would.
void MainWindow::LanReceived(const std::string& message) {
  if (message.front() == 's') {
    // Chat changes nothing on the table: it is shown at once.
    const PeerArrival arrival = match_.Receive(message);
    if (arrival.kind == PeerArrival::Kind::Chat) ShowPeerChat(arrival.chat);
    return;
  }
  match_.Player().Input([this, message] {
    PeerArrival arrival = match_.Receive(message);
    switch (arrival.kind) {
      case PeerArrival::Kind::Hello:
        lan_.Introduced();
        lan_.Send(arrival.reply);
        if (wait_) wait_->ShowConnected();
        if (pacing_.standIn) ConfirmLan();
        return;
      case PeerArrival::Kind::Welcome:
        lan_.Introduced();
        if (wait_) wait_->Finish(true);
        return match_.DealNewGame();
      case PeerArrival::Kind::Deal:
      case PeerArrival::Kind::Move:
        return match_.Player().Play(std::move(arrival.events));
      case PeerArrival::Kind::BrokeRules:
        lan_.Close();
        return EndLanGame(MsgHasBrokenTheRules);
      case PeerArrival::Kind::Chat:
      case PeerArrival::Kind::Ignored:
        return;
    }
  });
}

void MainWindow::ShowPeerChat(const PeerChat& chat) {
  if (!chatWindow_.isValid() || chatWindow_.elapsed() > ChatWindowMs) {
    chatWindow_.start();
    chatLinesInWindow_ = 0;
  }
  if (++chatLinesInWindow_ <= ChatSoundsPerWindow) sounds_.Play("WToMenK");
  table_.ShowChatLine(chat.sender - '0', FromUtf8(Cp1251ToUtf8(chat.text)));
}

void MainWindow::SendChat() {
  const std::string line =
      LanChatLine(match_.State(), Utf8ToCp1251(table_.ChatEdit()->text().toStdString()));
  if (line.empty() || !match_.State().network.NetworkGame) return;
  Peer().Send(line);
  table_.ShowChatLine(LanChatDigit(match_.State()) - '0', table_.ChatEdit()->text());
  table_.ChatEdit()->clear();
}

void MainWindow::LanGone(PeerEnd end) {
  table_.EnableChat(false);
  match_.Player().Input([this, end] {
    if (wait_ && match_.State().network.NetRole == LanRole::Server) {
      // The client left before the game began: wait for another.
      AwaitAnotherClient(match_.State());
      wait_->Prepare(CatalogueLine(MsgExpectationOfPlayers), false);
      if (!lan_.Reopen()) wait_->Finish(false);
      return;
    }
    EndLanGame(end == PeerEnd::Closed ? MsgHasInterruptedGame : MsgHasBrokenTheRules);
  });
}

void MainWindow::LanFailed() {
  if (wait_) wait_->SetStateLine(CatalogueLine(MsgThereAreNoAccessibleGames));
}

void MainWindow::EndLanGame(Message why) {
  table_.EnableChat(false);
  if (wait_) {
    wait_->Finish(false);
    return;
  }
  const Message peer = match_.State().network.NetRole == LanRole::Server ? MsgClient : MsgServer;
  if (!PeerWentAway(match_.State())) return;
  match_.DropTable();
  sounds_.Play("WWrongs");
  ShowNotice(std::string(MessageText(peer)) + " " + std::string(MessageText(why)) + "\n" +
             std::string(MessageText(MsgPressOKForExitTo)));
  HideTable();
  ShowMainMenu();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_.SendButton()) {
    switch (event->type()) {
      case QEvent::FocusIn:
      case QEvent::FocusOut:
        match_.OpenCardsFocusChanged();
        break;
      case QEvent::KeyPress: {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1 && typed[0].unicode() < 128) {
          const char key = static_cast<char>(typed[0].unicode());
          match_.OpenCardsKey(key);
        }
        break;
      }
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace fibwick

#include "game/lan_game.h"

#include <gtest/gtest.h>

#include <QHostAddress>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

#include "app/app_support.h"
#include "app/match_player.h"
#include "app/tform1.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "records/history_file.h"
#include "records/settings_file.h"
#include "ui/dialogs/wait_dialog.h"

namespace fibwick {
namespace {

using namespace testing;

std::vector<CardCode> Cards(const Hand& hand) {
  std::vector<CardCode> cards;
  for (const CardCode& card : hand.items) {
    if (card != EmptyCard) cards.push_back(card);
  }
  std::sort(cards.begin(), cards.end(),
            [](CardCode a, CardCode b) { return a.Bytes() < b.Bytes(); });
  return cards;
}

// Each side's own cards are its seat 2: the two tables must be mirror images.
void ExpectMirrored(const GameState& server, const GameState& client) {
  EXPECT_EQ(Cards(server.hands.SeatHand[2]), Cards(client.hands.SeatHand[1]));
  EXPECT_EQ(Cards(server.hands.SeatHand[1]), Cards(client.hands.SeatHand[2]));
  EXPECT_EQ(server.table.PileCards, client.table.PileCards);
  EXPECT_EQ(server.table.PileCount, client.table.PileCount);
  EXPECT_EQ(server.claim.ClaimRank, client.claim.ClaimRank);
  EXPECT_EQ(server.round.RoundOver, client.round.RoundOver);
  const int cards =
      server.hands.SeatCardCount[1] + server.hands.SeatCardCount[2] + server.table.PileCount;
  EXPECT_LE(cards, DeckCardCount);
}

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::optional<PlayerRecord> Member(const fs::path& club, std::string_view name) {
  const auto lines = ReadClubFile(club);
  if (!lines) return std::nullopt;
  for (int line = 0; line < 5; ++line) {
    auto record = ParseMemberLine((*lines)[static_cast<std::size_t>(line)]);
    if (record && record->name.starts_with(name)) {
      return PlayerRecord{record->name, record->games, record->score, 0.0};
    }
  }
  return std::nullopt;
}

int MemberLine(const fs::path& club, std::string_view name) {
  const auto lines = ReadClubFile(club);
  for (int line = 0; lines && line < 5; ++line) {
    const auto record = ParseMemberLine((*lines)[static_cast<std::size_t>(line)]);
    if (record && record->name.starts_with(name)) return line + 1;
  }
  return SlotNewPlayer;
}

struct LanWindows {
  fs::path serverFolder = FreshProgramFolder("lan-server");
  fs::path clientFolder = FreshProgramFolder("lan-client");
  TForm1 server{serverFolder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1}};
  // The client's seat is played by the computer's decisions.
  TForm1 client{clientFolder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1, .standIn = true}};

  LanWindows() {
    server.show();
    client.show();
  }
  ~LanWindows() {
    fs::remove_all(serverFolder);
    fs::remove_all(clientFolder);
  }

  // Both sides at the table of a new game, the server to move.
  void Connect() {
    const int serverSlot = MemberLine(serverFolder / "Fibwick.net", "Sam");
    const int clientSlot = MemberLine(clientFolder / "Fibwick.net", "Cleo");
    ASSERT_TRUE(server.BeginLan(LanRole::Server, serverSlot, "Sam", "", "", 0));
    ASSERT_TRUE(
        client.BeginLan(LanRole::Client, clientSlot, "Cleo", "", "127.0.0.1", server.LanPort()));
    ASSERT_TRUE(WaitFor([&] {
      return server.Game().round.TurnState == Turn::ConnectedOrOver &&
             client.CurrentScreen() == Screen::Table;
    }));
    EXPECT_EQ(server.Game().session.Seat1Name, "Cleo");
    EXPECT_EQ(client.Game().session.Seat1Name, "Sam");
    server.ConfirmLan();
    ASSERT_TRUE(WaitFor([&] {
      return client.Game().network.DealArrived && server.TableQuiet() && client.TableQuiet();
    }));
  }

  bool Quiet() const { return server.TableQuiet() && client.TableQuiet(); }
};

TEST(LanMatch, TwentyGamesBetweenTwoWindowsReachBothClubFiles) {
  DialogAnswerer answerer;
  LanWindows lan;
  PassIntro(lan.server);
  PassIntro(lan.client);
  std::mt19937 random(11);
  int serverWins = 0, clientWins = 0;
  for (int game = 1; game <= GamesPerCycle; ++game) {
    lan.Connect();
    if (HasFatalFailure()) return;
    int moves = 0;
    while (!lan.server.Game().round.RoundOver) {
      TForm1* mover = nullptr;
      // A move is on the wire until the other side has it: both piles agree once it arrived.
      ASSERT_TRUE(WaitFor([&] {
        if (!lan.Quiet()) return false;
        if (lan.server.Game().round.RoundOver) return true;
        if (lan.server.Game().table.PileCount != lan.client.Game().table.PileCount) return false;
        for (TForm1* side : {&lan.server, &lan.client}) {
          if (side->Game().round.TurnState == Turn::Local) mover = side;
        }
        return mover != nullptr;
      })) << DescribeState(lan.server.Game())
          << DescribeState(lan.client.Game());
      if (lan.server.Game().round.RoundOver) break;
      ExpectMirrored(lan.server.Game(), lan.client.Game());
      PlayLocalTurn(*mover, random);
      ASSERT_LT(++moves, 2000);
      ASSERT_TRUE(WaitFor([&] { return lan.Quiet(); }));
    }
    ASSERT_TRUE(WaitFor([&] { return lan.client.Game().round.RoundOver && lan.Quiet(); }));
    ExpectMirrored(lan.server.Game(), lan.client.Game());
    const auto serverResult = lan.server.Game().round.RoundResult;
    const auto clientResult = lan.client.Game().round.RoundResult;
    EXPECT_EQ(serverResult == ResultLocalWon, clientResult == ResultLocalLost);
    serverWins += serverResult == ResultLocalWon;
    clientWins += clientResult == ResultLocalWon;
    // One connection plays one game: both leave to the menu, which writes the clubs; the
    // client's stand-in leaves by itself.
    ButtonNamed(lan.server, "Button8")->click();
    ASSERT_TRUE(WaitFor([&] {
      return lan.server.CurrentScreen() == Screen::Menu &&
             lan.client.CurrentScreen() == Screen::Menu;
    }));
    const auto sam = Member(lan.serverFolder / "Fibwick.net", "Sam");
    const auto cleo = Member(lan.clientFolder / "Fibwick.net", "Cleo");
    ASSERT_TRUE(sam && cleo) << "game " << game;
    EXPECT_EQ(sam->games, game);
    EXPECT_EQ(cleo->games, game);
    // Each game moves ten points from one side to the other; the cycle's end banks them.
    const int points = game == GamesPerCycle ? 0 : 10 * (serverWins - clientWins);
    EXPECT_EQ(sam->score, points) << "game " << game;
    EXPECT_EQ(cleo->score, -points) << "game " << game;
  }
  // The games against the computer were not touched.
  EXPECT_FALSE(Member(lan.serverFolder / "Fibwick.clb", "Sam"));
}

TEST(LanChat, LinesTravelBothWaysAtAnyTime) {
  DialogAnswerer answerer;
  LanWindows lan;
  PassIntro(lan.server);
  PassIntro(lan.client);
  lan.Connect();
  ASSERT_FALSE(HasFatalFailure());
  // The client types while the server is to move.
  auto* edit = lan.client.findChild<QLineEdit*>("Edit1");
  ASSERT_TRUE(edit && edit->isVisible() && edit->isEnabled());
  edit->setText("hello Sam, this is too long");
  EXPECT_EQ(edit->text(), "hello Sam, this");  // fifteen characters
  lan.client.findChild<QAbstractButton*>("BitBtn1")->click();
  EXPECT_TRUE(edit->text().isEmpty());
  ASSERT_TRUE(WaitFor([&] { return lan.server.ChatLines().lines.size() == 1; }));
  EXPECT_EQ(lan.server.ChatLines().lines.back().text.left(5), "hello");
  EXPECT_EQ(lan.server.ChatLines().lines.back().colour, AuthorColour(2));
  ASSERT_EQ(lan.client.ChatLines().lines.size(), 1u);

  auto* serverEdit = lan.server.findChild<QLineEdit*>("Edit1");
  serverEdit->setText("hi");
  emit serverEdit->returnPressed();
  ASSERT_TRUE(WaitFor([&] { return lan.client.ChatLines().lines.size() == 2; }));
  EXPECT_EQ(lan.client.ChatLines().lines.back().colour, AuthorColour(1));
}

TEST(LanPeerGone, ThePlayerIsToldAndNothingIsRecorded) {
  DialogAnswerer answerer;
  LanWindows lan;
  PassIntro(lan.server);
  PassIntro(lan.client);
  lan.Connect();
  ASSERT_FALSE(HasFatalFailure());
  const std::string clubBefore = FileBytes(lan.serverFolder / "Fibwick.net");
  const int dialogsBefore = answerer.dialogsSeen;
  // The client's player closes the window in the middle of the game and confirms it.
  lan.client.close();
  ASSERT_TRUE(WaitFor([&] { return lan.server.CurrentScreen() == Screen::Menu; }));
  EXPECT_GE(answerer.dialogsSeen, dialogsBefore + 2) << "the question, then the notice";
  EXPECT_FALSE(lan.server.Game().round.TableActive);
  EXPECT_EQ(FileBytes(lan.serverFolder / "Fibwick.net"), clubBefore);
  EXPECT_FALSE(lan.server.findChild<QLineEdit*>("Edit1")->isVisible());
}

// Both players go through the start dialog's network layout and the wait window, as people do.
TEST(LanStartDialog, ServerAndClientMeetThroughTheirDialogs) {
  DialogAnswerer answerer;
  LanWindows lan;
  for (TForm1* side : {&lan.server, &lan.client}) {
    Settings settings = LoadSettings(
        side == &lan.server ? lan.serverFolder / "Fibwick.ini" : lan.clientFolder / "Fibwick.ini",
        nullptr);
    settings.NetworkGame = true;
    settings.ServerPort = "0";  // any free port: the client is told the one taken
    SaveSettings(
        side == &lan.server ? lan.serverFolder / "Fibwick.ini" : lan.clientFolder / "Fibwick.ini",
        settings, false);
  }
  PassIntro(lan.server);
  PassIntro(lan.client);
  bool clientStarted = false;
  TFormWait* serverWait = nullptr;
  answerer.custom = [&](QWidget* modal) {
    if (auto* wait = qobject_cast<TFormWait*>(modal)) {
      if (wait->parentWidget() == &lan.server) serverWait = wait;
      if (wait == serverWait && wait->OkButton()->isEnabled()) wait->OkButton()->click();
      if (wait == serverWait && !clientStarted) {
        clientStarted = true;
        QTimer::singleShot(0, &lan.client, [&] { ButtonNamed(lan.client, "Button6")->click(); });
      }
      return true;
    }
    auto* start = qobject_cast<TFormPassword*>(modal);
    if (start && start->parentWidget() == &lan.client && !start->ClientItem()->isChecked()) {
      start->ClientItem()->click();
      start->ServerAddressBox()->setText("127.0.0.1");
      start->PortBox()->setText(QString::number(lan.server.LanPort()));
      answerer.name = "Cleo";
    }
    return false;
  };
  answerer.name = "Sam";
  QTimer::singleShot(0, &lan.server, [&] { ButtonNamed(lan.server, "Button6")->click(); });
  ASSERT_TRUE(WaitFor([&] {
    return lan.server.CurrentScreen() == Screen::Table && lan.client.Game().network.DealArrived &&
           lan.Quiet();
  })) << DescribeState(lan.server.Game())
      << DescribeState(lan.client.Game());
  EXPECT_EQ(lan.server.Game().session.Seat1Name, "Cleo");
  EXPECT_EQ(lan.client.Game().session.Seat1Name, "Sam");
  EXPECT_EQ(lan.server.Game().round.TurnState, Turn::Local);
  EXPECT_EQ(lan.client.Game().round.TurnState, Turn::Opponent);
  ExpectMirrored(lan.server.Game(), lan.client.Game());
}

// A peer played by the test over a plain socket.
struct HostilePeer {
  QTcpSocket socket;

  bool ConnectTo(quint16 port) {
    socket.connectToHost(QHostAddress::LocalHost, port);
    return WaitFor([&] { return socket.state() == QAbstractSocket::ConnectedState; }, 5000);
  }
  void Send(const std::string& bytes) {
    socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket.flush();
  }
  std::string Read(int waitMs) {
    std::string got;
    WaitFor(
        [&] {
          got += socket.readAll().toStdString();
          return false;
        },
        waitMs);
    return got;
  }
  bool Closed(int waitMs = 5000) {
    return WaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, waitMs);
  }
};

struct ServerWindow {
  fs::path folder = FreshProgramFolder("lan-hostile");
  TForm1 form{folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1, .lanHandshakeMs = 500}};
  ServerWindow() { form.show(); }
  ~ServerWindow() { fs::remove_all(folder); }
};

TEST(LanHostilePeer, StrangersAreDroppedAndTheServerWaitsOn) {
  DialogAnswerer answerer;
  ServerWindow server;
  PassIntro(server.form);
  ASSERT_TRUE(server.form.BeginLan(LanRole::Server, SlotNewPlayer, "Sam", "1", "", 0));
  struct Case {
    const char* what;
    std::string bytes;
  };
  const std::vector<Case> strangers = {
      {"a hello of another game", "nuv2125connect1Mallory   "},
      {"garbage", std::string("\x01\x02\x03", 3)},
      {"a half-open line that never speaks", ""},
  };
  for (const Case& c : strangers) {
    HostilePeer peer;
    ASSERT_TRUE(peer.ConnectTo(server.form.LanPort())) << c.what;
    peer.Send(c.bytes);
    EXPECT_TRUE(peer.Closed()) << c.what;
    EXPECT_EQ(peer.Read(0), "") << c.what << ": no answer";
    EXPECT_EQ(server.form.Game().round.TurnState, Turn::Connecting) << c.what;
  }
  // A real client is still welcome.
  HostilePeer client;
  ASSERT_TRUE(client.ConnectTo(server.form.LanPort()));
  client.Send(HelloMessage("Cleo"));
  EXPECT_EQ(client.Read(500).substr(0, 8), "connect2");
  EXPECT_EQ(server.form.Game().round.TurnState, Turn::ConnectedOrOver);
}

TEST(LanHostilePeer, ABrokenGameEndsWithANoticeAndLeavesTheClubAlone) {
  const std::string move = BuildMoveMessage(MessageOfMove(Move::Challenge('9')));
  struct Case {
    const char* what;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"a move out of turn", move},
      {"a card the client cannot hold",
       BuildMoveMessage(MessageOfMove(Move::Put({MakeCard(1, 0)}, '9')))},
      {"garbage in the game", "\xff\xfe garbage"},
      {"an endless stream", std::string(64 * 1024, '#')},
  };
  for (const Case& c : cases) {
    DialogAnswerer answerer;
    ServerWindow server;
    PassIntro(server.form);
    const std::string clubBefore = FileBytes(server.folder / "Fibwick.net");
    ASSERT_TRUE(server.form.BeginLan(LanRole::Server, SlotNewPlayer, "Sam", "1", "", 0));
    HostilePeer peer;
    ASSERT_TRUE(peer.ConnectTo(server.form.LanPort()));
    peer.Send(HelloMessage("Mallory"));
    ASSERT_TRUE(
        WaitFor([&] { return server.form.Game().round.TurnState == Turn::ConnectedOrOver; }));
    server.form.ConfirmLan();
    ASSERT_TRUE(WaitFor([&] { return server.form.Game().round.TurnState == Turn::Local; }));
    EXPECT_EQ(peer.Read(200).size(), WelcomeMessageLength + DealMessageLength) << c.what;
    const int dialogsBefore = answerer.dialogsSeen;
    peer.Send(c.bytes);
    ASSERT_TRUE(WaitFor([&] { return server.form.CurrentScreen() == Screen::Menu; })) << c.what;
    EXPECT_GT(answerer.dialogsSeen, dialogsBefore) << c.what << ": the player is told";
    EXPECT_TRUE(peer.Closed()) << c.what;
    EXPECT_FALSE(server.form.Game().round.TableActive) << c.what;
    EXPECT_EQ(FileBytes(server.folder / "Fibwick.net"), clubBefore) << c.what;
  }
}

TEST(LanHostilePeer, AClientRefusesABrokenDealAndAChatFloodIsCapped) {
  DialogAnswerer answerer;
  QTcpServer fakeServer;
  ASSERT_TRUE(fakeServer.listen(QHostAddress::LocalHost, 0));
  ServerWindow window;  // here the window is the client
  PassIntro(window.form);
  ASSERT_TRUE(window.form.BeginLan(LanRole::Client, SlotNewPlayer, "Cleo", "1", "127.0.0.1",
                                   fakeServer.serverPort()));
  ASSERT_TRUE(WaitFor([&] { return fakeServer.hasPendingConnections(); }));
  QTcpSocket* socket = fakeServer.nextPendingConnection();
  ASSERT_TRUE(WaitFor([&] { return socket->bytesAvailable() >= 25; }));
  EXPECT_EQ(socket->readAll().toStdString(), HelloMessage("Cleo"));
  socket->write(WelcomeMessage("Mallory").c_str());
  ASSERT_TRUE(WaitFor([&] { return window.form.CurrentScreen() == Screen::Table; }));

  for (int line = 0; line < 50; ++line) socket->write("s1spam spam spam");
  Wait(300);
  EXPECT_LE(window.form.ChatLines().lines.size(), 4u);
  EXPECT_EQ(window.form.CurrentScreen(), Screen::Table);

  Deal deal;
  for (int i = 1; i <= DealtCards; ++i) {
    deal.firstCards[i] = deal.secondCards[i] = MakeCard(1, 0);  // one card dealt 24 times
    deal.firstRanks[i] = deal.secondRanks[i] = 1;
  }
  socket->write(LanDealMessage(deal).c_str());
  ASSERT_TRUE(WaitFor([&] { return window.form.CurrentScreen() == Screen::Menu; }));
  EXPECT_FALSE(window.form.Game().network.DealArrived);
}

}  // namespace
}  // namespace fibwick

namespace fibwick {
namespace {

using namespace testing;

// The code typed while the send button has the focus turns the computer's cards over; a key
// typed after the focus moved away starts the code afresh.
TEST(OpenCards, TypedOnTheSendButton) {
  const fs::path folder = FreshProgramFolder("open-cards");
  DialogAnswerer answerer;  // closing a running game asks first
  TForm1 form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 100000});
  form.show();
  PassIntro(form);
  form.StartMatch(SlotNewPlayer, "Tester", "1");
  ASSERT_TRUE(WaitFor([&] { return form.TableQuiet(); }));
  auto* send = form.findChild<QAbstractButton*>("BitBtn1");
  ASSERT_TRUE(send && send->isVisible());
  const auto type = [&](const QString& keys) {
    for (const QChar key : keys) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(key));
      QApplication::sendEvent(send, &press);
    }
    WaitFor([&] { return form.TableQuiet(); });
  };
  const auto focus = [&](QEvent::Type change) {
    QFocusEvent event(change);
    QApplication::sendEvent(send, &event);
  };
  focus(QEvent::FocusIn);
  type("4821");
  focus(QEvent::FocusOut);
  focus(QEvent::FocusIn);
  type("7");
  EXPECT_FALSE(form.HandShowsFaces(1));
  focus(QEvent::FocusOut);
  focus(QEvent::FocusIn);
  type("48217");
  EXPECT_TRUE(form.HandShowsFaces(1));
  form.close();
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick

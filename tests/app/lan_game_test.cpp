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
#include "app/main_window.h"
#include "app/match_player.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "records/history_file.h"
#include "records/settings_file.h"
#include "ui/dialogs/notice_dialog.h"
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
  MainWindow server{serverFolder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1}};
  // The client's seat is played by the computer's decisions.
  MainWindow client{clientFolder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1, .standIn = true}};

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
      MainWindow* mover = nullptr;
      // A move is on the wire until the other side has it: both piles agree once it arrived.
      ASSERT_TRUE(WaitFor([&] {
        if (!lan.Quiet()) return false;
        if (lan.server.Game().round.RoundOver) return true;
        if (lan.server.Game().table.PileCount != lan.client.Game().table.PileCount) return false;
        for (MainWindow* side : {&lan.server, &lan.client}) {
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
  for (MainWindow* side : {&lan.server, &lan.client}) {
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
  WaitDialog* serverWait = nullptr;
  answerer.custom = [&](QWidget* modal) {
    if (auto* wait = qobject_cast<WaitDialog*>(modal)) {
      if (wait->parentWidget() == &lan.server) serverWait = wait;
      if (wait == serverWait && wait->OkButton()->isEnabled()) wait->OkButton()->click();
      if (wait == serverWait && !clientStarted) {
        clientStarted = true;
        QTimer::singleShot(0, &lan.client, [&] { ButtonNamed(lan.client, "Button6")->click(); });
      }
      return true;
    }
    auto* start = qobject_cast<StartDialog*>(modal);
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

// A peer played by the test over a plain socket: a client that dials the window, or a server
// the window dials.
struct HostilePeer {
  QTcpServer listener;
  QTcpSocket dialled;
  QTcpSocket* socket = &dialled;
  std::string received;

  bool ConnectTo(quint16 port) {
    dialled.connectToHost(QHostAddress::LocalHost, port);
    return WaitFor([&] { return dialled.state() == QAbstractSocket::ConnectedState; }, 5000);
  }
  bool Accept() {
    if (!WaitFor([&] { return listener.hasPendingConnections(); })) return false;
    socket = listener.nextPendingConnection();
    return true;
  }
  void Send(const std::string& bytes) {
    socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket->flush();
  }
  // Everything that arrived, once at least `size` bytes have.
  std::string ReadUntil(std::size_t size) {
    WaitFor([&] {
      received += socket->readAll().toStdString();
      return received.size() >= size;
    });
    return std::exchange(received, {});
  }
  // Whatever arrives within `waitMs`.
  std::string Read(int waitMs) {
    WaitFor(
        [&] {
          received += socket->readAll().toStdString();
          return false;
        },
        waitMs);
    return std::exchange(received, {});
  }
  bool Closed(int waitMs = 5000) {
    return WaitFor([&] { return socket->state() == QAbstractSocket::UnconnectedState; }, waitMs);
  }
};

struct ServerWindow {
  fs::path folder = FreshProgramFolder("lan-hostile");
  MainWindow form{folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1, .lanHandshakeMs = 500}};
  ServerWindow() { form.show(); }
  ~ServerWindow() { fs::remove_all(folder); }
};

TEST(LanHostilePeer, OnlyTheRightHelloIsAnsweredAndStrangersAreDropped) {
  const std::string hello = HelloMessage("Cleo");
  struct Case {
    const char* what;
    std::vector<std::string> reads;
    bool welcomed;
  };
  const std::vector<Case> cases = {
      {"a hello of another game, then ours", {"nuv2125connect1Mallory   ", hello}, true},
      {"a misspelled hello and ours in one read", {"nuv2225konnect1Mallory   " + hello}, true},
      {"noise, then the hello", {"GET / HTTP/1.1\r\n\r\n", hello}, true},
      {"noise and nothing else", {std::string("\x01\x02\x03", 3)}, false},
      {"a half-open line that never speaks", {}, false},
  };
  for (const Case& c : cases) {
    DialogAnswerer answerer;
    ServerWindow server;
    PassIntro(server.form);
    ASSERT_TRUE(server.form.BeginLan(LanRole::Server, SlotNewPlayer, "Sam", "1", "", 0));
    HostilePeer peer;
    ASSERT_TRUE(peer.ConnectTo(server.form.LanPort())) << c.what;
    for (const std::string& read : c.reads) {
      peer.Send(read);
      Wait(20);
    }
    if (c.welcomed) {
      EXPECT_EQ(peer.ReadUntil(WelcomeMessageLength), WelcomeMessage("Sam")) << c.what;
      EXPECT_EQ(server.form.Game().round.TurnState, Turn::ConnectedOrOver) << c.what;
      EXPECT_EQ(server.form.Game().session.Seat1Name, "Cleo") << c.what;
      EXPECT_FALSE(peer.Closed(700)) << c.what << ": the client stays";
      continue;
    }
    // Dropped once it has had its time to introduce itself; a real client is still welcome.
    EXPECT_TRUE(peer.Closed()) << c.what;
    EXPECT_EQ(peer.Read(0), "") << c.what << ": no answer";
    EXPECT_EQ(server.form.Game().round.TurnState, Turn::Connecting) << c.what;
    HostilePeer client;
    ASSERT_TRUE(client.ConnectTo(server.form.LanPort())) << c.what;
    client.Send(hello);
    EXPECT_EQ(client.ReadUntil(WelcomeMessageLength).substr(0, 8), "connect2") << c.what;
  }
}

// The notices the program shows, each as its lines joined.
struct NoticeWatch {
  DialogAnswerer answerer;
  std::vector<QString> notices;
  NoticeWatch() {
    answerer.custom = [this](QWidget* modal) {
      auto* notice = qobject_cast<NoticeDialog*>(modal);
      if (notice && !notice->property("watched").toBool()) {
        notice->setProperty("watched", true);
        notices.push_back(notice->Lines().join('\n'));
      }
      return false;
    };
  }
};

QString EndNotice(Message side, Message why) {
  return QString::fromUtf8(std::string(MessageText(side)) + " " + std::string(MessageText(why)) +
                           "\n" + std::string(MessageText(MsgPressOKForExitTo)));
}

// One window at the table of a LAN game against a peer played by the test.
struct HostileTable {
  NoticeWatch watch;
  fs::path folder = FreshProgramFolder("lan-hostile-table");
  MainWindow form;
  HostilePeer peer;
  std::string clubBefore;
  Deal deal;  // the window's client's cards first

  explicit HostileTable(Pacing pacing = {}) : form(folder, Paced(pacing)) { form.show(); }
  ~HostileTable() { fs::remove_all(folder); }

  static Pacing Paced(Pacing pacing) {
    pacing.pauseFactor = 0.0;
    pacing.computerTickMs = 1;
    return pacing;
  }

  // The window is the server: the game is dealt and the window is to move.
  void BeginAsServer() {
    PassIntro(form);
    clubBefore = FileBytes(folder / "Fibwick.net");
    ASSERT_TRUE(form.BeginLan(LanRole::Server, SlotNewPlayer, "Sam", "1", "", 0));
    ASSERT_TRUE(peer.ConnectTo(form.LanPort()));
    peer.Send(HelloMessage("Mallory"));
    ASSERT_TRUE(WaitFor([&] { return form.Game().round.TurnState == Turn::ConnectedOrOver; }));
    ASSERT_TRUE(form.ConfirmLan());
    ASSERT_TRUE(WaitFor([&] { return form.Game().round.TurnState == Turn::Local && Quiet(); }));
    const auto read = ReadDeal(peer.ReadUntil(WelcomeMessageLength + DealMessageLength).substr(29));
    ASSERT_TRUE(read);
    deal = *read;
  }
  // The window as server leads with one card: the peer is to move.
  void ServerLeads() {
    ClickCard(form, 1);
    ButtonNamed(form, "Button8")->click();
    ASSERT_TRUE(WaitFor([&] { return form.Game().round.TurnState == Turn::Opponent && Quiet(); }));
    ASSERT_EQ(peer.ReadUntil(MoveMessageLength).size(), MoveMessageLength);
  }
  // The window is the client: welcomed, at the table, waiting for its deal.
  void BeginAsClient() {
    PassIntro(form);
    clubBefore = FileBytes(folder / "Fibwick.net");
    ASSERT_TRUE(peer.listener.listen(QHostAddress::LocalHost, 0));
    ASSERT_TRUE(form.BeginLan(LanRole::Client, SlotNewPlayer, "Cleo", "1", "127.0.0.1",
                              peer.listener.serverPort()));
    ASSERT_TRUE(peer.Accept());
    ASSERT_EQ(peer.ReadUntil(HelloMessageLength), HelloMessage("Cleo"));
    peer.Send(WelcomeMessage("Mallory"));
    ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Table && Quiet(); }));
  }

  bool Quiet() const { return form.TableQuiet(); }
  std::vector<QString> Chat() const {
    std::vector<QString> lines;
    for (const ChatLine& line : form.ChatLines().lines) lines.push_back(line.text);
    return lines;
  }
  // A chat line after whatever the peer sent: once it is shown and the table is quiet, all
  // before it has been dealt with. The abort after it ends the line at once.
  bool ProbeShown() {
    peer.Send("s" + std::string(1, PeerDigit()) + "still here" + "abort");
    return WaitFor([&] { return !Chat().empty() && Chat().back() == "still here" && Quiet(); });
  }
  char PeerDigit() const { return form.Game().network.NetRole == LanRole::Server ? '2' : '1'; }
};

enum class Outcome { Ignored, EndedForBrokenRules };

void ExpectOutcome(HostileTable& table, Outcome outcome, const std::string& what) {
  if (outcome == Outcome::Ignored) {
    const GameState before = table.form.Game();
    ASSERT_TRUE(table.ProbeShown()) << what;
    EXPECT_EQ(table.form.CurrentScreen(), Screen::Table) << what;
    EXPECT_EQ(table.form.Game(), before) << what << ": the game goes on as it was";
    EXPECT_TRUE(table.watch.notices.empty()) << what;
    EXPECT_FALSE(table.peer.Closed(0)) << what;
    return;
  }
  const Message side = table.form.Game().network.NetRole == LanRole::Server ? MsgClient : MsgServer;
  ASSERT_TRUE(WaitFor([&] { return table.form.CurrentScreen() == Screen::Menu; })) << what;
  ASSERT_EQ(table.watch.notices.size(), 1u) << what;
  EXPECT_EQ(table.watch.notices[0], EndNotice(side, MsgHasBrokenTheRules)) << what;
  EXPECT_TRUE(table.peer.Closed()) << what << ": we hung up";
  EXPECT_FALSE(table.form.Game().round.TableActive) << what;
  EXPECT_EQ(FileBytes(table.folder / "Fibwick.net"), table.clubBefore)
      << what << ": nothing recorded";
}

TEST(LanHostilePeer, AClientIsIgnoredOutOfTurnAndEndsTheGameWhenItBreaksTheRules) {
  struct Case {
    const char* what;
    bool peersTurn;
    std::function<std::string(const Deal&, char claim)> bytes;
    Outcome outcome;
  };
  const auto put = [](CardCode card, char claim) {
    return BuildMoveMessage(MessageOfMove(Move::Put({card}, claim)));
  };
  const std::vector<Case> cases = {
      {"a move out of turn", false,
       [&](const Deal& d, char) { return put(d.firstCards[1], RankChar(d.firstRanks[1])); },
       Outcome::Ignored},
      {"a hello in the game", false,
       [](const Deal&, char) { return std::string("nuv2125connect1Mallory   "); },
       Outcome::Ignored},
      {"abort", true, [](const Deal&, char) { return std::string(AbortMessage); },
       Outcome::Ignored},
      {"noise", true, [](const Deal&, char) { return std::string("\x01\x02\x03\x7f", 4); },
       Outcome::Ignored},
      {"an overlong chat line", true,
       [](const Deal&, char) { return std::string("s2this line is far too long"); },
       Outcome::Ignored},
      {"a card it does not hold", true,
       [&](const Deal& d, char claim) { return put(d.secondCards[1], claim); },
       Outcome::EndedForBrokenRules},
      {"a malformed move", true, [](const Deal&, char) { return std::string("##############2"); },
       Outcome::EndedForBrokenRules},
      {"an endless stream", false, [](const Deal&, char) { return std::string(64 * 1024, '#'); },
       Outcome::EndedForBrokenRules},
  };
  for (const Case& c : cases) {
    HostileTable table;
    table.BeginAsServer();
    ASSERT_FALSE(HasFatalFailure()) << c.what;
    if (c.peersTurn) table.ServerLeads();
    ASSERT_FALSE(HasFatalFailure()) << c.what;
    table.peer.Send(c.bytes(table.deal, table.form.Game().claim.ClaimRank));
    ExpectOutcome(table, c.outcome, c.what);
  }
}

TEST(LanHostilePeer, AServerWithABrokenDealEndsTheGame) {
  Deal good;
  for (int i = 1; i <= DealtCards; ++i) {
    const auto rank = static_cast<RankIndex>((i - 1) / 2 + 1);
    good.firstCards[i] = MakeCard(rank, static_cast<SuitIndex>((i - 1) % 2));
    good.firstRanks[i] = rank;
    good.secondCards[i] = MakeCard(rank, static_cast<SuitIndex>(2 + (i - 1) % 2));
    good.secondRanks[i] = rank;
  }
  std::string twice = LanDealMessage(good);
  twice.replace(3, 2, twice.substr(1, 2));
  std::string foreign = LanDealMessage(good);
  foreign.replace(1, 2, "Zz");
  struct Case {
    const char* what;
    std::string bytes;
    Outcome outcome;
  };
  const std::vector<Case> cases = {
      {"a move before the deal", BuildMoveMessage(MessageOfMove(Move::Challenge('9'))),
       Outcome::Ignored},
      {"a deal with a card twice", twice, Outcome::EndedForBrokenRules},
      {"a deal with a card of no deck", foreign, Outcome::EndedForBrokenRules},
  };
  for (const Case& c : cases) {
    HostileTable table;
    table.BeginAsClient();
    ASSERT_FALSE(HasFatalFailure()) << c.what;
    table.peer.Send(c.bytes);
    ExpectOutcome(table, c.outcome, c.what);
  }
}

// Only a peer that really leaves is said to have interrupted the game.
TEST(LanHostilePeer, APeerThatHangsUpInterruptsTheGame) {
  HostileTable table;
  table.BeginAsServer();
  ASSERT_FALSE(HasFatalFailure());
  table.peer.socket->disconnectFromHost();
  ASSERT_TRUE(WaitFor([&] { return table.form.CurrentScreen() == Screen::Menu; }));
  ASSERT_EQ(table.watch.notices.size(), 1u);
  EXPECT_EQ(table.watch.notices[0], EndNotice(MsgClient, MsgHasInterruptedGame));
  EXPECT_EQ(FileBytes(table.folder / "Fibwick.net"), table.clubBefore);
}

TEST(LanChat, ALineCutAnywhereByTcpComesOutWhole) {
  // The line ends only with what follows it, never with a pause, however long.
  HostileTable table(Pacing{.lanChatQuietMs = 600'000});
  table.BeginAsServer();
  ASSERT_FALSE(HasFatalFailure());
  const std::string line = "s2hello there";
  for (std::size_t cut = 1; cut < line.size(); ++cut) {
    table.peer.Send(line.substr(0, cut));
    Wait(10);  // the window reads the first part alone
    table.peer.Send(line.substr(cut) + std::string(AbortMessage));
    ASSERT_TRUE(WaitFor([&] { return table.Chat().size() == std::min<std::size_t>(cut, 4); }))
        << "cut at " << cut;
    for (const QString& shown : table.Chat()) EXPECT_EQ(shown, "hello there") << "cut at " << cut;
  }
  // A lone "s", then the rest with a move behind it: the move is read as the move it is.
  table.ServerLeads();
  ASSERT_FALSE(HasFatalFailure());
  const int pile = table.form.Game().table.PileCount;
  table.peer.Send("s");
  Wait(10);
  table.peer.Send("2hi" + BuildMoveMessage(MessageOfMove(Move::Put(
                              {table.deal.firstCards[1]}, table.form.Game().claim.ClaimRank))));
  ASSERT_TRUE(WaitFor([&] {
    return table.form.Game().round.TurnState == Turn::Local && table.Quiet();
  })) << DescribeState(table.form.Game());
  EXPECT_EQ(table.form.Game().table.PileCount, pile + 1);
  EXPECT_EQ(table.Chat().back(), "hi");
  EXPECT_TRUE(table.watch.notices.empty());
}

TEST(LanChat, ABurstShowsTheNewestFourLinesAndSoundsOnce) {
  struct Case {
    const char* what;
    std::vector<std::string> reads;
  };
  const std::vector<Case> cases = {
      {"five lines in one read", {"s2line 1s2line 2s2line 3s2line 4s2line 5abort"}},
      {"a fifth line a moment after four", {"s2line 1s2line 2s2line 3s2line 4", "s2line 5abort"}},
  };
  for (const Case& c : cases) {
    HostileTable table;
    table.BeginAsServer();
    ASSERT_FALSE(HasFatalFailure());
    const int sounds = table.form.Sounds().TimesPlayed("WToMenK");
    for (const std::string& read : c.reads) {
      table.peer.Send(read);
      Wait(150);
    }
    ASSERT_TRUE(WaitFor([&] { return !table.Chat().empty() && table.Chat().back() == "line 5"; }))
        << c.what;
    EXPECT_EQ(table.Chat(), (std::vector<QString>{"line 2", "line 3", "line 4", "line 5"}))
        << c.what;
    if (table.form.CurrentSettings().SoundOn) {
      EXPECT_EQ(table.form.Sounds().TimesPlayed("WToMenK"), sounds + 1) << c.what;
    }
  }
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
  MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 100000});
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

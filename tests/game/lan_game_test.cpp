#include "game/lan_game.h"

#include <gtest/gtest.h>

#include "game/lan_framing.h"
#include "table_fixture.h"

namespace fibwick {
namespace {

using testing::Card;
using testing::Rank;
using testing::TableFixture;
using Kind = PeerArrival::Kind;

std::string Challenge(std::string_view claim) {
  return BuildMoveMessage(MessageOfMove(Move::Challenge(Rank(claim))));
}

std::string PutOf(std::string_view card, std::string_view claim) {
  return BuildMoveMessage(MessageOfMove(Move::Put({Card(card)}, Rank(claim))));
}

Deal SomeDeal() {
  Deal deal;
  for (int i = 1; i <= DealtCards; ++i) {
    const auto rank = static_cast<RankIndex>((i - 1) / 2 + 1);
    deal.firstCards[i] = MakeCard(rank, static_cast<SuitIndex>((i - 1) % 2));
    deal.firstRanks[i] = rank;
    deal.secondCards[i] = MakeCard(rank, static_cast<SuitIndex>(2 + (i - 1) % 2));
    deal.secondRanks[i] = rank;
  }
  return deal;
}

std::vector<std::string> Frames(const std::vector<std::string>& reads) {
  LanFramer framer;
  std::vector<std::string> out;
  for (const std::string& read : reads) {
    const bool fed = framer.Feed(read);
    for (std::string m = framer.Next(); !m.empty(); m = framer.Next()) out.push_back(m);
    if (!fed) out.push_back("<broken>");
  }
  return out;
}

TEST(LanFraming, MessagesJoinedOrSplitComeOutWhole) {
  const std::string move = PutOf("Ks", "K");
  const std::string challenge = Challenge("K");
  const std::string hello = HelloMessage("Ann");
  const std::string welcome = WelcomeMessage("Bob");
  const std::string deal = LanDealMessage(SomeDeal());
  struct Case {
    const char* what;
    std::vector<std::string> reads;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases = {
      {"one per read", {hello, welcome, deal, move}, {hello, welcome, deal, move}},
      {"two in one read", {move + challenge}, {move, challenge}},
      {"split over reads", {deal.substr(0, 30), deal.substr(30, 40), deal.substr(70)}, {deal}},
      {"a move byte by byte",
       [&] {
         std::vector<std::string> bytes;
         for (char c : move) bytes.emplace_back(1, c);
         return bytes;
       }(),
       {move}},
      {"chat then a move in one read", {"s2hello bob" + move}, {"s2hello bob", move}},
      {"full chat then a chat", {"s1fifteen chars!!s2ok"}, {"s1fifteen chars!!", "s2ok"}},
      {"chat text that looks like a message", {"s1b and s1 and #"}, {"s1b and s1 and #"}},
      {"a move after half a deal waits",
       {deal.substr(0, 72), deal.substr(72) + move},
       {deal, move}},
      {"an abort between moves", {move + "abort" + challenge}, {move, "abort", challenge}},
      {"garbage", {"xyz"}, {"<broken>"}},
      {"garbage after a message", {move + "\x01\x02", move}, {move, "<broken>", "<broken>"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Frames(c.reads), c.messages) << c.what;
}

struct LanFixture : TableFixture {
  PeerArrival Receive(std::string_view message) {
    PeerArrival arrival = ReceiveFromPeer(state, message, {random, services, flights});
    Record(arrival.events);
    return arrival;
  }
};

TEST(LanHandshake, ServerTakesOnlyTheRightHello) {
  for (const std::string& wrong :
       {std::string("nuv2125connect1Ann       "), std::string("nuv2224connect1Ann       "),
        std::string("nuv2225konnect1Ann       "), WelcomeMessage("Ann"), PutOf("Ks", "K")}) {
    LanFixture f;
    BeginLanGame(f.state, LanRole::Server, SlotNewPlayer, "Server Sam");
    EXPECT_EQ(f.Receive(wrong).kind, Kind::WrongHello) << wrong;
    EXPECT_EQ(f.state.round.TurnState, Turn::Connecting);
  }
  LanFixture f;
  BeginLanGame(f.state, LanRole::Server, SlotNewPlayer, "A twenty char name!!");
  const PeerArrival hello = f.Receive(HelloMessage("Christopher Robin"));
  ASSERT_EQ(hello.kind, Kind::Hello);
  EXPECT_EQ(f.state.round.TurnState, Turn::ConnectedOrOver);
  EXPECT_EQ(f.state.session.Seat1Name, "Christophe");  // the hello carries ten characters
  EXPECT_EQ(hello.reply, "connect2A twenty char name!!1");
  // A second hello on the same connection changes nothing.
  EXPECT_EQ(f.Receive(HelloMessage("Mallory")).kind, Kind::Ignored);
  EXPECT_EQ(f.state.session.Seat1Name, "Christophe");
}

TEST(LanHandshake, ClientWaitsForWelcomeThenDeal) {
  LanFixture f;
  BeginLanGame(f.state, LanRole::Client, SlotNewPlayer, "Cleo");
  EXPECT_EQ(f.Receive(PutOf("Ks", "K")).kind, Kind::Ignored);
  ASSERT_EQ(f.Receive(WelcomeMessage("Server Sam")).kind, Kind::Welcome);
  EXPECT_EQ(f.state.session.Seat1Name, "Server Sam");
  f.Record(StartGame(f.state, f.random, f.services, false));
  ASSERT_TRUE(IsLanClientWaiting(f.state));

  // A deal with a card twice is refused and leaves the table waiting.
  std::string twice = LanDealMessage(SomeDeal());
  twice.replace(3, 2, twice.substr(1, 2));
  EXPECT_EQ(f.Receive(twice).kind, Kind::Refused);
  EXPECT_TRUE(IsLanClientWaiting(f.state));

  ASSERT_EQ(f.Receive(LanDealMessage(SomeDeal())).kind, Kind::Deal);
  EXPECT_EQ(f.state.hands.SeatCardCount[1], 12);
  EXPECT_EQ(f.state.hands.SeatCardCount[2], 12);
  EXPECT_EQ(f.state.round.TurnState, Turn::Opponent);
  // A second deal in the middle of the game is not taken.
  EXPECT_EQ(f.Receive(LanDealMessage(SomeDeal())).kind, Kind::Refused);
  EXPECT_EQ(f.state.hands.SeatCardCount[1], 12);
}

// A client at the start of its game, seat 1 (the server) to move.
LanFixture ClientInPlay() {
  LanFixture f;
  BeginLanGame(f.state, LanRole::Client, SlotNewPlayer, "Cleo");
  f.Receive(WelcomeMessage("Sam"));
  f.Record(StartGame(f.state, f.random, f.services, false));
  f.Receive(LanDealMessage(SomeDeal()));
  return f;
}

TEST(LanPlay, MovesGoThroughTheReferee) {
  LanFixture f = ClientInPlay();
  // The server holds the clubs and spades (the deal's second twelve).
  struct Case {
    const char* what;
    std::string message;
    Kind kind;
    Refusal refusal;
  };
  const std::vector<Case> refused = {
      {"a card the server does not hold", PutOf("9h", "9"), Kind::Refused, Refusal::CardNotHeld},
      {"a challenge of nothing", Challenge("9"), Kind::Refused, Refusal::NothingToChallenge},
      {"a malformed move", "##############2", Kind::Refused, Refusal::None},
  };
  for (const Case& c : refused) {
    const GameState before = f.state;
    const PeerArrival arrival = f.Receive(c.message);
    EXPECT_EQ(arrival.kind, c.kind) << c.what;
    EXPECT_EQ(arrival.refusal, c.refusal) << c.what;
    EXPECT_EQ(f.state, before) << c.what;
  }
  EXPECT_EQ(f.Receive("abort").kind, Kind::Ignored);
  ASSERT_EQ(f.Receive(PutOf("9c", "9")).kind, Kind::Move);
  EXPECT_EQ(f.state.table.PileCount, 1);
  EXPECT_EQ(f.state.round.TurnState, Turn::Local);
  // Now it is ours to move: another move of the server is out of turn.
  const PeerArrival early = f.Receive(PutOf("9s", "9"));
  EXPECT_EQ(early.kind, Kind::Refused);
  EXPECT_EQ(early.refusal, Refusal::NotThisSeatsTurn);
  EXPECT_EQ(f.state.table.PileCount, 1);
}

TEST(LanChat, TakenInEveryStateAndCut) {
  LanFixture f;
  BeginLanGame(f.state, LanRole::Server, SlotNewPlayer, "Sam");
  const PeerArrival line = f.Receive("s2hi there");
  ASSERT_EQ(line.kind, Kind::Chat);
  EXPECT_EQ(line.chat.sender, '2');
  EXPECT_EQ(line.chat.text, "hi there");
  EXPECT_EQ(f.Receive("s9bad sender").kind, Kind::Ignored);
  EXPECT_EQ(f.state.round.TurnState, Turn::Connecting);

  EXPECT_EQ(LanChatLine(f.state, "hello"), "s1hello");
  EXPECT_EQ(LanChatLine(f.state, ""), "");
  f.state.network.NetRole = LanRole::Client;
  EXPECT_EQ(LanChatLine(f.state, "a text of twenty chars"), "s2a text of twent");
}

TEST(LanPeerGone, InterruptsOnlyAGameOnTheTable) {
  LanFixture waiting;
  BeginLanGame(waiting.state, LanRole::Client, SlotNewPlayer, "Cleo");
  EXPECT_FALSE(PeerWentAway(waiting.state)) << "the wait window handles a lost connection";
  waiting.Receive(WelcomeMessage("Sam"));
  waiting.Record(StartGame(waiting.state, waiting.random, waiting.services, false));
  EXPECT_TRUE(PeerWentAway(waiting.state)) << "a client waiting for its deal";

  LanFixture playing = ClientInPlay();
  EXPECT_TRUE(PeerWentAway(playing.state));
  EXPECT_FALSE(playing.state.round.TableActive);
  EXPECT_EQ(playing.state.round.TurnState, Turn::Idle);
  EXPECT_TRUE(playing.services.calls.empty()) << "nothing of the game is recorded";

  LanFixture over = ClientInPlay();
  over.state.round.RoundOver = true;
  over.state.round.RoundResult = ResultLocalWon;
  EXPECT_FALSE(PeerWentAway(over.state));
  EXPECT_TRUE(over.state.round.TableActive);
}

}  // namespace
}  // namespace fibwick

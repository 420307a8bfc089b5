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

// The messages the framer hands out for these reads; the last line is then left quiet.
std::vector<std::string> Frames(const std::vector<std::string>& reads) {
  LanFramer framer;
  std::vector<std::string> out;
  const auto take = [&] {
    for (std::string m = framer.Next(); !m.empty(); m = framer.Next()) out.push_back(m);
  };
  for (const std::string& read : reads) {
    framer.Feed(read);
    take();
  }
  framer.Settle();
  take();
  return out;
}

TEST(LanFraming, MessagesJoinedOrSplitComeOutWhole) {
  const std::string move = PutOf("Ks", "K");
  const std::string challenge = Challenge("K");
  const std::string hello = HelloMessage("Ann");
  const std::string welcome = WelcomeMessage("Bob");
  const std::string deal = LanDealMessage(SomeDeal());
  const std::string brokenMove = "##############2";
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
      {"chat split, then a move", {"s2hel", "lo bob" + move}, {"s2hello bob", move}},
      {"a lone s, then the rest and a move", {"s", "2hi" + move}, {"s2hi", move}},
      {"full chat then a chat", {"s1fifteen chars!!s2ok"}, {"s1fifteen chars!!", "s2ok"}},
      {"a burst of lines in one read", {"s1ones1twos1three"}, {"s1one", "s1two", "s1three"}},
      {"chat text with digits and #", {"s1b and 9 and #"}, {"s1b and 9 and #"}},
      {"an overlong line, then a move",
       {"s1twenty characters!" + move},
       {"s1twenty characters!", move}},
      {"a move after half a deal waits",
       {deal.substr(0, 72), deal.substr(72) + move},
       {deal, move}},
      {"an abort between moves", {move + "abort" + challenge}, {move, "abort", challenge}},
      {"noise", {"xyz"}, {}},
      {"noise before a hello", {"\x01GET / HTTP/1.1\r\n\r\n", hello}, {hello}},
      {"a wrong hello, then the right one", {"nuv2125connect1Mallory   " + hello}, {hello}},
      {"a broken move before the hello is noise", {brokenMove + hello}, {hello}},
      {"noise between moves", {hello, move + "\x01\x02" + move}, {hello, move, move}},
      {"after the hello a broken move comes out whole",
       {hello, brokenMove + move},
       {hello, brokenMove, move}},
  };
  for (const Case& c : cases) EXPECT_EQ(Frames(c.reads), c.messages) << c.what;
}

// TCP may cut the stream anywhere: every cut gives the same messages.
TEST(LanFraming, AStreamCutAtEveryByteComesOutTheSame) {
  const std::vector<std::string> stream = {HelloMessage("Ann"),
                                           "s2hello there",
                                           PutOf("Ks", "K"),
                                           "s2#9 ok",
                                           Challenge("K"),
                                           "abort",
                                           "s2a",
                                           LanDealMessage(SomeDeal()),
                                           "s2fifteen chars!!",
                                           "s2bye, see you"};
  std::string bytes;
  for (const std::string& message : stream) bytes += message;
  for (std::size_t cut = 1; cut < bytes.size(); ++cut) {
    EXPECT_EQ(Frames({bytes.substr(0, cut), bytes.substr(cut)}), stream) << "cut at " << cut;
  }
}

TEST(LanFraming, AChatLineWaitsForItsEnd) {
  LanFramer framer;
  framer.Feed("s2hel");
  EXPECT_TRUE(framer.ChatOpen());
  EXPECT_EQ(framer.Next(), "");
  framer.Feed("lo there");
  EXPECT_EQ(framer.Next(), "");
  framer.Settle();
  EXPECT_EQ(framer.Next(), "s2hello there");
  EXPECT_FALSE(framer.ChatOpen());
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
    EXPECT_EQ(f.Receive(wrong).kind, Kind::Ignored) << wrong;
    EXPECT_EQ(f.state.round.TurnState, Turn::Connecting);
  }
  // The right hello after wrong ones on the same line is answered.
  LanFixture f;
  BeginLanGame(f.state, LanRole::Server, SlotNewPlayer, "A twenty char name!!");
  EXPECT_EQ(f.Receive("nuv2125connect1Mallory   ").kind, Kind::Ignored);
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

  // A deal with a card twice or a card of no deck breaks the rules and changes nothing.
  std::string twice = LanDealMessage(SomeDeal());
  twice.replace(3, 2, twice.substr(1, 2));
  std::string foreign = LanDealMessage(SomeDeal());
  foreign.replace(1, 2, "Zz");
  for (const std::string& broken : {twice, foreign}) {
    EXPECT_EQ(f.Receive(broken).kind, Kind::BrokeRules);
    EXPECT_TRUE(IsLanClientWaiting(f.state));
  }

  ASSERT_EQ(f.Receive(LanDealMessage(SomeDeal())).kind, Kind::Deal);
  EXPECT_EQ(f.state.hands.SeatCardCount[1], 12);
  EXPECT_EQ(f.state.hands.SeatCardCount[2], 12);
  EXPECT_EQ(f.state.round.TurnState, Turn::Opponent);
  // The server to move sends a deal instead of a move.
  EXPECT_EQ(f.Receive(LanDealMessage(SomeDeal())).kind, Kind::BrokeRules);
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
      {"a card the server does not hold", PutOf("9h", "9"), Kind::BrokeRules, Refusal::CardNotHeld},
      {"a challenge of nothing", Challenge("9"), Kind::BrokeRules, Refusal::NothingToChallenge},
      {"a malformed move", "##############2", Kind::BrokeRules, Refusal::None},
      {"abort", "abort", Kind::Ignored, Refusal::None},
  };
  for (const Case& c : refused) {
    const GameState before = f.state;
    const PeerArrival arrival = f.Receive(c.message);
    EXPECT_EQ(arrival.kind, c.kind) << c.what;
    EXPECT_EQ(arrival.refusal, c.refusal) << c.what;
    EXPECT_EQ(f.state, before) << c.what;
  }
  ASSERT_EQ(f.Receive(PutOf("9c", "9")).kind, Kind::Move);
  EXPECT_EQ(f.state.table.PileCount, 1);
  EXPECT_EQ(f.state.round.TurnState, Turn::Local);
  // Now it is ours to move: another move of the server is out of turn and ignored.
  const GameState before = f.state;
  EXPECT_EQ(f.Receive(PutOf("9s", "9")).kind, Kind::Ignored);
  EXPECT_EQ(f.state, before);
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

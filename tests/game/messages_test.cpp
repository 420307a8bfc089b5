#include "game/messages.h"

#include <gtest/gtest.h>

#include "table_fixture.h"

namespace fibwick {
namespace {

using testing::Card;
using testing::Rank;

MoveMessage Put(std::initializer_list<std::string_view> cards, std::string_view claim) {
  MoveMessage m;
  int k = 0;
  for (auto label : cards) {
    ++k;
    m.cards[k] = Card(label);
    m.ranks[k] = RankOfChar(m.cards[k].rank);
  }
  m.count = k;
  m.claim = Rank(claim);
  m.action = '2';
  return m;
}

TEST(MoveMessages, LayoutsByteForByte) {
  // Two kings of spades and hearts claimed as kings.
  EXPECT_EQ(BuildMoveMessage(Put({"Ks", "Kh"}, "K")),
            "\xCA\xEF\xCA\xF7####55002\xCA"
            "2");
  // Four cards, a bluff of aces: ranks are the cards' own.
  EXPECT_EQ(BuildMoveMessage(Put({"9h", "10d", "Jc", "Qs"}, "A")),
            "9\xF7"
            "1\xE1\xC2\xEA\xC4\xEF"
            "12344\xD2"
            "2");
  // A challenge repeats the standing claim; a pass carries no cards.
  MoveMessage challenge;
  challenge.claim = Rank("K");
  challenge.action = '1';
  EXPECT_EQ(BuildMoveMessage(challenge),
            "########00000\xCA"
            "1");
  MoveMessage pass;
  pass.claim = NoClaim;
  pass.action = '3';
  EXPECT_EQ(BuildMoveMessage(pass), "########00000#3");
}

TEST(MoveMessages, ReadBackWhatWasBuilt) {
  for (const MoveMessage& m : {Put({"Ks"}, "9"), Put({"9h", "10d", "Jc", "Qs"}, "A")}) {
    const auto read = ReadMoveMessage(BuildMoveMessage(m));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, m);
  }
  const auto challenge = ReadMoveMessage(
      "########00000\xCA"
      "1");
  ASSERT_TRUE(challenge);
  EXPECT_EQ(challenge->count, 0);
  EXPECT_EQ(challenge->claim, '\xCA');
}

TEST(MoveMessages, MalformedMovesAreRefused) {
  const std::string good =
      "\xCA\xEF\xCA\xF7####55002\xCA"
      "2";
  ASSERT_TRUE(ReadMoveMessage(good));
  const char* cases[] = {
      "\xCA\xEF\xCA\xF7####55009\xCA"
      "2",  // count digit above 4
      "\xCA\xEF\xCA\xF7####55005\xCA"
      "2",  // count 5
      "\xCA\xEF\xCA\xF7####59002\xCA"
      "2",  // rank digit above 6
      "\xCA\xEF\xCA\xF7####57002\xCA"
      "2",  // rank digit 7
      "\xCA\xEF\xCA\xF7####54002\xCA"
      "2",  // rank digit not the card's
      "6\xEF\xCA\xF7####15002\xCA"
      "2",  // a six is not in the deck
      "\xCA"
      "X\xCA\xF7####55002\xCA"
      "2",  // unknown suit
      "\xCA\xEF\xCA\xF7####55003\xCA"
      "2",  // count says three, two cards
      "\xCA\xEF\xCA\xF7####55001\xCA"
      "2",                            // count says one, two cards
      "\xCA\xEF\xCA\xF7####55002#2",  // a put without a claim
      "\xCA\xEF\xCA\xF7####55002X2",  // a claim that is no rank
      "\xCA\xEF\xCA\xF7####55002\xCA"
      "4",  // unknown action
      "########00000\xCA"
      "2",  // a put of no cards
      "\xCA\xEF######50001\xCA"
      "1",                              // a challenge carrying cards
      "\xCA\xEF\xCA\xF7####55002\xCA",  // too short
      "\xCA\xEF\xCA\xF7####55002\xCA"
      "2#",  // too long
      "",
  };
  for (const char* text : cases) EXPECT_FALSE(ReadMoveMessage(text)) << text;
}

TEST(Handshake, HelloAndWelcome) {
  const std::string hello = HelloMessage("Maximilian Longname");
  EXPECT_EQ(hello, "nuv2225connect1Maximilian");
  EXPECT_EQ(hello.size(), 25u);
  EXPECT_EQ(HelloMessage("Ann"), "nuv2225connect1Ann       ");
  EXPECT_EQ(ReadHello(hello), "Maximilian");  // the client's name arrives cut to 10

  for (const char* wrong : {"nuv2125connect1Ann       ", "nuv2224connect1Ann       ",
                            "nuv2225connekt1Ann       ", "NUV2225connect1Ann       ", "nuv22"}) {
    EXPECT_FALSE(ReadHello(wrong)) << wrong;
  }

  const std::string welcome = WelcomeMessage("Server Player Twenty");
  EXPECT_EQ(welcome.size(), 29u);
  EXPECT_EQ(welcome, "connect2Server Player Twenty1");
  EXPECT_EQ(ReadWelcome(welcome), "Server Player Twenty");  // the full 20 characters
  EXPECT_EQ(ReadWelcome(WelcomeMessage("Bo")), "Bo                  ");
  EXPECT_FALSE(ReadWelcome("connect1Bo"));
}

Deal SampleDeal() {
  Deal deal;
  for (int i = 1; i <= 12; ++i) {
    const auto rank = static_cast<RankIndex>((i - 1) / 2 + 1);
    deal.firstCards[i] = MakeCard(rank, static_cast<SuitIndex>((i - 1) % 2));
    deal.firstRanks[i] = rank;
    deal.secondCards[i] = MakeCard(rank, static_cast<SuitIndex>(2 + (i - 1) % 2));
    deal.secondRanks[i] = rank;
  }
  return deal;
}

TEST(Deals, LayoutAndReading) {
  const Deal deal = SampleDeal();
  const std::string text = LanDealMessage(deal);
  ASSERT_EQ(text.size(), 73u);
  EXPECT_EQ(text.substr(0, 5),
            "b9\xF7"
            "9\xE1");
  EXPECT_EQ(text.substr(25, 2), "9\xEA");  // the second twelve start at 26
  EXPECT_EQ(text.substr(49, 24), "112233445566112233445566");
  EXPECT_EQ(RelayDealMessage(deal), text);
  const auto read = ReadDeal(text);
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, deal);

  std::string twice = text;
  twice.replace(3, 2, text.substr(1, 2));  // the same card twice
  std::string badDigit = text;
  badDigit[60] = '9';
  for (const std::string& bad : {twice, badDigit, text.substr(0, 72), "x" + text.substr(1)}) {
    EXPECT_FALSE(ReadDeal(bad));
  }
}

TEST(Chat, LanAndRelayLines) {
  EXPECT_EQ(ChatMessage('1', "hello"), "s1hello");
  EXPECT_EQ(ChatMessage('2', "a very long line of chat"),
            "s2a very long lin");  // at most 15 characters
  const auto line = ReadChat("s2hi there");
  ASSERT_TRUE(line);
  EXPECT_EQ(line->sender, '2');
  EXPECT_EQ(line->text, "hi there");
  EXPECT_FALSE(ReadChat("x1hi"));

  EXPECT_EQ(RelayFrame("shello", 2), "shello#############2");
  const auto relayed = ReadRelayChat(RelayFrame("shello", 1));
  ASSERT_TRUE(relayed);
  EXPECT_EQ(relayed->sender, '1');
  EXPECT_EQ(relayed->text, "hello");
  // A move travels as its 15 characters, four '#' and the seat digit.
  EXPECT_EQ(RelayFrame("########00000\xCA"
                       "1",
                       2),
            "########00000\xCA"
            "1####2");
  // The seat digit overwrites a twentieth character.
  EXPECT_EQ(RelayFrame("12345678901234567890", 1), "12345678901234567891");
}

TEST(Chat, RelayDataSplitsIntoFrames) {
  const std::string a = RelayFrame("sone", 1), b = RelayFrame("stwo", 2);
  EXPECT_EQ(SplitRelayData(a + b), (std::vector<std::string>{a, b}));
  EXPECT_EQ(SplitRelayData(a), (std::vector<std::string>{a}));
  const std::string deal = RelayDealMessage(SampleDeal());
  EXPECT_EQ(SplitRelayData(deal), (std::vector<std::string>{deal}));
}

}  // namespace
}  // namespace fibwick

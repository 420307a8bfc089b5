#include "game/table_script.h"

#include <gtest/gtest.h>

#include "game/seat_table.h"
#include "rules/table_builder.h"
#include "table_fixture.h"

// The client's script for moves the rules have already decided: the happenings below are
// written by hand, so these tests hold the table's sounds, speech and flights and nothing else.
namespace fibwick {
namespace {

using rules::testing::Row;
using rules::testing::Side;
using rules::testing::TableFrom;
using rules::testing::Who;
using testing::Card;
using testing::Rank;
using Calls = std::vector<std::string>;

struct ScriptCase {
  const char* name;
  Seat mover;
  Move move;
  Side before;
  Side after;
  rules::Happening happened;
  CardFlights flights;
  Calls shown;
};

rules::Happening Laid(std::vector<std::string_view> cards) {
  rules::Happening happened;
  happened.kind = MoveKind::Put;
  happened.laid = Row(cards);
  return happened;
}

rules::Happening Challenged(std::vector<std::string_view> pile, int lastPut, bool lie, Seat taker) {
  rules::Happening happened;
  happened.kind = MoveKind::Challenge;
  happened.taken = Row(pile);
  happened.turned = happened.taken.Top(lastPut);
  happened.lie = lie;
  happened.taker = RulesSeat(taker);
  return happened;
}

rules::Happening Passed(int discarded) {
  rules::Happening happened;
  happened.kind = MoveKind::Pass;
  happened.discarded = discarded > 0;
  happened.discardedCount = discarded;
  return happened;
}

const Calls Silent = {"button challenge off", "button put off", "button pass off"};

Calls Join(std::initializer_list<Calls> parts) {
  Calls all;
  for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const ScriptCase Cases[] = {
    {"the computer lays two cards under a new claim",
     Seat::Opponent,
     Move::Put({Card("9h"), Card("Kd")}, Rank("K")),
     {.mine = {"9h", "Kd", "Ac"}, .theirs = {"9c"}},
     {.mine = {"Ac"},
      .theirs = {"9c"},
      .pile = {"9h", "Kd"},
      .lastPut = 2,
      .claim = "K",
      .newClaim = false,
      .toAct = Who::Theirs},
     Laid({"9h", "Kd"}),
     CardFlights::Off,
     {"hand 1 backs 1", "pile backs 2", "sound WHodsDo", "say 1 b I put two kings",
      "say 2 o Your move...", "claim Kh", "button challenge on", "button pass on",
      "button put off"}},
    {"the player's card flies from its place in the hand",
     Seat::Local,
     Move::Put({Card("Qs")}, Rank("9")),
     {.mine = {"9h", "Qs", "Ac"},
      .theirs = {"9c"},
      .pile = {"9d"},
      .lastPut = 1,
      .claim = "9",
      .newClaim = false},
     {.mine = {"9h", "Ac"},
      .theirs = {"9c"},
      .pile = {"9d", "Qs"},
      .lastPut = 1,
      .claim = "9",
      .newClaim = false,
      .toAct = Who::Theirs},
     Laid({"Qs"}),
     CardFlights::On,
     Join({{"hand 2 faces 2", "fly back:hand2@2>pile@2", "pile backs 2", "sound WHodsDo"},
           Silent,
           {"say 1 r I think... ", "say 2 b I put still one nine"}})},
    {"the player catches a lie: the pile turns over, waits, and goes to the computer",
     Seat::Local,
     Move::Challenge(Rank("K")),
     {.mine = {"9h"},
      .theirs = {"Ac"},
      .pile = {"9c", "9d"},
      .lastPut = 1,
      .claim = "K",
      .newClaim = false},
     {.mine = {"9h"}, .theirs = {"9c", "9d", "Ac"}, .claim = "K", .toAct = Who::Mine},
     Challenged({"9c", "9d"}, 1, true, Seat::Opponent),
     CardFlights::Off,
     Join({{"hand 2 faces 1", "sound WPlMore", "sound WPlMore", "pile faces marked 2",
            "say 2 b I don`t believe!"},
           Silent,
           {"pause 2500", "hand 1 backs 3", "table area", "say 2 o Your move...", "say 1 y PC",
            "claim none"}})},
    {"a lost challenge: the pile flies into the player's hand from the top down",
     Seat::Local,
     Move::Challenge(Rank("K")),
     {.mine = {"9h"},
      .theirs = {"Ac"},
      .pile = {"Kh", "Ks"},
      .lastPut = 1,
      .claim = "K",
      .newClaim = false},
     {.mine = {"9h", "Kh", "Ks"}, .theirs = {"Ac"}, .claim = "K", .toAct = Who::Theirs},
     Challenged({"Kh", "Ks"}, 1, false, Seat::Local),
     CardFlights::On,
     Join({{"hand 2 faces 1", "sound WPlMore", "sound WPlMore", "pile faces marked 2",
            "say 2 b I don`t believe!"},
           Silent,
           {"pause 2500", "pile faces 1", "fly Ks:pile@2>hand2", "hand 2 faces 2", "pile faces 0",
            "fly Kh:pile@1>hand2", "hand 2 faces 3", "say 1 r I think... ", "say 2 y Ann",
            "claim none"}})},
    {"the computer's pass answering the player's pass clears the table",
     Seat::Opponent,
     Move::Pass(Rank("K")),
     {.mine = {"Ac"},
      .theirs = {"9h"},
      .pile = {"Kh", "9d"},
      .lastPut = 1,
      .claim = "K",
      .newClaim = false,
      .theirsPassed = true},
     {.mine = {"Ac"}, .theirs = {"9h"}, .toAct = Who::Theirs},
     Passed(2),
     CardFlights::Off,
     Join({{"say 1 g Pass", "say 2 o Your move...", "sound WDing_1", "claim none", "table area"},
           Silent})},
};

TEST(TableScript, EachMoveIsShownAsScripted) {
  for (const ScriptCase& c : Cases) {
    SCOPED_TRACE(c.name);
    testing::TableFixture t;
    t.Running(c.mover == Seat::Local ? Turn::Local : Turn::Opponent);
    const rules::Seat mover = RulesSeat(c.mover);
    const rules::Table before = TableFrom(c.before, mover);
    const rules::Table after = TableFrom(c.after, mover);
    rules::Happening happened = c.happened;
    happened.mover = mover;
    StoreTable(t.state, after);
    TableEvents events;
    ScriptMove(t.state, {before, after, happened, c.move}, c.flights, events);
    t.Record(events);
    EXPECT_EQ(t.view.calls, c.shown);
  }
}

}  // namespace
}  // namespace fibwick

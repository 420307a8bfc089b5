#include "records/club_members.h"

#include <gtest/gtest.h>

#include "base/fixed_field.h"
#include "game/game_state.h"
#include "records/club_list.h"
#include "records_support.h"

namespace fibwick {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

ClubRecord Member(const std::string& name, double rating, int games = 10, int score = 0) {
  return {name, rating, games, score, EncodePassword(name.substr(0, 3))};
}

// A club of the given members (best rating first) and a top ten of 100, 90, ..., 10.
std::vector<std::string> Club(const std::vector<ClubRecord>& members) {
  std::vector<std::pair<std::string, int>> topTen;
  for (int place = 1; place <= 10; ++place) {
    topTen.emplace_back("Top" + std::to_string(place), 110 - place * 10);
  }
  auto lines = NewClubLines(topTen, "", "");
  for (std::size_t i = 0; i < members.size(); ++i) lines[i] = FormatMemberLine(members[i]);
  return lines;
}

std::string NameOn(const std::vector<std::string>& lines, std::size_t line) {
  return std::string(Trim(std::string_view(lines[line - 1]).substr(0, 20)));
}

TEST(ClubMembers, RemovingLineTwoMovesTheOthersUp) {
  auto lines =
      Club({Member("A", 5), Member("B", 4), Member("C", 3), Member("D", 2), Member("E", 1)});
  RemoveMemberLine(lines, 2);
  EXPECT_EQ(NameOn(lines, 1), "A");
  EXPECT_EQ(NameOn(lines, 2), "C");
  EXPECT_EQ(NameOn(lines, 3), "D");
  EXPECT_EQ(NameOn(lines, 4), "E");
  EXPECT_EQ(lines[4], FreeMemberLine());
  EXPECT_EQ(lines.size(), ClubLineCount);

  for (const int slot : {6, 7, 8, 0}) {
    auto same = Club({Member("A", 5)});
    RemoveMemberLine(same, slot);
    EXPECT_EQ(same, Club({Member("A", 5)})) << slot;
  }
}

TEST(ClubMembers, RecordEntersAboveTheFirstEqualOrLowerRating) {
  struct Case {
    double rating;
    int line;  // 0: not stored
  };
  const auto full =
      Club({Member("A", 5), Member("B", 4), Member("C", 3), Member("D", 2), Member("E", 1)});
  for (const Case c : {Case{6, 1}, Case{4, 2}, Case{3.5, 3}, Case{1, 5}, Case{0.999999, 0}}) {
    auto lines = full;
    const auto outcome = InsertRecordLines(lines, Member("New", c.rating), false);
    EXPECT_EQ(outcome.line, c.line) << c.rating;
    if (c.line > 0) {
      EXPECT_EQ(NameOn(lines, static_cast<std::size_t>(c.line)), "New");
      EXPECT_EQ(NameOn(lines, 5), c.line == 5 ? "New" : "D");  // old line 5 dropped
    } else {
      EXPECT_EQ(lines, full);
    }
  }
  // A free line takes any rating.
  auto lines = Club({Member("A", 5)});
  EXPECT_EQ(InsertRecordLines(lines, Member("Low", -50), false).line, 2);
}

TEST(ClubMembers, CycleEndEntersTheTopTenWithTiesAbove) {
  struct Case {
    int score;
    int place;
  };
  for (const Case c : {Case{150, 1}, Case{100, 1}, Case{95, 2}, Case{10, 10}, Case{9, 0}}) {
    auto lines = Club({});
    const auto outcome = InsertRecordLines(lines, Member("Zed", 1, 20, c.score), true);
    EXPECT_EQ(outcome.topTen.place, c.place) << c.score;
    EXPECT_EQ(outcome.topTen.score, c.score);
    if (c.place > 0) {
      EXPECT_EQ(lines[5 + c.place - 1], FormatTopTenLine("Zed", c.score));
      EXPECT_EQ(TopTenScore(lines[14]), c.place == 10 ? c.score : 20);  // old tenth dropped
    }
  }
}

TEST(ClubMembers, GameFortyEntersTheTopTenAndRestartsTheScore) {
  TempFolder folder;
  const auto file = folder / ClubFileName;
  ASSERT_TRUE(WriteClubFile(file, Club({Member("A", 5), Member("Pat", 2.5, 20, 40)})));
  const auto record = Member("Pat", 3.25, 40, 95);
  const auto update = EndClubSession(file, 2, record, 40 % 20 == 0);
  ASSERT_EQ(update.status, ClubUpdateStatus::Done);
  EXPECT_EQ(update.topTen.place, 2);
  EXPECT_EQ(update.topTen.score, 95);
  EXPECT_EQ(update.line, 2);

  ASSERT_EQ(CheckClubFile(file).outcome, ClubCheckOutcome::Valid);
  const auto lines = *ReadClubFile(file);
  auto expected = record;
  expected.score = 0;
  EXPECT_EQ(lines[1], FormatMemberLine(expected));
  EXPECT_EQ(std::string_view(lines[1]).substr(20, 24), "  3,250000     40      0");
  EXPECT_EQ(lines[6], FormatTopTenLine("Pat", 95));
}

TEST(ClubMembers, SessionEndsOfEachSlot) {
  TempFolder folder;
  const auto file = folder / ClubFileName;
  const auto club = Club({Member("A", 5), Member("B", 4)});
  ASSERT_TRUE(WriteClubFile(file, club));
  const auto before = ReadBytes(file);

  // The online and the tournament player are kept by the game service, not here.
  for (const int slot : {SlotRatedOnline, SlotTournament}) {
    EXPECT_EQ(EndClubSession(file, slot, Member("Online", 9), true).status,
              ClubUpdateStatus::Unchanged);
    EXPECT_EQ(ReadBytes(file), before);
  }
  // A newcomer removes nobody; a tie with B places him above B.
  const auto update = EndClubSession(file, SlotNewPlayer, Member("Guest", 4), false);
  EXPECT_EQ(update.line, 2);
  const auto lines = *ReadClubFile(file);
  EXPECT_EQ(NameOn(lines, 1), "A");
  EXPECT_EQ(NameOn(lines, 2), "Guest");
  EXPECT_EQ(NameOn(lines, 3), "B");
}

TEST(ClubMembers, AbandonedGameCostsThePlaceInTheClub) {
  TempFolder folder;
  const auto file = folder / NetClubFileName;
  ASSERT_TRUE(WriteClubFile(file, Club({Member("A", 5), Member("B", 4), Member("C", 3)})));
  ASSERT_EQ(RemoveMember(file, 1).status, ClubUpdateStatus::Done);
  ASSERT_EQ(CheckClubFile(file).outcome, ClubCheckOutcome::Valid);
  const auto lines = *ReadClubFile(file);
  EXPECT_EQ(NameOn(lines, 1), "B");
  EXPECT_EQ(NameOn(lines, 2), "C");
  EXPECT_EQ(RemoveMember(folder / "missing.clb", 1).status, ClubUpdateStatus::IncorrectFile);
}

TEST(ClubMembers, ChangeOfNameKeepsTheFiguresAndFollowsTheRating) {
  TempFolder folder;
  const auto file = folder / ClubFileName;
  ASSERT_TRUE(WriteClubFile(file, Club({Member("A", 5), Member("B", 4, 33, 70), Member("C", 4)})));
  // C rates the same as B: taken out and put back, the renamed B lands above C again.
  const auto update = ChangeName(file, 2, "Bea", "new");
  ASSERT_EQ(update.status, ClubUpdateStatus::Done);
  EXPECT_EQ(update.line, 2);
  const auto lines = *ReadClubFile(file);
  const auto bea = ParseMemberLine(lines[1]);
  ASSERT_TRUE(bea.has_value());
  EXPECT_EQ(Trim(bea->name), "Bea");
  EXPECT_EQ(bea->games, 33);
  EXPECT_EQ(bea->score, 70);
  EXPECT_TRUE(PasswordMatches("new", bea->passwordDigits));

  // The last of three equals moves to the top of them; the caller's slot must follow.
  EXPECT_EQ(ChangeName(file, 3, "Cy", "c").line, 2);
  EXPECT_EQ(ChangeName(file, 5, "Nobody", "x").status, ClubUpdateStatus::Unchanged);
}

TEST(ClubList, ButtonTextsOfBothModes) {
  const auto pat = FormatMemberLine(Member("Pat", -3.456, 45, -20));
  EXPECT_EQ(ClubButtonText(pat, 1), FitLeft("Pat", 20) + "    " + "  5" + "    " + "   -20");
  EXPECT_EQ(ClubButtonText(pat, 2), FitLeft("Pat", 20) + "  " + "     45" + "  " + " -3,46");
  EXPECT_EQ(ClubButtonText(FreeMemberLine(), 1), std::string(20, '#') + "    ###    ######");
  EXPECT_EQ(ClubButtonText(FreeMemberLine(), 2), std::string(20, '#') + "  #######  ######");
  EXPECT_EQ(AccountButtonText("Surfer", 45, 10, 1.5, 2),
            FitLeft("Surfer", 20) + "  " + "     45" + "  " + "  1,50");
  EXPECT_EQ(ClubListHeader(1), MsgClubHeaderScore);
  EXPECT_EQ(ClubListHeader(2), MsgClubHeaderRating);
}

TEST(ClubList, LongNamesAreShortenedToTheWidth) {
  const TextWidth tenPixels = [](std::string_view text) {
    return static_cast<int>(text.size()) * 10;
  };
  const std::string rest = "    ###    ######";  // 17 characters
  struct Case {
    std::string name;
    int limit;
    std::string shown;
  };
  for (const Case& c : {
           Case{"Bartholomew Hamptons", 371, "Bartholomew Hamptons"},  // 37 characters fit
           Case{"Bartholomew Hamptons", 361, "Bartholomew Hamp..."},   // one letter lost
           Case{"Ann", 361, "Ann                "},                    // only blanks lost
           Case{std::string(20, '#'), 361, std::string(19, '#')},
           Case{"Bartholomew Hamptons", 100, "B..."},  // never below four name characters
       }) {
    EXPECT_EQ(ShortenToWidth(FitLeft(c.name, 20) + rest, c.limit, tenPixels), c.shown + rest)
        << c.name << " " << c.limit;
  }
}

TEST(ClubList, ReadsButtonsAndTopTenPanels) {
  TempFolder folder;
  const auto file = folder / ClubFileName;
  ASSERT_TRUE(WriteClubFile(file, Club({Member("Pat", 1, 45, 15)})));
  const auto list = ReadClubList(file, 1, [](std::string_view) { return 0; });
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ(list->buttons[0], FitLeft("Pat", 20) + "    " + "  5" + "    " + "    15");
  EXPECT_EQ(list->buttons[1], ClubButtonText(FreeMemberLine(), 1));
  EXPECT_EQ(list->panels[0], FitLeft("Top1", 20) + "  " + "   100");
  EXPECT_FALSE(ReadClubList(folder / "none.clb", 1, {}).has_value());
}

}  // namespace
}  // namespace fibwick

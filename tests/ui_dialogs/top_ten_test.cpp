#include "dialogs_support.h"
#include "ui/dialogs/fixed_texts.h"
#include "ui/dialogs/top_ten_dialog.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;

using TopTen = DialogTest;

TEST_F(TopTen, RowsOfARealClubFile) {
  WriteClub({{"Anna", 3.5, 40, 12, EncodePassword("ab")}}, SampleTopTen());
  TopTenDialog dialog(*context_, nullptr);
  ASSERT_EQ(dialog.Rows().size(), 10u);
  const TopTenRow& first = dialog.Rows()[0];
  EXPECT_EQ(first.place, "1.");
  EXPECT_EQ(first.name, "Alice");
  EXPECT_EQ(first.score, "180");
  EXPECT_TRUE(first.podium);
  EXPECT_TRUE(dialog.Rows()[2].podium);
  EXPECT_FALSE(dialog.Rows()[3].podium);
  EXPECT_EQ(dialog.Rows()[9].place, "10.");
  EXPECT_EQ(dialog.Rows()[9].name, "Judy");
  EXPECT_EQ(dialog.Rows()[9].score, "5");
  EXPECT_EQ(dialog.BoardTitle(), LocalBoardTitle);
}

TEST_F(TopTen, NetworkModeReadsTheNetworkClub) {
  WriteClub({}, SampleTopTen());
  auto net = SampleTopTen();
  net[0] = {"Lan Champion", 300};
  WriteClub({}, net, NetClubFileName);
  settings_.NetworkGame = true;
  TopTenDialog dialog(*context_, nullptr);
  ASSERT_EQ(dialog.Rows().size(), 10u);
  EXPECT_EQ(dialog.Rows()[0].name, "Lan Champion");
  EXPECT_EQ(dialog.Rows()[0].score, "300");
  EXPECT_EQ(dialog.BoardTitle(), NetBoardTitle);
}

TEST_F(TopTen, ADamagedFileShowsNoRows) {
  std::vector<std::string> lines = NewClubLines(SampleTopTen(), "", "");
  lines.pop_back();
  EXPECT_TRUE(TopTenRows(lines).empty());
  TopTenDialog dialog(*context_, nullptr);  // no file at all
  EXPECT_TRUE(dialog.Rows().empty());
}

}  // namespace
}  // namespace fibwick

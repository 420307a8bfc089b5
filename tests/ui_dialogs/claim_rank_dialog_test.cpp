#include "ui/dialogs/claim_rank_dialog.h"

#include "dialogs_support.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Text;

using RankChooser = DialogTest;

TEST_F(RankChooser, NineButtonsWithSixToEightOutOfTheShortDeck) {
  SetLanguage(1);
  ClaimRankDialog dialog(*context_, nullptr);
  dialog.show();
  const QStringList expected = {"6",        "7",        "8",        "9",       "10",
                                Text(MsgJ), Text(MsgQ), Text(MsgK), Text(MsgA)};
  for (int i = 0; i < RankButtonCount; ++i) {
    EXPECT_EQ(dialog.Button(i)->text(), expected[i]);
    EXPECT_EQ(dialog.Button(i)->isEnabled(), i >= 3) << i;
  }
  EXPECT_EQ(Text(MsgJ), QString::fromUtf8("В"));
  EXPECT_EQ(dialog.windowTitle(), Text(MsgWhatPut));
}

TEST_F(RankChooser, EachButtonClaimsItsRank) {
  for (int i = 3; i < RankButtonCount; ++i) {
    ClaimRankDialog dialog(*context_, nullptr);
    dialog.show();
    dialog.Button(i)->click();
    EXPECT_EQ(dialog.ChosenRank(), RankChar(static_cast<RankIndex>(i - 2)));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
}

TEST_F(RankChooser, OnlyARankClosesIt) {
  ClaimRankDialog dialog(*context_, nullptr);
  dialog.show();
  dialog.reject();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.close());
  EXPECT_TRUE(dialog.isVisible());
  dialog.Button(0)->click();  // "6" is disabled
  EXPECT_EQ(dialog.ChosenRank(), NoClaim);
  dialog.Button(8)->click();
  EXPECT_EQ(dialog.ChosenRank(), RankChar(6));
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace fibwick

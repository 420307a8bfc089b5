#include "ui/dialogs/general_count_dialog.h"

#include "dialogs_support.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Text;

using GeneralCount = DialogTest;

TEST_F(GeneralCount, SevenFiguresUnderTheirLabels) {
  const TCount count = MakeCount({.gameNumber = 45,
                                  .gamesPerCycle = 20,
                                  .baseScore = 30,
                                  .sessionScore = 12,
                                  .startRating = 1.5,
                                  .currentRating = 1.75});
  const auto rows = CountRows(count);
  const std::array<Message, CountRowCount> labels = {
      MsgGeneralNumberOfGame, MsgRoundInCycle,     MsgTheInitialScore, MsgTheCurrentScore,
      MsgTheGeneralScore,     MsgTheInitialRating, MsgTheCurrentRating};
  const std::array<std::string, CountRowCount> values = {
      count.Count_KonAll, count.Count_KonCur, count.Count_ScoBeg, count.Count_ScoCur,
      count.Count_ScoAll, count.Count_ReiBeg, count.Count_ReiCur};
  for (int i = 0; i < CountRowCount; ++i) {
    EXPECT_EQ(rows[i].first, Text(labels[i]));
    EXPECT_EQ(rows[i].second.toStdString(), values[i]);
  }
  EXPECT_EQ(rows[0].second, "45");

  GeneralCountDialog dialog(*context_, count, "Ann" + std::string(17, ' '), 2, HistoryKind::Network,
                            nullptr);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Player:  Ann");
}

TEST_F(GeneralCount, TheFilmsTellTheKindOfGame) {
  EXPECT_EQ(GameKindFilms(HistoryKind::Local), QStringList({"GClubC", "GClubF"}));
  EXPECT_EQ(GameKindFilms(HistoryKind::Account), QStringList({"GClubA", "GClubB"}));
  EXPECT_EQ(GameKindFilms(HistoryKind::Network), QStringList({"GClubG"}));
  EXPECT_EQ(GameKindFilms(HistoryKind::Tournament), QStringList({"GClubE"}));
}

TEST_F(GeneralCount, TheLampTellsTheOnlineState) {
  EXPECT_EQ(AccountLampPicture(1), "LampR24");
  EXPECT_EQ(AccountLampPicture(2), "LampY24");
  EXPECT_EQ(AccountLampPicture(3), "LampG24");
}

}  // namespace
}  // namespace fibwick

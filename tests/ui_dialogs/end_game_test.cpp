#include "dialogs_support.h"
#include "ui/dialogs/end_game_dialog.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;

using EndOfGame = DialogTest;

QStringList Texts(const EndGameView& view) {
  QStringList texts;
  for (const EndGameLine& line : view.lines) texts << line.text;
  return texts;
}

TEST_F(EndOfGame, TextsByPlaceAndKind) {
  struct Case {
    EndGameInput input;
    QStringList lines;
    QString animation;
    int stillFrame;
    QString sound;
  };
  const std::vector<Case> cases = {
      {{1, 180, GameKind::Computer, 0},
       {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 180",
        "You become a Master of the Order!"},
       "GEndBest",
       25,
       "WFiBest"},
      {{1, 180, GameKind::Network, 0},
       {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 180",
        "You become a Bachelor of the Order!"},
       "GEndBest",
       25,
       "WFiBest"},
      {{1, 180, GameKind::RatedOnline, 0},
       {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 180",
        "You become the Vice-President of the order!"},
       "GEndBest",
       25,
       "WFiBest"},
      {{10, 40, GameKind::Computer, 0},
       {"CONGRATULATIONS!!!", "Good result!", "Result: 40", "You have hitted in top ten players!"},
       "GEndGood",
       24,
       "WFiGood"},
      {{0, -30, GameKind::Computer, 0},
       {"Our regrets...", "Your result keeps to wish best", "Result: -30",
        "You have not hitted in ten best players..."},
       "GEndBads",
       3,
       "WFiBads"},
      {{14, 20, GameKind::RatedOnline, 0},
       {"Our regrets...", "Your result keeps to wish best", "Result: 20 ; Place: 14",
        "You have not hitted in ten best players..."},
       "GEndBads",
       3,
       "WFiBads"},
  };
  for (const Case& c : cases) {
    const EndGameView view = ChooseEndGameView(c.input);
    EXPECT_EQ(Texts(view), c.lines) << c.input.place;
    EXPECT_EQ(view.animation, c.animation);
    EXPECT_EQ(view.stillFrame, c.stillFrame);
    EXPECT_EQ(view.loops, c.input.place == 0 || c.input.place > 10);
    EXPECT_EQ(view.sound, c.sound);
    EXPECT_EQ(view.lines[2].colour, LineColour::Green);
    EXPECT_EQ(view.medal, c.input.place >= 1 && c.input.place <= 10);
    EXPECT_FALSE(view.rewardShown);
  }
  EXPECT_EQ(ChooseEndGameView({7, 50, GameKind::Computer, 0}).placePicture, "GPlace07");
}

TEST_F(EndOfGame, ARatedRewardIsAnnouncedInRed) {
  const EndGameView view = ChooseEndGameView({3, 90, GameKind::RatedOnline, 25});
  EXPECT_TRUE(view.rewardShown);
  EXPECT_EQ(view.reward.text, "You get 25 Nuvs!!!");
  EXPECT_EQ(view.reward.colour, LineColour::Red);
  EXPECT_FALSE(ChooseEndGameView({3, 90, GameKind::Computer, 25}).rewardShown);
}

TEST_F(EndOfGame, TheDialogPlaysTheSoundOfItsOutcome) {
  std::vector<std::string> played;
  context_->playSound = [&](std::string_view sound) { played.emplace_back(sound); };
  EndGameDialog dialog(*context_, {2, 120, GameKind::Computer, 0}, nullptr);
  dialog.show();
  EXPECT_EQ(played, std::vector<std::string>{"WFiGood"});
  EXPECT_EQ(dialog.windowTitle(), "The completion of game");
  dialog.OkButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace fibwick

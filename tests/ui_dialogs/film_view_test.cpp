#include "ui/dialogs/film_view.h"

#include <QTest>

#include "dialogs_support.h"

namespace fibwick {
namespace {

// Every animation the dialogs name is built in, frame by frame.
TEST(FilmView, TheDialogsFilmsAreBuiltIn) {
  for (const char* name : {"GEndBest", "GEndGood", "GEndBads", "GPw", "GTopTen", "GClubA", "GClubB",
                           "GClubC", "GClubE", "GClubF", "GClubG"}) {
    EXPECT_GT(LoadFilm(LoadBuiltinPicture, name).size(), 1u) << name;
  }
  EXPECT_TRUE(LoadFilm(LoadBuiltinPicture, "GNoSuchFilm").empty());
}

TEST(FilmView, WithAnimationsOffTheFilmStandsOnItsStillFrame) {
  FilmView still(LoadBuiltinPicture, "GEndBest", false, false, 25, nullptr);
  still.show();
  EXPECT_EQ(still.Frame(), 24);
  EXPECT_FALSE(still.Running());
  EXPECT_EQ(still.size(), QSize(160, 160));

  FilmView beyond(LoadBuiltinPicture, "GEndBads", true, false, 25, nullptr);
  EXPECT_EQ(beyond.Frame(), beyond.FrameCount() - 1);  // held to the film
}

TEST(FilmView, AFilmThatPlaysOnceStopsOnItsLastFrame) {
  FilmView once(LoadBuiltinPicture, "GEndGood", false, true, 1, nullptr);
  once.show();
  EXPECT_TRUE(once.Running());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !once.Running(); }, 5000));
  EXPECT_EQ(once.Frame(), once.FrameCount() - 1);

  FilmView looping(LoadBuiltinPicture, "GEndBads", true, true, 1, nullptr);
  looping.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return looping.Frame() == looping.FrameCount() - 1; }, 5000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return looping.Frame() == 0; }, 2000));
  EXPECT_TRUE(looping.Running());
}

}  // namespace
}  // namespace fibwick

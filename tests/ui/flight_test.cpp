#include <gtest/gtest.h>

#include "ui/card_sprite.h"
#include "ui/flight_path.h"
#include "ui/flight_scene.h"
#include "ui_test_support.h"

namespace fibwick {
namespace {

using testing_support::Solid;

constexpr QRgb Felt = 0xFF006000;
constexpr QRgb Red = 0xFFFF0000;

TEST(FlightPath, FollowsTheLineOnePixelAlongTheLongerAxis) {
  struct Case {
    const char* what;
    FlightPixel from, to;
    int steps;
    int step;
    FlightPixel at;
  };
  const Case cases[] = {
      {"purely vertical", {40, 10}, {40, 60}, 50, 7, {40, 17}},
      {"purely horizontal, leftwards", {300, 80}, {100, 80}, 200, 20, {280, 80}},
      {"steep, up and right", {100, 395}, {250, 150}, 245, 1, {101, 394}},
      {"shallow diagonal, ties to even", {0, 0}, {4, 2}, 4, 1, {1, 0}},
      {"shallow diagonal, tie rounds up to even", {0, 0}, {4, 2}, 4, 3, {3, 2}},
      {"the last step lands on the end", {7, 9}, {70, 33}, 63, 63, {70, 33}},
      {"start equals end", {5, 5}, {5, 5}, 0, 0, {5, 5}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FlightSteps(c.from, c.to), c.steps) << c.what;
    const FlightPixel at = FlightPointAt(c.from, c.to, c.step);
    EXPECT_EQ(at, c.at) << c.what << ": got " << at.x << "," << at.y;
  }
}

TEST(FlightPath, SpeedLevelsSetThePaceAndTheIconsTurn) {
  const int micros[] = {2000, 1000, 500, 333, 200, 200};
  const int icon[] = {110, 95, 80, 65, 40, 25};
  for (int speed = 1; speed <= 6; ++speed) {
    const FlightPace pace = PaceOfSpeed(speed);
    EXPECT_EQ(pace.stepMicroseconds, micros[speed - 1]) << speed;
    EXPECT_EQ(pace.iconIntervalMs, icon[speed - 1]) << speed;
    EXPECT_EQ(pace.skipsFirstStep, speed == 6) << speed;
  }
  EXPECT_EQ(PaceOfSpeed(0).stepMicroseconds, 2000);
  EXPECT_EQ(PaceOfSpeed(9).iconIntervalMs, 25);
}

// A 20 x 30 red card whose top-left pixel is cut away.
TSprite RedCard() {
  TSprite sprite;
  sprite.Width = 20;
  sprite.Height = 30;
  sprite.picture = Solid(20, 30, Red, QImage::Format_ARGB32_Premultiplied);
  sprite.picture.setPixel(0, 0, 0);
  return sprite;
}

TEST(FlightScene, TheCardMovesOverAnUnchangedTableAndLeavesNothingBehind) {
  const QImage table = Solid(300, 200, Felt, QImage::Format_RGB32);
  FlightScene scene;
  scene.Begin(table, {{RedCard(), {10, 10}, {110, 10}}});
  EXPECT_EQ(scene.Picture().pixel(15, 15), Red);
  EXPECT_EQ(scene.Picture().pixel(10, 10), Felt);  // the cut corner lets the table through

  const QRect changed = scene.Advance(50);
  EXPECT_TRUE(changed.contains(QRect(10, 10, 20, 30)));  // where it was
  EXPECT_TRUE(changed.contains(QRect(60, 10, 20, 30)));  // and where it is
  EXPECT_EQ(scene.Picture().pixel(15, 15), Felt);
  EXPECT_EQ(scene.Picture().pixel(65, 15), Red);
  EXPECT_EQ(scene.Picture().pixel(60, 10), Felt);
  EXPECT_FALSE(scene.Arrived());

  scene.Advance(1000);  // never past the end
  EXPECT_TRUE(scene.Arrived());
  EXPECT_EQ(scene.Picture().pixel(115, 15), Red);
  EXPECT_EQ(scene.Picture().pixel(131, 15), Felt);

  scene.Erase();
  EXPECT_EQ(scene.Picture(), table);
}

TEST(FlightScene, AGroupFliesTogetherAndEachCardStopsAtItsOwnEnd) {
  const QImage table = Solid(400, 300, Felt, QImage::Format_RGB32);
  FlightScene scene;
  scene.Begin(table, {{RedCard(), {0, 0}, {30, 0}},
                      {RedCard(), {200, 200}, {200, 100}},
                      {RedCard(), {300, 20}, {300, 20}}});
  scene.Advance(40);
  EXPECT_FALSE(scene.Arrived());
  EXPECT_EQ(scene.Picture().pixel(35, 5), Red);     // the first arrived after 30 steps
  EXPECT_EQ(scene.Picture().pixel(205, 165), Red);  // the second is 40 pixels up its way
  EXPECT_EQ(scene.Picture().pixel(305, 25), Red);   // the third never moves
  scene.Advance(60);
  EXPECT_TRUE(scene.Arrived());
  EXPECT_EQ(scene.Picture().pixel(205, 105), Red);
  EXPECT_EQ(scene.Picture().pixel(205, 165), Felt);
}

TEST(CardSprite, ASmallCardShowsTheTableThroughItsCutCorners) {
  CardArt art;
  art.smallFaces[CardSlot(MakeCard(1, 0))] = Solid(69, 94, Red, QImage::Format_RGB32);
  const TSprite sprite = MakeCardSprite(MakeCard(1, 0), art, MakeLayout(1, 0, 0, true));
  ASSERT_EQ(sprite.picture.size(), QSize(71, 96));
  for (const QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(70, 95)})
    EXPECT_EQ(qAlpha(sprite.picture.pixel(corner)), 0) << corner.x() << "," << corner.y();
  EXPECT_EQ(sprite.picture.pixel(2, 0), 0xFF000000);  // the outline
  EXPECT_EQ(sprite.picture.pixel(35, 48), Red);
}

}  // namespace
}  // namespace fibwick

// Card flights as the X server shows them. The test holds the clock the cards fly by and moves it
// to chosen steps, photographing each: what is seen never depends on the machine's speed.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/app_support.h"
#include "app/flight_clock.h"
#include "base/round_even.h"
#include "records/club_file.h"
#include "screens/screens_support.h"
#include "ui/flight_path.h"

namespace fibwick {
namespace {

using testing::ButtonNamed;
using testing::ClickCard;
using testing::HeldFlightClock;

// A card's corner and outline let the table through; its inside is the picture alone.
constexpr int Inset = 6;

QRect ToQRect(const PixelRect& r) {
  return {r.left, r.top, r.width, r.height};
}

// The inside of a card back as the computer's hand shows it: its last card lies whole.
QImage BackInside(const QImage& shot, const MainWindow& form) {
  const QRect hand = ToQRect(form.HandRect(1));
  const Layout& layout = form.CurrentLayout();
  const QRect card(hand.left() + form.HandPositions(1).back(), hand.top(), layout.cardWidth,
                   layout.cardHeight);
  return shot.copy(card.adjusted(Inset, Inset, -Inset, -Inset));
}

// Whether a card back's inside stands at `corner` (the card's top-left), pixel for pixel.
bool ShowsBackAt(const QImage& shot, FlightPixel corner, const QImage& back) {
  const QRect at(corner.x + Inset, corner.y + Inset, back.width(), back.height());
  return shot.rect().contains(at) && shot.copy(at) == back;
}

// The pixels of `area` that differ between two pictures, leaving out the `skipped` rectangles.
int ChangedPixels(const QImage& a, const QImage& b, const QRect& area,
                  const std::vector<QRect>& skipped) {
  int changed = 0;
  const QRect inside = area & a.rect() & b.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      bool skip = false;
      for (const QRect& r : skipped) skip = skip || r.contains(x, y);
      if (!skip && a.pixel(x, y) != b.pixel(x, y)) ++changed;
    }
  }
  return changed;
}

FlightPixel PilePlace(const MainWindow& form, int k) {
  const PilePoint at = PilePosition(form.CurrentLayout(), k);
  return {form.PileRect().left + at.x, form.PileRect().top + at.y};
}

// One flight held by the test: the clock moved to a step, then the picture once it shows the
// card there.
struct HeldFlight {
  MainWindow& form;
  HeldFlightClock& clock;
  FlightPixel from;
  FlightPixel to;
  double stepMicroseconds;

  int Steps() const { return FlightSteps(from, to); }
  FlightPixel At(int step) const { return FlightPointAt(from, to, step); }

  // The window when the card, drawn as `back`, stands at `step`; a null picture when it never
  // shows there.
  QImage PhotographStep(int step, const QImage& back) {
    clock.AdvanceTo(std::llround(step * stepMicroseconds));
    QImage shot;
    const bool seen = testing::WaitFor([&] {
      shot = Photograph(form);
      return ShowsBackAt(shot, At(step), back);
    });
    return seen ? shot : QImage();
  }
};

double StepMicroseconds(const MainWindow& form, double pauseFactor) {
  return PaceOfSpeed(form.CurrentSettings().FlightSpeed).stepMicroseconds * pauseFactor;
}

constexpr double FlightFactor = 1.0;

// The player's own put: the card leaves the hand face down and crosses the table to the pile,
// and nothing else on the way changes.
TEST(Flight, APutCardCrossesTheTableFaceDownFromTheHandOntoThePile) {
  testing::DialogAnswerer answerer;  // "Yes" to leaving the game at the end
  const fs::path folder = ProgramFolder("flight-shots", Settings{});
  HeldFlightClock clock;
  MainWindow form(
      folder,
      Pacing{.pauseFactor = FlightFactor, .computerTickMs = 1500, .flightClock = clock.Clock()});
  form.show();
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Intro && form.isVisible(); }));
  Wait(100);
  form.EndIntro();
  ParkPointer(form);
  form.StartMatch(SlotNewPlayer, "Flyer", EncodePassword("abc"));
  ASSERT_TRUE(WaitFor(
      [&] { return form.Game().round.TurnState == Turn::Local && form.TableQuiet(); }, 30000));
  ASSERT_FALSE(form.Game().claim.NewClaim);  // the computer opened: no rank is asked
  ClickCard(form, 1);
  ASSERT_TRUE(WaitFor([&] { return form.TableQuiet(); }));
  form.repaint();
  const QImage before = Photograph(form);
  const QImage back = BackInside(before, form);
  const QRect hand = ToQRect(form.HandRect(2));
  const QRect pile = ToQRect(form.PileRect());
  const int pileBefore = form.Game().table.PileCount;
  HeldFlight flight{form,
                    clock,
                    {hand.left() + form.HandPositions(2).front(), hand.top()},
                    PilePlace(form, pileBefore),
                    StepMicroseconds(form, FlightFactor)};
  ASSERT_GT(flight.Steps(), 100);

  clock.Hold();
  ButtonNamed(form, "Button8")->click();
  ASSERT_TRUE(form.Flying());
  // Between the top of the pile and the top of the hand the card travels and nothing else
  // changes but the buttons, which answer the click.
  const QRect way(0, pile.top(), before.width(), hand.top() - pile.top());
  std::vector<QRect> buttons;
  for (const char* name : {"Button7", "Button8", "Button12"})
    buttons.push_back(ButtonNamed(form, name)->geometry());
  for (int k = 0; k < 5; ++k) {
    const int step = k * (flight.Steps() - 1) / 4;
    SCOPED_TRACE("step " + std::to_string(step));
    const QImage shot = flight.PhotographStep(step, back);
    ASSERT_FALSE(shot.isNull()) << "the flying card is not a back at its place";
    Save(shot, "flight-" + std::to_string(k + 1) + ".png");
    const FlightPixel at = flight.At(step);
    std::vector<QRect> skipped = buttons;
    skipped.emplace_back(at.x, at.y, form.CurrentLayout().cardWidth + 2,
                         form.CurrentLayout().cardHeight + 2);
    EXPECT_EQ(ChangedPixels(before, shot, way, skipped), 0);
  }

  // Landed, the pile has a back more on its top, where the card flew to.
  const QImage landed = flight.PhotographStep(flight.Steps(), back);
  ASSERT_FALSE(landed.isNull());
  Save(landed, "flight-landed.png");
  EXPECT_EQ(form.Game().table.PileCount, pileBefore + 1);
  EXPECT_FALSE(ShowsBackAt(before, flight.to, back));
  form.close();
  fs::remove_all(folder);
}

// The computer's cards fly as they lie, face down: its bluffs stay hidden all the way.
TEST(Flight, TheComputersPutFliesAsABack) {
  testing::DialogAnswerer answerer;  // "Yes" to leaving the game at the end
  const fs::path folder = ProgramFolder("flight-computer", Settings{});
  HeldFlightClock clock;
  MainWindow form(
      folder,
      Pacing{.pauseFactor = FlightFactor, .computerTickMs = 200, .flightClock = clock.Clock()});
  form.show();
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Intro && form.isVisible(); }));
  Wait(100);
  form.EndIntro();
  ParkPointer(form);
  clock.Hold();
  form.StartMatch(SlotNewPlayer, "Flyer", EncodePassword("abc"));
  // Game 1 is the computer's to open: its first card takes off and stands still.
  ASSERT_TRUE(WaitFor([&] { return form.Flying(); }, 30000));
  ASSERT_EQ(form.Game().round.TurnState, Turn::Local);
  form.repaint();
  const QImage start = Photograph(form);
  const QImage back = BackInside(start, form);
  const PixelRect hand = form.HandRect(1);
  const Layout& layout = form.CurrentLayout();
  HeldFlight flight{form,
                    clock,
                    {hand.left + RoundEven((hand.width - layout.cardWidth) / 2.0), hand.top},
                    PilePlace(form, 0),
                    StepMicroseconds(form, FlightFactor)};
  ASSERT_GT(flight.Steps(), 40);
  for (int k = 1; k <= 4; ++k) {
    const int step = k * flight.Steps() / 4;
    SCOPED_TRACE("step " + std::to_string(step));
    ASSERT_FALSE(ShowsBackAt(start, flight.At(step), back)) << "a back lay there before";
    const QImage shot = flight.PhotographStep(step, back);
    ASSERT_FALSE(shot.isNull()) << "the computer's card shows its face";
    Save(shot, "computer-put-" + std::to_string(k) + ".png");
  }
  form.close();
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick

// One card flight as the X server shows it: photographs taken while a put card crosses the table.
#include <gtest/gtest.h>

#include <QPointF>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "app/app_support.h"
#include "records/club_file.h"
#include "screens/screens_support.h"

namespace fibwick {
namespace {

using testing::ButtonNamed;
using testing::ClickCard;

QRect ToQRect(const PixelRect& r) {
  return {r.left, r.top, r.width, r.height};
}

// The pixels of `area` that differ from the picture before the put: the card wherever it is.
struct Blob {
  int pixels = 0;
  QPointF centre;
  QRect bounds;
};

Blob ChangedPixels(const QImage& before, const QImage& now, const QRect& area) {
  Blob blob;
  double x = 0, y = 0;
  const QRect inside = area.intersected(before.rect()).intersected(now.rect());
  for (int row = inside.top(); row <= inside.bottom(); ++row) {
    for (int column = inside.left(); column <= inside.right(); ++column) {
      if (before.pixel(column, row) == now.pixel(column, row)) continue;
      ++blob.pixels;
      x += column;
      y += row;
      blob.bounds |= QRect(column, row, 1, 1);
    }
  }
  if (blob.pixels > 0) blob.centre = QPointF(x / blob.pixels, y / blob.pixels);
  return blob;
}

// The left edges of the places inside `area` where `picture` stands pixel for pixel.
std::vector<int> PlacesOf(const QImage& image, const QRect& area, const QImage& picture) {
  std::vector<int> lefts;
  const auto rowBytes = static_cast<std::size_t>(picture.width()) * 4;
  for (int top = area.top(); top + picture.height() <= area.bottom() + 1; ++top) {
    for (int left = area.left(); left + picture.width() <= area.right() + 1; ++left) {
      bool same = true;
      for (int row = 0; same && row < picture.height(); ++row) {
        same = std::memcmp(image.constScanLine(top + row) + left * 4, picture.constScanLine(row),
                           rowBytes) == 0;
      }
      if (same) lefts.push_back(left);
    }
  }
  return lefts;
}

TEST(Flight, APutCardCrossesTheTableFromTheHandOntoThePile) {
  testing::DialogAnswerer answerer;  // "Yes" to leaving the game at the end
  const fs::path folder = ProgramFolder("flight-shots", Settings{});
  // Slow flights, and a computer that thinks long enough for the put's flight to fly alone.
  TForm1 form(folder, Pacing{.pauseFactor = 4.0, .computerTickMs = 1500});
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
  Wait(100);
  const QImage before = Photograph(form);
  const QRect hand = ToQRect(form.HandRect(2));
  const QRect pile = ToQRect(form.PileRect());
  // Between the top of the pile and the top of the hand: where the card travels and nothing else
  // changes.
  const QRect way(0, pile.top(), before.width(), hand.top() - pile.top());

  ButtonNamed(form, "Button8")->click();
  std::vector<QImage> inFlight;
  while (form.Flying()) {
    const QImage shot = Photograph(form);
    if (form.Flying()) inFlight.push_back(shot);
    Wait(20);
  }
  Wait(100);
  const QImage landed = Photograph(form);

  // The frames where the card is over the table, whole or in part; five of them spread evenly.
  std::vector<QImage> seen;
  for (const QImage& shot : inFlight) {
    if (ChangedPixels(before, shot, way).pixels > 0) seen.push_back(shot);
  }
  ASSERT_GE(seen.size(), 5U) << "the flight went by too fast to be photographed";
  std::vector<QImage> frames;
  for (std::size_t k = 0; k < 5; ++k) frames.push_back(seen[k * (seen.size() - 1) / 4]);
  for (std::size_t k = 0; k < frames.size(); ++k) {
    Save(frames[k], "flight-" + std::to_string(k + 1) + ".png");
  }
  Save(landed, "flight-landed.png");

  const QPointF target = QRectF(pile).center();
  double lastDistance = 1e9;
  double lastY = 1e9;
  for (std::size_t k = 0; k < frames.size(); ++k) {
    SCOPED_TRACE(k);
    const Blob card = ChangedPixels(before, frames[k], way);
    ASSERT_GT(card.pixels, 0);
    const QPointF offset = card.centre - target;
    const double distance = std::hypot(offset.x(), offset.y());
    EXPECT_LT(card.centre.y(), lastY) << "the card does not rise towards the pile";
    EXPECT_LT(distance, lastDistance) << "the card does not come nearer the pile";
    lastY = card.centre.y();
    lastDistance = distance;
  }

  // Once landed nothing stays in the air, and the pile has a card back more on its top: the
  // back the computer's last card shows stands further right than any before. The rounded corners
  // let the cloth through, so only the inside of the back is compared.
  const QRect air = way.adjusted(0, pile.height(), 0, 0);
  EXPECT_EQ(ChangedPixels(before, landed, air).pixels, 0);
  const QRect computer = ToQRect(form.HandRect(1));
  const int lastBack = computer.left() + form.HandPositions(1).back();
  const Layout& layout = form.CurrentLayout();
  const QImage back = before.copy(
      QRect(lastBack, computer.top(), layout.cardWidth, layout.cardHeight).adjusted(6, 6, -6, -6));
  const std::vector<int> pileBefore = PlacesOf(before, pile, back);
  const std::vector<int> pileAfter = PlacesOf(landed, pile, back);
  ASSERT_FALSE(pileBefore.empty());
  ASSERT_FALSE(pileAfter.empty());
  EXPECT_GT(*std::max_element(pileAfter.begin(), pileAfter.end()),
            *std::max_element(pileBefore.begin(), pileBefore.end()));
  form.close();
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick

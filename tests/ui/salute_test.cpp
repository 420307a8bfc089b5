#include "ui/salute.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QPainter>
#include <QTemporaryDir>

#include "ui/ui_test_support.h"

namespace fibwick {
namespace {

using testing_support::WritePack;

// Frame k (from 1) of the film is a solid square whose red channel is 8 k, over a transparent
// border: the frame on screen tells which one is showing.
QImage NumberedFilm() {
  QImage film(SaluteFrameSize * SaluteFrameCount, SaluteFrameSize, QImage::Format_ARGB32);
  film.fill(Qt::transparent);
  QPainter p(&film);
  for (int frame = 1; frame <= SaluteFrameCount; ++frame) {
    p.fillRect((frame - 1) * SaluteFrameSize + 30, 30, 40, 40, QColor(8 * frame, 200, 40));
  }
  return film;
}

bool Eventually(const std::function<bool()>& condition) {
  const QDeadlineTimer deadline(5000);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

class SaluteTest : public ::testing::Test {
 protected:
  QTemporaryDir dir_;
};

TEST_F(SaluteTest, PlaysTheFilmAtThePointOverTheScreenAndGoesAway) {
  WritePack(dir_.filePath("NuvCGraph1.dll"), {{"GTouch.png", NumberedFilm()}});
  QWidget under;
  under.setWindowFlags(Qt::FramelessWindowHint);
  under.setGeometry(100, 50, 300, 250);
  QPalette blue = under.palette();
  blue.setColor(QPalette::Window, QColor(20, 40, 200));
  under.setPalette(blue);
  under.setAutoFillBackground(true);
  under.show();
  QApplication::processEvents();

  Salute salute{PackShelf(dir_.path())};
  salute.PlayAt(QPoint(200, 150));
  QPointer<SaluteEffect> effect = salute.Effect();
  ASSERT_NE(effect, nullptr);
  EXPECT_TRUE(effect->isVisible());
  EXPECT_TRUE(effect->isWindow());
  EXPECT_TRUE(effect->windowFlags().testFlag(Qt::WindowTransparentForInput));
  EXPECT_EQ(effect->geometry(), QRect(150, 100, SaluteFrameSize, SaluteFrameSize));
  EXPECT_EQ(effect->Frame(), 1);

  // The window shows the frame it is on, over the square of screen it saved.
  ASSERT_TRUE(Eventually([&] { return effect && effect->Frame() >= 3; }));
  const int frame = effect->Frame();
  const QImage shown = effect->grab().toImage();
  EXPECT_EQ(shown.pixelColor(50, 50), QColor(8 * frame, 200, 40));
  ASSERT_EQ(effect->Saved().size(), QSize(SaluteFrameSize, SaluteFrameSize));
  EXPECT_EQ(effect->Saved().pixelColor(5, 5), QColor(20, 40, 200));
  EXPECT_EQ(shown.pixelColor(5, 5), QColor(20, 40, 200));

  // Thirty frames later it is gone, and the event loop ran all along.
  EXPECT_TRUE(Eventually([&] { return effect.isNull(); }));
  EXPECT_EQ(salute.Effect(), nullptr);
}

TEST_F(SaluteTest, ASecondClickReplacesTheFirstEffect) {
  WritePack(dir_.filePath("NuvCGraph1.dll"), {{"GTouch.png", NumberedFilm()}});
  Salute salute{PackShelf(dir_.path())};
  salute.PlayAt(QPoint(200, 150));
  QPointer<SaluteEffect> first = salute.Effect();
  salute.PlayAt(QPoint(230, 160));
  EXPECT_TRUE(first.isNull());
  ASSERT_NE(salute.Effect(), nullptr);
  EXPECT_EQ(salute.Effect()->pos(), QPoint(180, 110));
  EXPECT_EQ(salute.Effect()->Frame(), 1);
}

// The effect plays between a button's press and its release: it must leave the window with the
// button active and the button's focus where it was.
TEST_F(SaluteTest, TheWindowUnderTheEffectKeepsTheFocus) {
  WritePack(dir_.filePath("NuvCGraph1.dll"), {{"GTouch.png", NumberedFilm()}});
  QWidget window;
  window.setGeometry(100, 50, 300, 250);
  auto* field = new QWidget(&window);
  field->setFocusPolicy(Qt::StrongFocus);
  window.show();
  window.activateWindow();
  field->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::activeWindow(), &window);

  Salute salute{PackShelf(dir_.path())};
  salute.PlayAt(QPoint(200, 150));
  QApplication::processEvents();
  ASSERT_NE(salute.Effect(), nullptr);
  EXPECT_EQ(QApplication::activeWindow(), &window);
  EXPECT_EQ(QApplication::focusWidget(), field);
}

TEST_F(SaluteTest, WithoutThePackOrItsFilmNothingHappens) {
  const auto windows = QApplication::topLevelWidgets().size();
  Salute nothing{PackShelf(dir_.path())};
  nothing.PlayAt(QPoint(200, 150));
  EXPECT_EQ(nothing.Effect(), nullptr);

  WritePack(dir_.filePath("NuvCGraph1.dll"), {{"GIcon48Opt.png", NumberedFilm()}});
  Salute noFilm{PackShelf(dir_.path())};
  noFilm.PlayAt(QPoint(200, 150));
  EXPECT_EQ(noFilm.Effect(), nullptr);
  EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
}

}  // namespace
}  // namespace fibwick

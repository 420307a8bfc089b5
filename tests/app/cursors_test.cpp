// The animated cursors: films play frame after frame only while the program's own cursors are
// on, the wait cursor covers the program for its scope, and dialog text boxes play the edit film
// while the pointer is over them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <vector>

#include "app/event_waits.h"
#include "ui/animated_cursor.h"
#include "ui/builtin_pictures.h"
#include "ui/dialogs/dialog_frame.h"

namespace fibwick {
namespace {

using testing::Wait;
using testing::WaitFor;

QImage FramePicture(const char* base, int frame) {
  return LoadBuiltinPicture(QString("%1_%2").arg(base).arg(frame, 2, 10, QChar('0')));
}

QImage Picture(const QCursor& cursor) {
  return cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

int FrameOf(const QCursor& cursor, const char* base) {
  for (int frame = 0; frame < CursorFilmFrames; ++frame) {
    if (Picture(cursor) == FramePicture(base, frame).convertToFormat(QImage::Format_ARGB32))
      return frame;
  }
  return -1;
}

struct FilmCase {
  CursorFilm film;
  const char* base;
  QPoint hotSpot;
  Qt::CursorShape system;
};

const std::vector<FilmCase> Films{
    {CursorFilm::PointingHand, "CURHAND", {12, 2}, Qt::PointingHandCursor},
    {CursorFilm::Wait, "CURWAIT", {16, 16}, Qt::WaitCursor},
    {CursorFilm::Edit, "CUREDIT", {16, 16}, Qt::IBeamCursor}};

TEST(AnimatedCursors, OwnFilmsPlayTheirFramesInOrderAndStopWhenTold) {
  for (const FilmCase& c : Films) {
    SCOPED_TRACE(c.base);
    std::vector<QCursor> shown;
    AnimatedCursor film(c.film, [&](const QCursor& cursor) { shown.push_back(cursor); });
    film.Start(true);
    Wait(CursorFrameMs * 4 + CursorFrameMs / 2);
    film.Stop();
    ASSERT_GE(shown.size(), 4U);
    for (std::size_t i = 0; i < shown.size(); ++i) {
      EXPECT_EQ(shown[i].shape(), Qt::BitmapCursor);
      EXPECT_EQ(shown[i].hotSpot(), c.hotSpot);
      EXPECT_EQ(FrameOf(shown[i], c.base), static_cast<int>(i) % CursorFilmFrames) << i;
    }
    const std::size_t stopped = shown.size();
    Wait(CursorFrameMs * 2);
    EXPECT_EQ(shown.size(), stopped);
  }
}

TEST(AnimatedCursors, SystemCursorsAreShownOnceAndNeverSwapped) {
  for (const FilmCase& c : Films) {
    SCOPED_TRACE(c.base);
    std::vector<QCursor> shown;
    AnimatedCursor film(c.film, [&](const QCursor& cursor) { shown.push_back(cursor); });
    film.Start(true);
    film.Start(false);
    EXPECT_FALSE(film.Swapping());
    Wait(CursorFrameMs * 3);
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown.back().shape(), c.system);
  }
  EXPECT_EQ(ArrowCursor(false).shape(), Qt::ArrowCursor);
  EXPECT_EQ(ArrowCursor(true).hotSpot(), QPoint(2, 2));
}

TEST(AnimatedCursors, TheWaitCursorCoversTheProgramForItsScope) {
  for (const bool own : {true, false}) {
    SCOPED_TRACE(own);
    {
      const WaitCursor wait(own);
      ASSERT_NE(QApplication::overrideCursor(), nullptr);
      if (own) {
        EXPECT_EQ(FrameOf(*QApplication::overrideCursor(), "CURWAIT"), 0);
        EXPECT_TRUE(
            WaitFor([] { return FrameOf(*QApplication::overrideCursor(), "CURWAIT") == 2; }));
      } else {
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
      }
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
}

TEST(AnimatedCursors, DialogTextBoxesPlayTheEditFilmUnderThePointer) {
  Settings settings;
  settings.RedCursor = true;
  DialogContext context(settings, ArtSources{}, {});
  DialogFrame dialog(context, {}, MsgOptions, QSize(300, 120), nullptr);
  auto* line = new QLineEdit(dialog.Content());
  auto* spin = new QSpinBox(dialog.Content());
  dialog.show();
  const auto enter = [](QWidget* box) {
    QEvent event(QEvent::Enter);
    QApplication::sendEvent(box, &event);
  };
  const auto leave = [](QWidget* box) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(box, &event);
  };
  QLineEdit* spinText = spin->findChild<QLineEdit*>();
  ASSERT_NE(spinText, nullptr);
  for (QLineEdit* box : {line, spinText}) {
    EXPECT_EQ(FrameOf(box->cursor(), "CUREDIT"), 0);
    Wait(CursorFrameMs * 2);
    EXPECT_EQ(FrameOf(box->cursor(), "CUREDIT"), 0);
    enter(box);
    EXPECT_TRUE(WaitFor([box] { return FrameOf(box->cursor(), "CUREDIT") == 3; }));
    leave(box);
    Wait(CursorFrameMs * 2);
    EXPECT_EQ(FrameOf(box->cursor(), "CUREDIT"), 3);
  }

  settings.RedCursor = false;
  enter(line);
  EXPECT_EQ(line->cursor().shape(), Qt::IBeamCursor);
}

}  // namespace
}  // namespace fibwick

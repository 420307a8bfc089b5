#pragma once

#include <QCursor>
#include <QTimer>
#include <QWidget>
#include <functional>

// The program's own mouse cursors: the still arrow and three films of eight frames, or the
// system's cursors when the player turned the own ones off.
namespace fibwick {

enum class CursorFilm { PointingHand, Wait, Edit };

inline constexpr int CursorFilmFrames = 8;
inline constexpr int CursorFrameMs = 120;

QCursor ArrowCursor(bool own);
// One frame of a film; the system's matching cursor when `own` is off or the frame is missing.
QCursor FilmCursor(CursorFilm film, int frame, bool own);

// Plays a film on whatever `show` puts a cursor on. The system's cursors are shown once and never
// swapped, so nothing wakes while they are up.
class AnimatedCursor {
 public:
  AnimatedCursor(CursorFilm film, std::function<void(const QCursor&)> show);
  AnimatedCursor(const AnimatedCursor&) = delete;
  AnimatedCursor& operator=(const AnimatedCursor&) = delete;

  void Start(bool own);
  void Stop() { timer_.stop(); }
  bool Swapping() const { return timer_.isActive(); }

 private:
  CursorFilm film_;
  std::function<void(const QCursor&)> show_;
  QTimer timer_;
  int frame_ = 0;
};

// The wait cursor over the whole program for as long as this lives.
class WaitCursor {
 public:
  explicit WaitCursor(bool own);
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  AnimatedCursor film_;
};

// Every text box under `root`, spin boxes' included, shows the edit cursor, played while the
// pointer is over it. `own` is asked each time the pointer comes in, so a changed option holds
// at once.
void GiveEditCursors(QWidget& root, std::function<bool()> own);

}  // namespace fibwick

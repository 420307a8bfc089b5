#pragma once

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "ui/packs.h"
#include "ui/salute_film.h"

// The click effect ("salute"): the graphics pack's film played where the pointer is, over
// whatever window lies there.
namespace fibwick {

class SaluteEffect;

class Salute {
 public:
  explicit Salute(PackShelf shelf) : shelf_(std::move(shelf)) {}
  ~Salute();
  Salute(const Salute&) = delete;
  Salute& operator=(const Salute&) = delete;

  // Plays the film centred on the pointer; nothing happens without the pack or its film.
  void Play();
  // The same, centred on a point of the screen.
  void PlayAt(QPoint screenPoint);

  // The window the film plays in while it plays; none otherwise.
  SaluteEffect* Effect() const { return effect_; }

 private:
  PackShelf shelf_;
  QPointer<SaluteEffect> effect_;
};

// A frameless window of one film frame's size that lets every click through. It shows the
// screen square it covers, saved when it started, with the frame over it, and closes itself
// after the last frame. The event loop runs on while it plays.
class SaluteEffect : public QWidget {
 public:
  SaluteEffect(QImage film, QImage saved, QPoint topLeft);

  int Frame() const { return frame_; }  // 1..SaluteFrameCount
  const QImage& Saved() const { return saved_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Advance();

  QImage film_;
  QImage saved_;  // null where the screen cannot be read: the window is see-through instead
  int frame_ = 1;
  QTimer timer_;
};

}  // namespace fibwick

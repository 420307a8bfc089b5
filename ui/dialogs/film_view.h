#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "ui/builtin_pictures.h"

// The animated pictures of the dialogs: films kept frame by frame as "Name_00", "Name_01", ...
namespace fibwick {

// Every frame of the film, in order; none when the film is not there.
std::vector<QImage> LoadFilm(const PictureLookup& pictures, const QString& name);

class FilmView : public QWidget {
 public:
  static constexpr int FrameMs = 80;

  // With animations off the film stands on stillFrame (counted from 1, held to the film).
  FilmView(const PictureLookup& pictures, const QString& name, bool loops, bool animate,
           int stillFrame, QWidget* parent);

  bool Empty() const { return frames_.empty(); }
  int Frame() const { return frame_; }  // index of the frame shown
  int FrameCount() const { return static_cast<int>(frames_.size()); }
  bool Running() const { return timer_.isActive(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Advance();

  std::vector<QImage> frames_;
  bool loops_;
  bool animate_;
  int frame_ = 0;
  QTimer timer_;
};

}  // namespace fibwick

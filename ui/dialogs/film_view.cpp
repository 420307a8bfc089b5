#include "ui/dialogs/film_view.h"

#include <QPainter>
#include <algorithm>

namespace fibwick {

std::vector<QImage> LoadFilm(const PictureLookup& pictures, const QString& name) {
  std::vector<QImage> frames;
  for (int frame = 0;; ++frame) {
    QImage picture = pictures(QString("%1_%2").arg(name).arg(frame, 2, 10, QChar('0')));
    if (picture.isNull()) break;
    frames.push_back(std::move(picture));
  }
  return frames;
}

FilmView::FilmView(const PictureLookup& pictures, const QString& name, bool loops, bool animate,
                   int stillFrame, QWidget* parent)
    : QWidget(parent), frames_(LoadFilm(pictures, name)), loops_(loops), animate_(animate) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  if (!frames_.empty()) {
    resize(frames_.front().size());
    frame_ = animate_ ? 0 : std::clamp(stillFrame - 1, 0, FrameCount() - 1);
  }
  timer_.setInterval(FrameMs);
  connect(&timer_, &QTimer::timeout, this, [this] { Advance(); });
}

void FilmView::Advance() {
  if (frame_ + 1 < FrameCount()) {
    ++frame_;
  } else if (loops_) {
    frame_ = 0;
  } else {
    timer_.stop();  // a film that plays once stays on its last frame
  }
  update();
}

void FilmView::paintEvent(QPaintEvent*) {
  if (frames_.empty()) return;
  QPainter p(this);
  p.drawImage(QPoint(0, 0), frames_[static_cast<std::size_t>(frame_)]);
}

void FilmView::showEvent(QShowEvent* event) {
  if (animate_ && FrameCount() > 1) timer_.start();
  QWidget::showEvent(event);
}

void FilmView::hideEvent(QHideEvent* event) {
  timer_.stop();
  QWidget::hideEvent(event);
}

}  // namespace fibwick

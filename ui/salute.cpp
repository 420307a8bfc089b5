#include "ui/salute.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "ui/card_names.h"

namespace fibwick {

namespace {

// The screen under the square as it is now; black where the square leaves the screen.
QImage ScreenSquare(const QRect& square) {
  QScreen* screen = QGuiApplication::screenAt(square.center());
  if (screen == nullptr) return {};
  const QRect shown = square & screen->geometry();
  const QPoint origin = screen->geometry().topLeft();
  const QPixmap grab = screen->grabWindow(0, shown.x() - origin.x(), shown.y() - origin.y(),
                                          shown.width(), shown.height());
  if (grab.isNull()) return {};
  QImage saved(square.size(), QImage::Format_RGB32);
  saved.fill(Qt::black);
  QPainter p(&saved);
  p.drawPixmap(shown.topLeft() - square.topLeft(), grab);
  return saved;
}

}  // namespace

Salute::~Salute() {
  delete effect_;
}

void Salute::Play() {
  PlayAt(QCursor::pos());
}

void Salute::PlayAt(QPoint screenPoint) {
  const std::unique_ptr<Pack> pack = shelf_.Open(GraphicsPackName);
  if (!pack) return;
  QImage film = pack->Picture(
      QString::fromLatin1(SaluteFilmName.data(), static_cast<qsizetype>(SaluteFilmName.size())));
  if (film.isNull()) return;
  const QRect square(screenPoint - QPoint(SaluteFrameSize / 2, SaluteFrameSize / 2),
                     QSize(SaluteFrameSize, SaluteFrameSize));
  QImage saved = ScreenSquare(square);
  // A salute still playing is on the screen just read: what lies under it is its own saved
  // square.
  if (effect_) {
    if (!saved.isNull() && !effect_->Saved().isNull()) {
      QPainter p(&saved);
      p.drawImage(effect_->pos() - square.topLeft(), effect_->Saved());
    }
    delete effect_;
  }
  effect_ = new SaluteEffect(std::move(film), std::move(saved), square.topLeft());
  effect_->show();
}

SaluteEffect::SaluteEffect(QImage film, QImage saved, QPoint topLeft)
    // A tool tip's window is never made active: an active effect would take the focus from the
    // button just pressed, and the button would forget the press before its release.
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::BypassWindowManagerHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus),
      film_(std::move(film)),
      saved_(std::move(saved)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  if (saved_.isNull()) setAttribute(Qt::WA_TranslucentBackground);
  setGeometry(QRect(topLeft, QSize(SaluteFrameSize, SaluteFrameSize)));
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(SaluteFrameMs);
  connect(&timer_, &QTimer::timeout, this, [this] { Advance(); });
  timer_.start();
}

void SaluteEffect::Advance() {
  if (frame_ >= SaluteFrameCount) {
    timer_.stop();
    close();
    return;
  }
  ++frame_;
  update();
}

void SaluteEffect::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (saved_.isNull()) {
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  } else {
    p.drawImage(QPoint(0, 0), saved_);
  }
  p.drawImage(QPoint(-(frame_ - 1) * SaluteFrameSize, 0), film_);
}

}  // namespace fibwick

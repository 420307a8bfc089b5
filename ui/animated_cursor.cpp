#include "ui/animated_cursor.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <array>
#include <memory>

#include "ui/builtin_pictures.h"

namespace fibwick {
namespace {

struct FilmLook {
  const char* base;
  QPoint hotSpot;
  Qt::CursorShape system;
};

FilmLook LookOf(CursorFilm film) {
  switch (film) {
    case CursorFilm::PointingHand:
      return {"CURHAND", {12, 2}, Qt::PointingHandCursor};
    case CursorFilm::Wait:
      return {"CURWAIT", {16, 16}, Qt::WaitCursor};
    case CursorFilm::Edit:
      return {"CUREDIT", {16, 16}, Qt::IBeamCursor};
  }
  return {"CURHAND", {12, 2}, Qt::PointingHandCursor};
}

using Frames = std::array<QImage, CursorFilmFrames>;

// Decoded once; images rather than pixmaps, which must not outlive the application.
const Frames& FramesOf(CursorFilm film) {
  static std::array<std::unique_ptr<Frames>, 3> films;
  auto& frames = films[static_cast<std::size_t>(film)];
  if (!frames) {
    frames = std::make_unique<Frames>();
    for (int frame = 0; frame < CursorFilmFrames; ++frame) {
      (*frames)[static_cast<std::size_t>(frame)] =
          LoadBuiltinPicture(QString("%1_%2").arg(LookOf(film).base).arg(frame, 2, 10, QChar('0')));
    }
  }
  return *frames;
}

constexpr const char* HoverName = "EditCursorHover";

// Follows the pointer in and out of one text box.
class EditCursorHover final : public QObject {
 public:
  EditCursorHover(QLineEdit& box, std::function<bool()> own)
      : QObject(&box),
        own_(std::move(own)),
        film_(CursorFilm::Edit, [&box](const QCursor& cursor) { box.setCursor(cursor); }) {
    setObjectName(HoverName);
    box.setCursor(FilmCursor(CursorFilm::Edit, 0, own_()));
    box.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Enter) film_.Start(own_());
    if (event->type() == QEvent::Leave) film_.Stop();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<bool()> own_;
  AnimatedCursor film_;
};

}  // namespace

QCursor ArrowCursor(bool own) {
  static const QImage arrow = LoadBuiltinPicture("CURARROW");
  if (!own || arrow.isNull()) return QCursor(Qt::ArrowCursor);
  return QCursor(QPixmap::fromImage(arrow), 2, 2);
}

QCursor FilmCursor(CursorFilm film, int frame, bool own) {
  const FilmLook look = LookOf(film);
  if (!own) return QCursor(look.system);
  const QImage& picture = FramesOf(film)[static_cast<std::size_t>(frame % CursorFilmFrames)];
  if (picture.isNull()) return QCursor(look.system);
  return QCursor(QPixmap::fromImage(picture), look.hotSpot.x(), look.hotSpot.y());
}

AnimatedCursor::AnimatedCursor(CursorFilm film, std::function<void(const QCursor&)> show)
    : film_(film), show_(std::move(show)) {
  timer_.setInterval(CursorFrameMs);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    frame_ = (frame_ + 1) % CursorFilmFrames;
    show_(FilmCursor(film_, frame_, true));
  });
}

void AnimatedCursor::Start(bool own) {
  frame_ = 0;
  show_(FilmCursor(film_, 0, own));
  if (own) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

WaitCursor::WaitCursor(bool own)
    : film_(CursorFilm::Wait,
            [](const QCursor& cursor) { QApplication::changeOverrideCursor(cursor); }) {
  QApplication::setOverrideCursor(FilmCursor(CursorFilm::Wait, 0, own));
  film_.Start(own);
}

WaitCursor::~WaitCursor() {
  film_.Stop();
  QApplication::restoreOverrideCursor();
}

void GiveEditCursors(QWidget& root, std::function<bool()> own) {
  for (QLineEdit* box : root.findChildren<QLineEdit*>()) {
    if (box->findChild<QObject*>(HoverName, Qt::FindDirectChildrenOnly)) continue;
    new EditCursorHover(*box, own);
  }
}

}  // namespace fibwick

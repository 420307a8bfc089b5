#include "ui/flight_overlay.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <limits>

namespace fibwick {
namespace {

constexpr int FrameMs = 8;

}  // namespace

FlightClock SteadyFlightClock() {
  return [] {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::microseconds>(now).count();
  };
}

FlightOverlay::FlightOverlay(QWidget& window, FlightClock clock)
    : QWidget(&window), clock_(clock ? std::move(clock) : SteadyFlightClock()) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  hide();
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &FlightOverlay::Step);
}

void FlightOverlay::Start(const QImage& clean, std::vector<FlyingCard> cards, int flightSpeed,
                          double factor, std::function<void()> landed) {
  const FlightPace pace = PaceOfSpeed(flightSpeed);
  scene_.Begin(clean, std::move(cards));
  stepMicroseconds_ = pace.stepMicroseconds * factor;
  stepsShown_ = 0;
  if (pace.skipsFirstStep) scene_.Advance(1);
  landed_ = std::move(landed);
  setGeometry(0, 0, clean.width(), clean.height());
  raise();
  show();
  update();
  startedAt_ = clock_();
  // Without a pace the whole flight is one step, shown as soon as the window is free.
  timer_.start(stepMicroseconds_ > 0 ? FrameMs : 0);
}

void FlightOverlay::Stop() {
  timer_.stop();
  landed_ = nullptr;
  hide();
}

void FlightOverlay::Step() {
  int due = std::numeric_limits<int>::max();
  if (stepMicroseconds_ > 0) {
    const double steps = static_cast<double>(clock_() - startedAt_) / stepMicroseconds_;
    due = static_cast<int>(std::min(steps, static_cast<double>(due)));
  }
  if (due > stepsShown_) {
    update(scene_.Advance(due - stepsShown_));
    stepsShown_ = due;
  }
  if (!scene_.Arrived()) return;
  scene_.Erase();
  timer_.stop();
  hide();
  if (auto landed = std::exchange(landed_, nullptr)) landed();
}

void FlightOverlay::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (const QRect& piece : event->region()) painter.drawImage(piece, scene_.Picture(), piece);
}

}  // namespace fibwick

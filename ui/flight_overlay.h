#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "ui/flight_scene.h"

namespace fibwick {

// Microseconds since any fixed moment. Flights follow the steady clock; a test drives them with
// a clock of its own to see every step whatever the machine's speed.
using FlightClock = std::function<std::int64_t()>;
FlightClock SteadyFlightClock();

// Flies cards over the window without blocking it: a still picture of the table lies over the
// window for the flight, and a timer moves the cards as many steps as the speed allows for the
// time gone by. Clicks pass through to the window, which queues them.
class FlightOverlay final : public QWidget {
 public:
  // An empty clock is the steady one.
  explicit FlightOverlay(QWidget& window, FlightClock clock = {});

  // Starts a flight over `clean`, the window as it must look without the flying cards.
  // `landed` runs once every card has arrived and the picture is gone again. `factor` stretches
  // the pace (0: each flight takes one frame).
  void Start(const QImage& clean, std::vector<FlyingCard> cards, int flightSpeed, double factor,
             std::function<void()> landed);
  // Ends a flight at once, without calling `landed`: the window shows itself again.
  void Stop();
  bool Active() const { return timer_.isActive(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Step();

  FlightScene scene_;
  QTimer timer_;
  FlightClock clock_;
  std::int64_t startedAt_ = 0;
  double stepMicroseconds_ = 0;
  int stepsShown_ = 0;
  std::function<void()> landed_;
};

}  // namespace fibwick

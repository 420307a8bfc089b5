#pragma once

#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>

#include "game/table_events.h"

namespace fibwick {

// Where the table's events go: the screen, and the world outside it.
class TableEventSink {
 public:
  virtual ~TableEventSink() = default;
  // Shows one event; returns how long the table must wait before the next, in milliseconds, or
  // UntilResumed when the wait ends with something the sink calls TablePlayer::Resume for later
  // (never from inside Show).
  static constexpr int UntilResumed = -1;
  virtual int Show(const TableEvent& event) = 0;
  // An event for the far side or the records, handled as soon as the rule has returned.
  virtual void Dispatch(const TableEvent& event) = 0;
};

// Plays the events of the rules in order, waiting where one asks (the turned pile, a flight, a
// waiting sound) without blocking the window. Input that arrives meanwhile — clicks, timer
// ticks, socket messages — waits in line and runs after the events before it have played, so
// nothing is lost and no rule ever runs inside another.
class TablePlayer final : public QObject {
 public:
  explicit TablePlayer(TableEventSink& sink);

  // Events a rule returned: the outside ones are dispatched now, the rest queued for the screen.
  void Play(TableEvents events);
  // Runs `action` now when the table is quiet, else once everything before it has played.
  void Input(std::function<void()> action);
  // As Input, but one pending tick is enough: ticks that find one waiting are dropped.
  void Tick(std::function<void()> action);
  // The wait an event asked for with UntilResumed is over.
  void Resume();
  // Nothing left to show and no input waiting.
  bool Idle() const;
  // Drops what has not been shown or run yet: the table is being left.
  void Clear();

 private:
  using Item = std::function<void()>;
  void Enqueue(Item item);
  void Pump();

  TableEventSink& sink_;
  std::deque<Item> queue_;
  QTimer resume_;
  bool running_ = false;  // inside Pump: an input action or an event is being handled
  bool waiting_ = false;  // an event asked the table to wait
  bool tickPending_ = false;
  std::size_t inserted_ = 0;  // events queued by the item now running, at the queue's front
};

}  // namespace fibwick

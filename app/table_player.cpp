#include "app/table_player.h"

namespace fibwick {
namespace {

bool IsOutside(const TableEvent& event) {
  return std::holds_alternative<PeerMessage>(event) || std::holds_alternative<PeerClosed>(event) ||
         std::holds_alternative<GameEnded>(event);
}

}  // namespace

TablePlayer::TablePlayer(TableEventSink& sink) : sink_(sink) {
  resume_.setSingleShot(true);
  connect(&resume_, &QTimer::timeout, this, [this] {
    waiting_ = false;
    Pump();
  });
}

void TablePlayer::Play(TableEvents events) {
  for (TableEvent& event : events) {
    if (IsOutside(event)) {
      sink_.Dispatch(event);
      continue;
    }
    Enqueue([this, shown = std::move(event)] {
      const int wait = sink_.Show(shown);
      if (wait == TableEventSink::UntilResumed) {
        waiting_ = true;
      } else if (wait > 0) {
        waiting_ = true;
        resume_.start(wait);
      }
    });
  }
  Pump();
}

void TablePlayer::Input(std::function<void()> action) {
  queue_.push_back(std::move(action));
  Pump();
}

void TablePlayer::Tick(std::function<void()> action) {
  if (tickPending_) return;
  tickPending_ = true;
  Input([this, tick = std::move(action)] {
    tickPending_ = false;
    tick();
  });
}

void TablePlayer::Resume() {
  if (!waiting_) return;
  resume_.stop();
  waiting_ = false;
  Pump();
}

bool TablePlayer::Idle() const {
  return queue_.empty() && !waiting_ && !running_;
}

void TablePlayer::Clear() {
  queue_.clear();
  inserted_ = 0;
  resume_.stop();
  waiting_ = false;
  tickPending_ = false;
}

// What an input's rule returns is shown before any input that arrived while the input waited.
void TablePlayer::Enqueue(Item item) {
  if (!running_) {
    queue_.push_back(std::move(item));
    return;
  }
  queue_.insert(queue_.begin() + static_cast<std::ptrdiff_t>(inserted_++), std::move(item));
}

void TablePlayer::Pump() {
  if (running_) return;
  running_ = true;
  while (!waiting_ && !queue_.empty()) {
    Item item = std::move(queue_.front());
    queue_.pop_front();
    inserted_ = 0;
    item();
  }
  running_ = false;
}

}  // namespace fibwick

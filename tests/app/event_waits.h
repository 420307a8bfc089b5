#pragma once

#include <QApplication>
#include <QElapsedTimer>

// Letting the real window run while a test waits for it.
namespace fibwick::testing {

inline void Wait(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// True once `done` holds; false when it has not within the limit.
template <class Done>
bool WaitFor(Done done, int limitMs = 20000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > limitMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

}  // namespace fibwick::testing

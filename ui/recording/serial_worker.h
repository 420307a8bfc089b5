#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// One thread beside the window's that runs the jobs handed to it, one after another, in order.
namespace fibwick {

class SerialWorker {
 public:
  SerialWorker();
  // Finishes every job handed over before the thread ends.
  ~SerialWorker();
  SerialWorker(const SerialWorker&) = delete;
  SerialWorker& operator=(const SerialWorker&) = delete;

  void Post(std::function<void()> job);
  // Returns once every job posted before has run.
  void WaitIdle();

 private:
  void Run();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::deque<std::function<void()>> jobs_;
  bool busy_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace fibwick

// Cards fly at the table while a 12 MB pack downloads beside the window, the way the options
// dialog fetches one: through an online session, whose worker receives it and keeps its progress
// where the window reads it, and whose answer comes back through the event loop.
// Prints the gaps between two steps of a flight, first with nothing downloading, then during the
// download, and the largest gap as a multiple of the median step.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "online/online_session.h"

namespace fs = std::filesystem;
using namespace fibwick;
using namespace std::chrono_literals;

namespace {

constexpr std::size_t PackBytes = 12 * 1024 * 1024;
constexpr std::size_t ChunkBytes = 64 * 1024;
constexpr auto ChunkPause = 30ms;  // about 2 MB/s: the download lasts several seconds of play
constexpr qint64 QuietPhaseMs = 4000;

// Serves one GET with the pack's bytes, a chunk at a time.
class PacedServer {
 public:
  PacedServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener_, 4);
    socklen_t size = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~PacedServer() {
    thread_.join();
    ::close(listener_);
  }
  std::string Folder() const { return "http://127.0.0.1:" + std::to_string(port_) + "/files/"; }

 private:
  void Serve() {
    const int fd = ::accept(listener_, nullptr, nullptr);
    char request[4096];
    if (::recv(fd, request, sizeof request, 0) <= 0) return;
    const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(PackBytes) +
                             "\r\nContent-Type: application/zip\r\nConnection: close\r\n\r\n";
    ::send(fd, head.data(), head.size(), MSG_NOSIGNAL);
    const std::string chunk(ChunkBytes, 'P');
    for (std::size_t sent = 0; sent < PackBytes; sent += ChunkBytes) {
      if (::send(fd, chunk.data(), chunk.size(), MSG_NOSIGNAL) <= 0) break;
      std::this_thread::sleep_for(ChunkPause);
    }
    ::close(fd);
  }

  int listener_ = -1;
  int port_ = 0;
  std::thread thread_;
};

// The steps of each flight: the clock is read as a flight starts and at each step.
struct StepLog {
  std::vector<std::vector<std::int64_t>> flights;
  bool recording = true;
};

std::vector<double> GapsMs(const StepLog& log) {
  std::vector<double> gaps;
  for (const auto& steps : log.flights) {
    for (std::size_t i = 1; i < steps.size(); ++i)
      gaps.push_back(static_cast<double>(steps[i] - steps[i - 1]) / 1e3);
  }
  return gaps;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Largest(const std::vector<double>& values) {
  return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("FIBWICK_SERVICE_URL", "http://127.0.0.1:1");
  QApplication application(argc, argv);
  const fs::path folder =
      fs::temp_directory_path() / ("fibwick-flight-gap-" + std::to_string(::getpid()));
  fs::create_directories(folder / "game");
  const fs::path game = folder / "game";
  if (std::system((std::string(FIBWICK_CLUBGEN) + " " + game.string() + " >/dev/null").c_str()) !=
      0) {
    return 1;
  }

  MainWindow* form = nullptr;
  StepLog quiet;
  StepLog downloading;
  StepLog* log = &quiet;
  const FlightClock steady = SteadyFlightClock();
  const FlightClock clock = [&] {
    const std::int64_t now = steady();
    // A read before the overlay's timer runs starts a flight.
    if (form != nullptr && !form->Flying()) log->flights.emplace_back();
    if (!log->flights.empty()) log->flights.back().push_back(now);
    return now;
  };
  form = new MainWindow(game, Pacing{.standIn = true, .flightClock = clock});
  form->show();
  // Started up once the intro runs.
  while (!form->TimerRunning()) QApplication::processEvents();
  form->EndIntro();

  PacedServer server;
  QObject answers;
  OnlineSession session("", [&answers](OnlineSession::Task task) {
    QMetaObject::invokeMethod(&answers, std::move(task), Qt::QueuedConnection);
  });
  bool done = false;
  std::atomic<std::int64_t> received = 0;
  QElapsedTimer phase;
  phase.start();
  while (!done) {
    if (form->CurrentScreen() == Screen::Menu) form->StartMatch(6, "Bench", "");
    if (log == &quiet && phase.elapsed() > QuietPhaseMs) {
      log = &downloading;
      session.DownloadPack(
          server.Folder(), "NuvBench.dll", folder,
          [&received](std::int64_t bytes, std::int64_t) {
            received = bytes;
            return true;
          },
          [&done](DownloadOutcome) { done = true; });
    }
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
  delete form;
  fs::remove_all(folder);

  const auto calm = GapsMs(quiet);
  const auto busy = GapsMs(downloading);
  std::printf("flight steps without a download: %zu, median gap %.1f ms, largest %.1f ms\n",
              calm.size(), Median(calm), Largest(calm));
  std::printf("flight steps during the 12 MB download: %zu, median gap %.1f ms, largest %.1f ms\n",
              busy.size(), Median(busy), Largest(busy));
  std::printf("largest gap during the download / median step: %.2f\n",
              Largest(busy) / std::max(Median(calm), 1e-9));
  return 0;
}

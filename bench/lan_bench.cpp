// The round trip of a move between two LAN links over loopback, against a plain TCP echo of the
// same 15 bytes measured in the same run.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <atomic>
#include <string>
#include <thread>

#include "app/lan_link.h"
#include "game/messages.h"
#include "game/move.h"

namespace fibwick {
namespace {

const std::string MoveFrame = BuildMoveMessage(MessageOfMove(Move::Challenge('9')));
// A benchmark sends far faster than any player: the flood limit would cut it off.
constexpr LanLimits Unlimited{.handshakeMs = 10'000, .bytesPerSecond = 1 << 30};

// Two links in one thread: the server sends every move straight back.
void BM_LanLinkRoundTrip(benchmark::State& state) {
  LanLink* serverSide = nullptr;
  LanLink server({.connected = {},
                  .received = [&](const std::string& m) { serverSide->Send(m); },
                  .gone = {},
                  .failed = {}},
                 Unlimited);
  serverSide = &server;
  int answers = 0;
  bool open = false;
  LanLink client({.connected = [&] { open = true; },
                  .received = [&](const std::string&) { ++answers; },
                  .gone = {},
                  .failed = {}},
                 Unlimited);
  if (!server.Listen(0)) return state.SkipWithError("no port");
  client.Connect("127.0.0.1", server.Port());
  while (!open || !server.HasPeer()) QCoreApplication::processEvents();
  server.Introduced();
  client.Introduced();
  for (auto _ : state) {
    const int before = answers;
    client.Send(MoveFrame);
    while (answers == before) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}
BENCHMARK(BM_LanLinkRoundTrip)->UseRealTime();

int Connected(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  const int on = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  return fd;
}

void ReadFully(int fd, char* into, std::size_t size) {
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, into + got, size - got);
    if (n <= 0) return;
    got += static_cast<std::size_t>(n);
  }
}

// Blocking sockets on both ends, the echo on a thread of its own.
void BM_PlainTcpEcho(benchmark::State& state) {
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::listen(listener, 1);
  socklen_t length = sizeof address;
  ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  std::thread echo([listener] {
    const int fd = ::accept(listener, nullptr, nullptr);
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    char buffer[MoveMessageLength];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n <= 0) break;
      if (::write(fd, buffer, static_cast<std::size_t>(n)) != n) break;
    }
    ::close(fd);
  });
  const int fd = Connected(ntohs(address.sin_port));
  char answer[MoveMessageLength];
  for (auto _ : state) {
    if (::write(fd, MoveFrame.data(), MoveFrame.size()) != static_cast<ssize_t>(MoveFrame.size()))
      return state.SkipWithError("write failed");
    ReadFully(fd, answer, sizeof answer);
  }
  ::close(fd);
  echo.join();
  ::close(listener);
}
BENCHMARK(BM_PlainTcpEcho)->UseRealTime();

}  // namespace
}  // namespace fibwick

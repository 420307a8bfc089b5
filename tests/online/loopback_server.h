#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// A real socket on 127.0.0.1 that plays a misbehaving server: it answers each request with the
// bytes its script gives (then closes), or with nothing at all, holding the line open.
namespace fibwick::testing {

class LoopbackServer {
 public:
  // The raw bytes to send for a request (headers and body as received); nothing to stay silent.
  using Script = std::function<std::optional<std::string>(const std::string& request)>;

  explicit LoopbackServer(Script script) : script_(std::move(script)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener_, 16);
    socklen_t size = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }

  ~LoopbackServer() {
    stop_ = true;
    thread_.join();
    for (const int fd : held_) ::close(fd);
    ::close(listener_);
  }

  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  std::string BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }

  std::vector<std::string> Requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  void Serve() {
    while (!stop_) {
      pollfd waiting{listener_, POLLIN, 0};
      if (::poll(&waiting, 1, 20) <= 0) continue;
      const int fd = ::accept(listener_, nullptr, nullptr);
      if (fd < 0) continue;
      const std::string request = ReadRequest(fd);
      {
        const std::lock_guard lock(mutex_);
        requests_.push_back(request);
      }
      const auto answer = script_(request);
      if (!answer) {
        held_.push_back(fd);
        continue;
      }
      std::size_t sent = 0;
      while (sent < answer->size()) {
        const ssize_t n = ::send(fd, answer->data() + sent, answer->size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += static_cast<std::size_t>(n);
      }
      ::close(fd);
    }
  }

  // The headers and as much of the body as Content-Length names.
  std::string ReadRequest(int fd) {
    std::string request;
    char buffer[4096];
    while (!stop_) {
      const std::size_t end = request.find("\r\n\r\n");
      if (end != std::string::npos) {
        std::size_t length = 0;
        const std::size_t field = request.find("Content-Length: ");
        if (field != std::string::npos && field < end) {
          length = std::stoul(request.substr(field + 16));
        }
        if (request.size() >= end + 4 + length) break;
      }
      pollfd waiting{fd, POLLIN, 0};
      if (::poll(&waiting, 1, 20) <= 0) continue;
      const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      request.append(buffer, static_cast<std::size_t>(n));
    }
    return request;
  }

  Script script_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::vector<int> held_;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
};

// A complete HTTP reply.
inline std::string HttpAnswer(const std::string& body, const std::string& status = "200 OK") {
  return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nContent-Type: text/plain; charset=windows-1251\r\nConnection: close\r\n\r\n" + body;
}

// An address where nothing listens: a port just taken from the system and given back.
inline std::string ClosedPortUrl() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t size = sizeof address;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
  ::close(fd);
  return "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
}

}  // namespace fibwick::testing

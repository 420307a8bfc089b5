#include "support/raw_http.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <stdexcept>

namespace fibwick::testing {
namespace {

constexpr timeval ReadSafetyNet{.tv_sec = 10, .tv_usec = 0};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::optional<std::string> HttpReply::Header(const std::string& lowerCaseName) const {
  const auto found = headers.find(lowerCaseName);
  if (found == headers.end()) return std::nullopt;
  return found->second;
}

RawConnection::RawConnection(const std::string& baseUrl) {
  const auto hostStart = baseUrl.find("//") + 2;
  const auto colon = baseUrl.rfind(':');
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(std::stoi(baseUrl.substr(colon + 1))));
  if (::inet_pton(AF_INET, baseUrl.substr(hostStart, colon - hostStart).c_str(),
                  &address.sin_addr) != 1) {
    throw std::runtime_error("not an IPv4 service address: " + baseUrl);
  }
  // CLOEXEC: a service started later must not inherit the test's end of the connection.
  socket_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  ::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &ReadSafetyNet, sizeof ReadSafetyNet);
  if (::connect(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::close(socket_);
    throw std::runtime_error("cannot connect to " + baseUrl);
  }
}

RawConnection::~RawConnection() {
  ::close(socket_);
}

bool RawConnection::Send(std::string_view bytes) {
  while (!bytes.empty()) {
    const auto sent = ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

bool RawConnection::Receive() {
  char chunk[4096];
  const auto received = ::recv(socket_, chunk, sizeof chunk, 0);
  if (received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
    throw std::runtime_error("the service sent nothing for 10 seconds");
  }
  if (received <= 0) return false;
  pending_.append(chunk, static_cast<std::size_t>(received));
  return true;
}

HttpReply RawConnection::Read(bool head) {
  HttpReply reply;
  std::size_t headerEnd;
  while ((headerEnd = pending_.find("\r\n\r\n")) == std::string::npos) {
    if (!Receive()) return reply;
  }
  const std::string header = pending_.substr(0, headerEnd + 2);
  pending_.erase(0, headerEnd + 4);
  if (std::sscanf(header.c_str(), "HTTP/1.%*d %d", &reply.status) != 1) {
    throw std::runtime_error("not an HTTP reply: " + header);
  }
  for (auto lineStart = header.find("\r\n") + 2; lineStart < header.size();) {
    const auto lineEnd = header.find("\r\n", lineStart);
    const auto line = header.substr(lineStart, lineEnd - lineStart);
    const auto colon = line.find(':');
    const auto valueStart = line.find_first_not_of(' ', colon + 1);
    reply.headers[Lower(line.substr(0, colon))] =
        valueStart == std::string::npos ? "" : line.substr(valueStart);
    lineStart = lineEnd + 2;
  }
  const auto length = reply.Header("content-length");
  if (head || reply.status < 200 || !length) return reply;
  const auto size = std::stoul(*length);
  while (pending_.size() < size) {
    if (!Receive()) throw std::runtime_error("the reply's body was cut short");
  }
  reply.body = pending_.substr(0, size);
  pending_.erase(0, size);
  return reply;
}

void RawConnection::WaitClosed() {
  pending_.clear();
  while (Receive()) pending_.clear();
}

HttpReply Exchange(const std::string& baseUrl, std::string_view request) {
  RawConnection connection(baseUrl);
  connection.Send(request);
  return connection.Read(request.starts_with("HEAD "));
}

std::string GetRequest(std::string_view target, std::string_view extraHeaders) {
  return "GET " + std::string(target) + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
         std::string(extraHeaders) + "\r\n";
}

std::string FormPost(std::string_view target, std::string_view body, std::string_view userAgent) {
  return "POST " + std::string(target) +
         " HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: " + std::string(userAgent) +
         "\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\n\r\n" + std::string(body);
}

std::string PercentEncode(std::string_view bytes) {
  std::string encoded;
  for (const char c : bytes) {
    if (std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80) {
      encoded += c;
    } else {
      char escape[4];
      std::snprintf(escape, sizeof escape, "%%%02X", static_cast<unsigned char>(c));
      encoded += escape;
    }
  }
  return encoded;
}

}  // namespace fibwick::testing

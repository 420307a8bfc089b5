#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

// An HTTP client for tests that sends exact bytes, malformed ones too, and reads what comes back.
namespace fibwick::testing {

struct HttpReply {
  int status = 0;                              // 0: the connection closed before a reply
  std::map<std::string, std::string> headers;  // names in lower case
  std::string body;

  std::optional<std::string> Header(const std::string& lowerCaseName) const;
};

// One TCP connection. A read that gets nothing for 10 seconds throws, so a stalled service fails
// the test instead of hanging it.
class RawConnection {
 public:
  // baseUrl: "http://<IPv4 address>:<port>"
  explicit RawConnection(const std::string& baseUrl);
  ~RawConnection();
  RawConnection(const RawConnection&) = delete;
  RawConnection& operator=(const RawConnection&) = delete;

  // False when the service has closed the connection.
  bool Send(std::string_view bytes);
  // One reply; a reply to HEAD has headers only.
  HttpReply Read(bool head = false);
  // Returns once the service closes the connection, skipping anything it still sends.
  void WaitClosed();

 private:
  // False at the end of the stream.
  bool Receive();

  int socket_ = -1;
  std::string pending_;
};

// A new connection, one request, its reply.
HttpReply Exchange(const std::string& baseUrl, std::string_view request);

std::string GetRequest(std::string_view target, std::string_view extraHeaders = "");
// A form post as the game sends it: its User-Agent and the form content type.
std::string FormPost(std::string_view target, std::string_view body,
                     std::string_view userAgent = "NuvSpecAccess");

// %XX for every byte but letters and digits: how the game's field lists are sent.
std::string PercentEncode(std::string_view bytes);

}  // namespace fibwick::testing

#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

// The one HTTP client every request to the game service goes through. Calls block until the
// reply is complete, the time-out passes or another thread cancels; a failure comes back as a
// value, never thrown. The transfers run in the HTTP module (http_module.h), loaded with the
// first request.
namespace fibwick {

class HttpConnection;

struct HttpReply {
  bool done = false;  // false on no connection, time-out, an HTTP error status
  std::string body;   // the reply's bytes (Windows-1251 from the service scripts)
};

using FormFields = std::vector<std::pair<std::string, std::string>>;

inline constexpr const char* ServiceUserAgent = "NuvSpecAccess";
inline constexpr long DefaultReadTimeoutMs = 3000;

class HttpClient {
 public:
  HttpClient();
  ~HttpClient();
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  // `body` is name=value pairs joined with "&", Windows-1251 bytes, sent as they are.
  HttpReply PostForm(const std::string& address, const std::string& body);
  // Each value (Windows-1251 bytes) is percent-encoded.
  HttpReply PostFieldList(const std::string& address, const FormFields& fields);
  HttpReply GetResource(const std::string& address);

  // Stays in force for every later request, as the handle's other settings do.
  void SetReadTimeout(long milliseconds);
  long ReadTimeout() const { return timeoutMs_; }

  // Whether the last request got its whole reply.
  bool LastDone() const { return lastDone_; }

  // From any thread: the request in flight fails at once, and so does every later one.
  void Cancel();

 private:
  // Made with the first request; nothing once cancelled or without the module.
  HttpConnection* Connection();
  HttpReply Done(HttpReply reply);

  std::mutex mutex_;  // the connection's making against a cancel from another thread
  std::unique_ptr<HttpConnection> connection_;
  bool cancelled_ = false;
  long timeoutMs_ = DefaultReadTimeoutMs;
  bool lastDone_ = false;
};

// The machine's address as the echo page sees it: its lines, each ended by CR LF; empty on any
// error. Asked on a handle of its own with libcurl's default headers.
std::string ReadExternalAddress(const std::string& address, long timeoutMs = DefaultReadTimeoutMs);

}  // namespace fibwick

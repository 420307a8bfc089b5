#include "online/http_client.h"

#include "base/cp1251.h"
#include "online/http_module.h"

namespace fibwick {

HttpClient::HttpClient() = default;
HttpClient::~HttpClient() = default;

HttpConnection* HttpClient::Connection() {
  const std::lock_guard lock(mutex_);
  if (!connection_ && !cancelled_) {
    if (const HttpModule* module = LoadHttpModule()) {
      connection_.reset(module->newConnection(timeoutMs_));
    }
  }
  return connection_.get();
}

HttpReply HttpClient::Done(HttpReply reply) {
  lastDone_ = reply.done;
  return reply;
}

HttpReply HttpClient::PostForm(const std::string& address, const std::string& body) {
  HttpConnection* connection = Connection();
  return Done(connection != nullptr ? connection->PostForm(address, body) : HttpReply{});
}

HttpReply HttpClient::PostFieldList(const std::string& address, const FormFields& fields) {
  HttpConnection* connection = Connection();
  return Done(connection != nullptr ? connection->PostFieldList(address, fields) : HttpReply{});
}

HttpReply HttpClient::GetResource(const std::string& address) {
  HttpConnection* connection = Connection();
  return Done(connection != nullptr ? connection->GetResource(address) : HttpReply{});
}

void HttpClient::SetReadTimeout(long milliseconds) {
  timeoutMs_ = milliseconds;
  const std::lock_guard lock(mutex_);
  if (connection_) connection_->SetReadTimeout(milliseconds);
}

void HttpClient::Cancel() {
  const std::lock_guard lock(mutex_);
  cancelled_ = true;
  if (connection_) connection_->Cancel();
}

std::string ReadExternalAddress(const std::string& address, long timeoutMs) {
  const HttpModule* module = LoadHttpModule();
  const auto body = module != nullptr ? module->plainGet(address, timeoutMs) : std::nullopt;
  if (!body) return {};
  // The page is UTF-8; the address it holds is plain ASCII, so the 8-bit form loses nothing.
  const std::string text = Utf8ToCp1251(*body);
  std::string lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines += line + "\r\n";
    start = end + 1;
  }
  return lines;
}

}  // namespace fibwick

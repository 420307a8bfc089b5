#include "online/http_client.h"

#include <curl/curl.h>

#include <memory>

#include "base/cp1251.h"

namespace fibwick {
namespace {

CURL* Handle(void* handle) {
  return static_cast<CURL*>(handle);
}

CURLM* Multi(void* multi) {
  return static_cast<CURLM*>(multi);
}

// The result of the one transfer the multi handle ran to its end.
CURLcode FinishedResult(CURLM* multi) {
  CURLcode result = CURLE_RECV_ERROR;
  int left = 0;
  while (const CURLMsg* message = curl_multi_info_read(multi, &left)) {
    if (message->msg == CURLMSG_DONE) result = message->data.result;
  }
  return result;
}

size_t Collect(char* data, size_t size, size_t count, void* target) {
  static_cast<std::string*>(target)->append(data, size * count);
  return size * count;
}

// What every handle of ours shares: plain and secure HTTP only, certificates checked, HTTP error
// statuses reported as failures, and an upper bound on the whole exchange.
void SetCommonOptions(CURL* curl, long timeoutMs) {
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMs);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
}

struct CurlGlobal {
  CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
};

void EnsureCurlGlobal() {
  static const CurlGlobal once;
}

struct SlistFree {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

curl_slist* ServiceHeaders(bool formContentType) {
  curl_slist* list = curl_slist_append(nullptr, "Accept: text/html, */*");
  if (formContentType) {
    list = curl_slist_append(list, "Content-Type: application/x-www-form-urlencoded");
  }
  return list;
}

}  // namespace

HttpClient::HttpClient() {
  EnsureCurlGlobal();
  handle_ = curl_easy_init();
  multi_ = curl_multi_init();
  CURL* curl = Handle(handle_);
  SetCommonOptions(curl, timeoutMs_);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, ServiceUserAgent);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
}

HttpClient::~HttpClient() {
  curl_multi_cleanup(Multi(multi_));
  curl_easy_cleanup(Handle(handle_));
}

void HttpClient::Cancel() {
  cancelled_ = true;
  curl_multi_wakeup(Multi(multi_));
}

void HttpClient::SetReadTimeout(long milliseconds) {
  timeoutMs_ = milliseconds;
  curl_easy_setopt(Handle(handle_), CURLOPT_TIMEOUT_MS, milliseconds);
  curl_easy_setopt(Handle(handle_), CURLOPT_CONNECTTIMEOUT_MS, milliseconds);
}

HttpReply HttpClient::Perform(const std::string& address) {
  CURL* curl = Handle(handle_);
  // The header list must outlive the transfer; the next request builds its own.
  const std::unique_ptr<curl_slist, SlistFree> headers(ServiceHeaders(formContentType_));
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
  curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
  HttpReply reply;
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply.body);
  CURLM* multi = Multi(multi_);
  curl_multi_add_handle(multi, curl);
  int running = 1;
  // A cancel wakes the poll, so the loop notices it at once whatever the time-outs.
  while (!cancelled_) {
    if (curl_multi_perform(multi, &running) != CURLM_OK || running == 0) break;
    curl_multi_poll(multi, nullptr, 0, 1000, nullptr);
  }
  reply.done = running == 0 && FinishedResult(multi) == CURLE_OK;
  curl_multi_remove_handle(multi, curl);
  lastDone_ = reply.done;
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, nullptr);
  return reply;
}

HttpReply HttpClient::PostForm(const std::string& address, const std::string& body) {
  formContentType_ = true;
  CURL* curl = Handle(handle_);
  curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
  curl_easy_setopt(curl, CURLOPT_COPYPOSTFIELDS, body.c_str());
  return Perform(address);
}

HttpReply HttpClient::PostFieldList(const std::string& address, const FormFields& fields) {
  CURL* curl = Handle(handle_);
  std::string body;
  for (const auto& [name, value] : fields) {
    if (!body.empty()) body += '&';
    char* escaped = curl_easy_escape(curl, value.data(), static_cast<int>(value.size()));
    body += name + '=' + (escaped != nullptr ? escaped : "");
    curl_free(escaped);
  }
  curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
  curl_easy_setopt(curl, CURLOPT_COPYPOSTFIELDS, body.c_str());
  return Perform(address);
}

HttpReply HttpClient::GetResource(const std::string& address) {
  curl_easy_setopt(Handle(handle_), CURLOPT_HTTPGET, 1L);
  return Perform(address);
}

HttpClient& SharedHttpClient() {
  static HttpClient client;
  return client;
}

std::string ReadExternalAddress(const std::string& address, long timeoutMs) {
  EnsureCurlGlobal();
  const std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
  if (!curl) return {};
  SetCommonOptions(curl.get(), timeoutMs);
  std::string body;
  curl_easy_setopt(curl.get(), CURLOPT_URL, address.c_str());
  curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, Collect);
  curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &body);
  if (curl_easy_perform(curl.get()) != CURLE_OK) return {};
  // The page is UTF-8; the address it holds is plain ASCII, so the 8-bit form loses nothing.
  const std::string text = Utf8ToCp1251(body);
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

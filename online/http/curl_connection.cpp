#include <curl/curl.h>

#include <atomic>
#include <memory>

#include "online/http/curl_module.h"

namespace fibwick {
namespace {

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

// The result of the one transfer the multi handle ran to its end.
CURLcode FinishedResult(CURLM* multi) {
  CURLcode result = CURLE_RECV_ERROR;
  int left = 0;
  while (const CURLMsg* message = curl_multi_info_read(multi, &left)) {
    if (message->msg == CURLMSG_DONE) result = message->data.result;
  }
  return result;
}

class CurlConnection final : public HttpConnection {
 public:
  explicit CurlConnection(long timeoutMs) : curl_(curl_easy_init()), multi_(curl_multi_init()) {
    SetCommonOptions(curl_, timeoutMs);
    curl_easy_setopt(curl_, CURLOPT_USERAGENT, ServiceUserAgent);
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, Collect);
  }
  ~CurlConnection() override {
    curl_multi_cleanup(multi_);
    curl_easy_cleanup(curl_);
  }

  HttpReply PostForm(const std::string& address, const std::string& body) override {
    formContentType_ = true;
    curl_easy_setopt(curl_, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(curl_, CURLOPT_COPYPOSTFIELDS, body.c_str());
    return Perform(address);
  }

  HttpReply PostFieldList(const std::string& address, const FormFields& fields) override {
    std::string body;
    for (const auto& [name, value] : fields) {
      if (!body.empty()) body += '&';
      char* escaped = curl_easy_escape(curl_, value.data(), static_cast<int>(value.size()));
      body += name + '=' + (escaped != nullptr ? escaped : "");
      curl_free(escaped);
    }
    curl_easy_setopt(curl_, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(curl_, CURLOPT_COPYPOSTFIELDS, body.c_str());
    return Perform(address);
  }

  HttpReply GetResource(const std::string& address) override {
    curl_easy_setopt(curl_, CURLOPT_HTTPGET, 1L);
    return Perform(address);
  }

  void SetReadTimeout(long milliseconds) override {
    curl_easy_setopt(curl_, CURLOPT_TIMEOUT_MS, milliseconds);
    curl_easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT_MS, milliseconds);
  }

  void Cancel() override {
    cancelled_ = true;
    curl_multi_wakeup(multi_);
  }

 private:
  HttpReply Perform(const std::string& address) {
    // The header list must outlive the transfer; the next request builds its own.
    const std::unique_ptr<curl_slist, SlistFree> headers(ServiceHeaders(formContentType_));
    curl_easy_setopt(curl_, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(curl_, CURLOPT_URL, address.c_str());
    HttpReply reply;
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &reply.body);
    curl_multi_add_handle(multi_, curl_);
    int running = 1;
    // A cancel wakes the poll, so the loop notices it at once whatever the time-outs.
    while (!cancelled_) {
      if (curl_multi_perform(multi_, &running) != CURLM_OK || running == 0) break;
      curl_multi_poll(multi_, nullptr, 0, 1000, nullptr);
    }
    reply.done = running == 0 && FinishedResult(multi_) == CURLE_OK;
    curl_multi_remove_handle(multi_, curl_);
    curl_easy_setopt(curl_, CURLOPT_HTTPHEADER, nullptr);
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, nullptr);
    return reply;
  }

  CURL* curl_;
  CURLM* multi_;  // runs the handle so that a cancel can wake it
  std::atomic<bool> cancelled_{false};
  bool formContentType_ = false;
};

}  // namespace

HttpConnection* NewCurlConnection(long timeoutMs) {
  return new CurlConnection(timeoutMs);
}

std::optional<std::string> CurlPlainGet(const std::string& address, long timeoutMs) {
  const std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
  if (!curl) return std::nullopt;
  SetCommonOptions(curl.get(), timeoutMs);
  std::string body;
  curl_easy_setopt(curl.get(), CURLOPT_URL, address.c_str());
  curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, Collect);
  curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &body);
  if (curl_easy_perform(curl.get()) != CURLE_OK) return std::nullopt;
  return body;
}

}  // namespace fibwick

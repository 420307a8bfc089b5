#include <curl/curl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <system_error>

#include "online/http/curl_module.h"

namespace fibwick {
namespace {

struct Transfer {
  int fd = -1;
  std::int64_t written = 0;
  bool writeFailed = false;
  const DownloadProgress* progress = nullptr;
};

size_t WriteChunk(char* data, size_t size, size_t count, void* target) {
  auto& transfer = *static_cast<Transfer*>(target);
  const size_t bytes = size * count;
  size_t done = 0;
  while (done < bytes) {
    const ssize_t n = ::write(transfer.fd, data + done, bytes - done);
    if (n <= 0) {
      transfer.writeFailed = true;
      return 0;  // curl stops with a write error
    }
    done += static_cast<size_t>(n);
  }
  transfer.written += static_cast<std::int64_t>(bytes);
  return bytes;
}

int Progress(void* target, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t) {
  const auto& transfer = *static_cast<Transfer*>(target);
  if (transfer.progress == nullptr || !*transfer.progress) return 0;
  return (*transfer.progress)(now, total) ? 0 : 1;
}

}  // namespace

DownloadOutcome CurlDownloadPack(const std::string& folderAddress, const std::string& name,
                                 const std::filesystem::path& targetFolder,
                                 const DownloadProgress& progress, long connectTimeoutMs) {
  const std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
  if (!curl) return DownloadOutcome::Failed;
  std::unique_ptr<char, void (*)(char*)> escaped(
      curl_easy_escape(curl.get(), name.data(), static_cast<int>(name.size())),
      [](char* p) { curl_free(p); });
  if (!escaped) return DownloadOutcome::Failed;

  std::string temporary = (targetFolder / ("." + name + ".XXXXXX")).string();
  Transfer transfer;
  transfer.fd = ::mkstemp(temporary.data());
  if (transfer.fd < 0) return DownloadOutcome::Failed;
  ::fchmod(transfer.fd, 0644);
  transfer.progress = &progress;

  const std::string address = folderAddress + escaped.get();
  CURL* c = curl.get();
  curl_easy_setopt(c, CURLOPT_URL, address.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_USERAGENT, ServiceUserAgent);
  curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, connectTimeoutMs);
  // A pack may take minutes; what ends a download is a line that stays silent.
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, 30L);
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, WriteChunk);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, Progress);
  curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);
  const CURLcode result = curl_easy_perform(c);

  curl_off_t length = -1;
  curl_easy_getinfo(c, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
  const bool complete = result == CURLE_OK && !transfer.writeFailed &&
                        (length < 0 || length == transfer.written) && ::fsync(transfer.fd) == 0;
  const bool closed = ::close(transfer.fd) == 0;
  std::error_code error;
  if (complete && closed) {
    std::filesystem::rename(temporary, targetFolder / name, error);
    if (!error) return DownloadOutcome::Done;
  }
  std::filesystem::remove(temporary, error);
  return result == CURLE_ABORTED_BY_CALLBACK ? DownloadOutcome::Cancelled : DownloadOutcome::Failed;
}

}  // namespace fibwick

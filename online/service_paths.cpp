#include "online/service_paths.h"

#include "base/cp1251.h"

namespace fibwick {

std::optional<std::string> PathsKeyValue(std::string_view document, std::string_view key) {
  const std::size_t at = document.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  // The value starts past the key and the one character ("=") that follows it.
  const std::size_t start = std::min(at + key.size() + 1, document.size());
  const std::size_t end = document.find('#', start);
  return std::string(
      document.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

ServicePaths::ServicePaths(HttpClient& client, std::string documentAddress,
                           std::string accountDefault)
    : client_(client),
      documentAddress_(std::move(documentAddress)),
      accountDefault_(std::move(accountDefault)),
      account_(accountDefault_) {}

std::optional<std::string> ServicePaths::Read() {
  const HttpReply reply = client_.GetResource(documentAddress_);
  if (!reply.done) return std::nullopt;
  return Utf8ToCp1251(reply.body);
}

ServiceAddresses ServicePaths::Fetch() {
  named_ = {};
  recordsPaused_ = false;
  chatPaused_ = false;
  if (const auto document = Read()) {
    chatPaused_ = document->find("CTGamesPause") != std::string::npos;
    recordsPaused_ = document->find("WTGamesPause") != std::string::npos;
    if (!recordsPaused_) named_.records = PathsKeyValue(*document, "WTGamesPatt").value_or("");
  }
  if (const auto document = Read()) {
    named_.statistics = PathsKeyValue(*document, "StatPath").value_or("");
  }
  account_ = accountDefault_;
  if (const auto document = Read()) {
    if (auto account = PathsKeyValue(*document, "AccPath")) account_ = std::move(*account);
  }
  return named_;
}

}  // namespace fibwick

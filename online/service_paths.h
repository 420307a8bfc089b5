#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "online/http_client.h"
#include "records/paths_document.h"

// The service's paths document: which addresses its services answer at, and which of them the
// operator has paused. The addresses stand in plain text: a cipher's key would ship inside the
// program anyway, and plain values let an operator read and edit them.
namespace fibwick {

// A key's value: from the character after "<key>=" up to the next '#' or the end of the text.
std::optional<std::string> PathsKeyValue(std::string_view document, std::string_view key);

class ServicePaths final : public PathsDocument {
 public:
  // `accountDefault` is used until the document names the account service.
  ServicePaths(HttpClient& client, std::string documentAddress, std::string accountDefault);

  // Reads the document afresh for each service, so one failed read costs only that service.
  ServiceAddresses Fetch() override;

  // What the last Fetch found.
  const ServiceAddresses& Named() const { return named_; }
  bool RecordsPaused() const { return recordsPaused_; }
  bool ChatPaused() const { return chatPaused_; }
  const std::string& AccountAddress() const { return account_; }

 private:
  std::optional<std::string> Read();

  HttpClient& client_;
  std::string documentAddress_;
  std::string accountDefault_;
  std::string account_;
  ServiceAddresses named_;
  bool recordsPaused_ = false;
  bool chatPaused_ = false;
};

}  // namespace fibwick

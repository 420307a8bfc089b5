#pragma once

#include <filesystem>
#include <string>

#include "server/http/exchange.h"

// The plain GET pages: where the scripts are, the caller's address, the news.
namespace fibwick::service {

// The addresses of the account, statistics and records scripts under the service's public
// address, in plain text, and the words that pause the records and the chat when asked.
std::string PathsDocument(const std::string& publicUrl, bool pauseRecords, bool pauseChat);

// The caller's address and a line break. Behind a proxy that the operator trusts, the address
// the proxy appended last to X-Forwarded-For: the ones before it are the caller's own claims.
Handler IpEchoHandler(bool trustProxy);

// news.html of the data folder, read afresh each time so the operator can edit it; without it a
// page with news number 0, which no player counts as unread.
Handler NewsHandler(std::filesystem::path dataFolder);

}  // namespace fibwick::service

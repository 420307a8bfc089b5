#pragma once

#include "online/http_module.h"

// The parts of the HTTP module, over libcurl.
namespace fibwick {

HttpConnection* NewCurlConnection(long timeoutMs);
std::optional<std::string> CurlPlainGet(const std::string& address, long timeoutMs);
DownloadOutcome CurlDownloadPack(const std::string& folderAddress, const std::string& name,
                                 const std::filesystem::path& targetFolder,
                                 const DownloadProgress& progress, long connectTimeoutMs);

}  // namespace fibwick

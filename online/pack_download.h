#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

// Downloads of the optional resource packs from the service's download folder.
namespace fibwick {

enum class DownloadOutcome { Done, Failed, Cancelled };

// Bytes so far and in all (0 while the length is unknown); returning false cancels.
using DownloadProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

// The file `name` of the folder at `folderAddress` (ending in '/') into `targetFolder`. The
// bytes go to a temporary file beside the target that takes the pack's name only once it is
// complete, so a failed, cut or cancelled download leaves neither a pack nor a remnant.
DownloadOutcome DownloadPack(const std::string& folderAddress, const std::string& name,
                             const std::filesystem::path& targetFolder,
                             const DownloadProgress& progress, long connectTimeoutMs = 3000);

// Where a pack may lie: the program's folder, then the folder above, which games installed side
// by side share (downloads go there).
bool PackPresent(const std::filesystem::path& programFolder, const std::string& name);

}  // namespace fibwick

#include "online/pack_download.h"

#include "online/http_module.h"

namespace fibwick {
namespace {

// A pack's name is a plain file name: nothing that could climb out of the folder.
bool PlainName(const std::string& name) {
  return !name.empty() && name.front() != '.' && name.find_first_of("/\\") == std::string::npos &&
         name.find('\0') == std::string::npos;
}

}  // namespace

DownloadOutcome DownloadPack(const std::string& folderAddress, const std::string& name,
                             const std::filesystem::path& targetFolder,
                             const DownloadProgress& progress, long connectTimeoutMs) {
  if (!PlainName(name)) return DownloadOutcome::Failed;
  const HttpModule* module = LoadHttpModule();
  if (module == nullptr) return DownloadOutcome::Failed;
  return module->downloadPack(folderAddress, name, targetFolder, progress, connectTimeoutMs);
}

bool PackPresent(const std::filesystem::path& programFolder, const std::string& name) {
  std::error_code error;
  return std::filesystem::is_regular_file(programFolder / name, error) ||
         std::filesystem::is_regular_file(programFolder.parent_path() / name, error);
}

}  // namespace fibwick

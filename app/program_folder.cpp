#include "app/program_folder.h"

#include <unistd.h>

#include <QStandardPaths>
#include <system_error>

#include "records/club_file.h"
#include "records/text_file.h"

namespace fibwick {

std::filesystem::path ResolveProgramFolder(const std::filesystem::path& executableFolder) {
  if (::access(executableFolder.c_str(), W_OK) == 0) return executableFolder;
  const std::filesystem::path data =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
  const auto folder = data / "Fibwick" / "Game";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (const char* name : {ClubFileName, NetClubFileName}) {
    if (!std::filesystem::exists(folder / name)) {
      // A copy cut short would be refused as a damaged club file at every later start.
      CopyFileAtomically(executableFolder / name, folder / name);
    }
  }
  return folder;
}

}  // namespace fibwick

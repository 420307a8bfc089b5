#include "ui/recording/gif_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace fibwick {

std::filesystem::path GifFolder(const std::filesystem::path& programFolder) {
  return programFolder / "GIFGame";
}

std::string GifFileName(const QDateTime& savedAt) {
  return savedAt.toString("yyyy.MM.dd-hh.mm.ss").toStdString() + ".gif";
}

bool WriteGifFile(const std::filesystem::path& file, const std::string& bytes) {
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) return false;
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  const bool closed = ::close(fd) == 0;
  if (written == bytes.size() && closed) return true;
  std::filesystem::remove(file, error);
  return false;
}

}  // namespace fibwick

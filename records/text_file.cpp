#include "records/text_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <iterator>
#include <random>

namespace fibwick {
namespace {

constexpr std::string_view TemporaryMark = ".~";
constexpr std::string_view TemporaryLetters = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t TemporaryNameLength = 10;
// Random names collide only by a miracle; the limit is for a folder that refuses every name.
constexpr int NameAttempts = 100;

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t done = ::write(fd, bytes.data(), bytes.size());
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(done));
  }
  return true;
}

std::filesystem::path RandomNameBeside(const std::filesystem::path& file) {
  std::random_device device;
  std::uniform_int_distribution<std::size_t> pick(0, TemporaryLetters.size() - 1);
  std::string suffix(TemporaryMark);
  for (std::size_t i = 0; i < TemporaryNameLength; ++i) suffix += TemporaryLetters[pick(device)];
  auto name = file;
  name += suffix;
  return name;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the name still leads to the file open as `fd`: a cleaner may have removed it between
// the open and the lock.
bool NameLeadsTo(const std::filesystem::path& name, int fd) {
  struct stat byName {};
  struct stat byDescriptor {};
  return ::lstat(name.c_str(), &byName) == 0 && ::fstat(fd, &byDescriptor) == 0 &&
         SameFile(byName, byDescriptor);
}

// A new temporary beside `file`, created and locked; -1 when none could be made.
int OpenTemporary(const std::filesystem::path& file, std::filesystem::path& name) {
  for (int attempt = 0; attempt < NameAttempts; ++attempt) {
    name = RandomNameBeside(file);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return -1;
    }
    // Where the folder has no locks the write goes on unlocked, and no cleaner can take it.
    ::flock(fd, LOCK_EX);
    if (NameLeadsTo(name, fd)) return fd;
    ::close(fd);
  }
  return -1;
}

// Whether `name` is a temporary of a write of the file `target`: ours, or one of an earlier
// version (`target` + ".~" + process id + "-" + number).
bool IsTemporaryOf(std::string_view name, std::string_view target) {
  if (target.empty() || !name.starts_with(target)) return false;
  name.remove_prefix(target.size());
  if (!name.starts_with(TemporaryMark)) return false;
  name.remove_prefix(TemporaryMark.size());
  if (name.size() == TemporaryNameLength &&
      name.find_first_not_of(TemporaryLetters) == std::string_view::npos) {
    return true;
  }
  const auto dash = name.find('-');
  const auto digits = [](std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return dash != std::string_view::npos && digits(name.substr(0, dash)) &&
         digits(name.substr(dash + 1));
}

// Removes one leftover unless a writer holds it.
bool RemoveIfStale(const std::filesystem::path& name) {
  const int fd = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  const bool stale = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                     ::flock(fd, LOCK_EX | LOCK_NB) == 0 && NameLeadsTo(name, fd);
  const bool removed = stale && ::unlink(name.c_str()) == 0;
  ::close(fd);
  return removed;
}

}  // namespace

std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < bytes.size()) {
    auto end = bytes.find('\n', begin);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(begin, end - begin);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    begin = end + 1;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) {
    out += line;
    out += LineEnd;
  }
  return out;
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::path temporary;
  const int fd = OpenTemporary(file, temporary);
  if (fd < 0) return false;
  struct stat old {};
  bool ok = true;
  if (::stat(file.c_str(), &old) == 0) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ok && ::rename(temporary.c_str(), file.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  // Closed last: the lock tells a cleaner the temporary is in use until it is gone. The bytes
  // are on the disk already, so closing has nothing left to report.
  ::close(fd);
  return ok;
}

bool CopyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::ifstream in(from, std::ios::binary);
  if (!in) return false;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return !in.bad() && WriteFileAtomically(to, bytes);
}

int RemoveStaleTemporaries(const std::filesystem::path& folder,
                           const std::function<bool(std::string_view)>& ours) {
  std::error_code error;
  std::vector<std::filesystem::path> leftovers;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const auto name = it->path().filename().string();
    const auto mark = name.rfind(TemporaryMark);
    if (mark == std::string::npos) continue;
    const std::string_view target = std::string_view(name).substr(0, mark);
    if (ours(target) && IsTemporaryOf(name, target)) leftovers.push_back(it->path());
  }
  int removed = 0;
  for (const auto& leftover : leftovers) removed += RemoveIfStale(leftover) ? 1 : 0;
  return removed;
}

void IgnoreFileSizeSignal() {
  std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace fibwick

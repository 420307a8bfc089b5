#include "support/child_process.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace fibwick::testing {
namespace {

std::runtime_error SystemError(const std::string& what) {
  return std::runtime_error(what + ": " + std::strerror(errno));
}

std::vector<char*> Arguments(const std::vector<std::string>& argv) {
  std::vector<char*> pointers;
  for (const std::string& argument : argv) pointers.push_back(const_cast<char*>(argument.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

class FileActions {
 public:
  FileActions() { posix_spawn_file_actions_init(&actions_); }
  FileActions(const FileActions&) = delete;
  FileActions& operator=(const FileActions&) = delete;
  ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
  posix_spawn_file_actions_t* get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

pid_t Spawn(const std::vector<std::string>& argv, FileActions& actions) {
  pid_t pid = -1;
  const int error = posix_spawn(&pid, argv.at(0).c_str(), actions.get(), nullptr,
                                Arguments(argv).data(), environ);
  if (error != 0) {
    throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(error));
  }
  return pid;
}

int WaitFor(pid_t pid, int options, bool& ended) {
  int status = 0;
  pid_t waited = 0;
  do {
    waited = waitpid(pid, &status, options);
  } while (waited < 0 && errno == EINTR);
  ended = waited == pid;
  if (!ended) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

std::filesystem::path FindProgram(const std::string& name) {
  std::string folders = "/usr/sbin:/sbin";
  if (const char* path = std::getenv("PATH")) folders = std::string(path) + ":" + folders;
  std::istringstream list(folders);
  for (std::string folder; std::getline(list, folder, ':');) {
    const std::filesystem::path candidate = std::filesystem::path(folder) / name;
    if (!folder.empty() && access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

int RunProgram(const std::vector<std::string>& argv, const std::filesystem::path& logFile) {
  FileActions actions;
  posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(actions.get(), STDOUT_FILENO, logFile.c_str(),
                                   O_WRONLY | O_CREAT | O_APPEND, 0644);
  posix_spawn_file_actions_adddup2(actions.get(), STDOUT_FILENO, STDERR_FILENO);
  bool ended = false;
  return WaitFor(Spawn(argv, actions), 0, ended);
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::filesystem::path& errorFile) {
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) throw SystemError("pipe");
  FileActions actions;
  posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(actions.get(), pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(actions.get(), STDERR_FILENO, errorFile.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  try {
    pid_ = Spawn(argv, actions);
  } catch (...) {
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    throw;
  }
  close(pipeEnds[1]);
  output_ = pipeEnds[0];
}

ChildProcess::~ChildProcess() {
  Stop();
  if (output_ >= 0) close(output_);
}

std::string ChildProcess::ReadLine(std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (const auto end = pending_.find('\n'); end != std::string::npos) {
      std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd ready{output_, POLLIN, 0};
    if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) return {};
    char buffer[4096];
    const ssize_t got = read(output_, buffer, sizeof buffer);
    if (got <= 0) return {};
    pending_.append(buffer, static_cast<std::size_t>(got));
  }
}

int ChildProcess::Stop() {
  if (pid_ < 0) return -1;
  kill(pid_, SIGTERM);
  bool ended = false;
  int status = -1;
  for (int tries = 0; tries < 1000 && !ended; ++tries) {
    status = WaitFor(pid_, WNOHANG, ended);
    if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!ended) {
    kill(pid_, SIGKILL);
    status = WaitFor(pid_, 0, ended);
  }
  pid_ = -1;
  return status;
}

int FreeTcpPort() {
  const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (probe < 0) throw SystemError("socket");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(probe);
    throw SystemError("bind");
  }
  close(probe);
  return ntohs(address.sin_port);
}

}  // namespace fibwick::testing

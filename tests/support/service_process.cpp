#include "support/service_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace fibwick::testing {
namespace {

// Safety nets against a hung service; a healthy one needs a fraction of these.
constexpr int StartWaitMs = 10'000;
constexpr auto StopWait = std::chrono::seconds(10);
constexpr std::string_view ListeningPrefix = "listening on ";

std::string ReadFirstLine(int fd) {
  std::string line;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(StartWaitMs);
  while (line.empty() || line.back() != '\n') {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd ready{.fd = fd, .events = POLLIN, .revents = 0};
    if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) <= 0) break;
    char c = 0;
    if (::read(fd, &c, 1) != 1) break;
    line += c;
  }
  return line;
}

}  // namespace

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "fibwick-service-XXXXXX");
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

ServiceProcess::ServiceProcess(std::vector<std::string> extraArgs)
    : ownFolder_(std::make_unique<TemporaryFolder>()), dataFolder_(ownFolder_->Path()) {
  Start(std::move(extraArgs));
}

ServiceProcess::ServiceProcess(std::filesystem::path dataFolder, std::vector<std::string> extraArgs)
    : dataFolder_(std::move(dataFolder)) {
  Start(std::move(extraArgs));
}

ServiceProcess::~ServiceProcess() {
  Stop();
}

void ServiceProcess::Start(std::vector<std::string> extraArgs) {
  std::vector<std::string> args{FIBWICK_SERVICE_BINARY, "--port", "0", "--data",
                                dataFolder_.string()};
  args.insert(args.end(), extraArgs.begin(), extraArgs.end());
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  int pipe[2];
  if (::pipe2(pipe, O_CLOEXEC) != 0) throw std::runtime_error("cannot make a pipe");
  const pid_t parent = ::getpid();
  pid_ = ::fork();
  if (pid_ == 0) {
    // A test that crashes must not leave its service behind, holding the test's output open.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) ::_exit(127);
    ::dup2(pipe[1], STDOUT_FILENO);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(pipe[1]);
  output_ = pipe[0];
  if (pid_ < 0) throw std::runtime_error("cannot start " + args[0]);
  const std::string line = ReadFirstLine(output_);
  const auto colon = line.rfind(':');
  if (!line.starts_with(ListeningPrefix) || colon == std::string::npos) {
    Stop();
    throw std::runtime_error("fibwick-service did not start; its first line: " + line);
  }
  baseUrl_ = line.substr(ListeningPrefix.size(), line.size() - ListeningPrefix.size() - 1);
  port_ = static_cast<unsigned short>(std::stoi(line.substr(colon + 1)));
}

int ServiceProcess::Stop() {
  if (pid_ < 0) return -1;
  ::kill(pid_, SIGTERM);
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + StopWait;
  pid_t ended = 0;
  while ((ended = ::waitpid(pid_, &status, WNOHANG)) == 0 &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (ended == 0) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, &status, 0);
    status = -1;
  }
  pid_ = -1;
  ::close(output_);
  output_ = -1;
  return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace fibwick::testing

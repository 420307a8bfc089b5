#pragma once

#include <sys/types.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// The real fibwick-service for tests: started on a free port of 127.0.0.1, stopped with the test.
namespace fibwick::testing {

// A fresh folder under the system's temporary folder, removed with all it holds.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The service ends with the thread that started it, even when that thread's process crashes.
class ServiceProcess {
 public:
  // Serves from a fresh temporary data folder, removed when the process object goes.
  explicit ServiceProcess(std::vector<std::string> extraArgs = {});
  // Serves from a folder the caller keeps, e.g. to start again on the same data.
  ServiceProcess(std::filesystem::path dataFolder, std::vector<std::string> extraArgs);
  ~ServiceProcess();
  ServiceProcess(const ServiceProcess&) = delete;
  ServiceProcess& operator=(const ServiceProcess&) = delete;

  // "http://127.0.0.1:<port>", as the service printed it.
  const std::string& BaseUrl() const { return baseUrl_; }
  const std::filesystem::path& DataFolder() const { return dataFolder_; }
  unsigned short Port() const { return port_; }

  // Sends SIGTERM and waits for the end; the exit status, or -1 when it had to be killed.
  // The destructor does the same when the test has not.
  int Stop();

 private:
  void Start(std::vector<std::string> extraArgs);

  std::unique_ptr<TemporaryFolder> ownFolder_;
  std::filesystem::path dataFolder_;
  std::string baseUrl_;
  unsigned short port_ = 0;
  pid_t pid_ = -1;
  int output_ = -1;
};

}  // namespace fibwick::testing

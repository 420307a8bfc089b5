#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

// Other programs run by the tests: servers beside them and commands run to their end.
namespace fibwick::testing {

// The full path of a program found on PATH or in /usr/sbin and /sbin; empty when absent.
std::filesystem::path FindProgram(const std::string& name);

// Runs argv (argv[0] a full path) to its end, its output and errors appended to logFile;
// returns its exit status, or -1 when a signal ended it.
int RunProgram(const std::vector<std::string>& argv, const std::filesystem::path& logFile);

// A program running beside the test, its standard output read through a pipe and its errors
// written to a file. Destroying it stops it.
class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& argv, const std::filesystem::path& errorFile);
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  // The next line of its standard output, without the line end; empty when the program closed
  // it or printed no whole line in time.
  std::string ReadLine(std::chrono::milliseconds wait);

  // Sends SIGTERM, waits for the end and returns the exit status (-1 for a signal); SIGKILL
  // when it is still running after 10 s.
  int Stop();

 private:
  pid_t pid_ = -1;
  int output_ = -1;
  std::string pending_;
};

// A TCP port on 127.0.0.1 that no one listened on a moment ago.
int FreeTcpPort();

}  // namespace fibwick::testing

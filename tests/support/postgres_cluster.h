#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A PostgreSQL cluster of its own for a test: made in a temporary folder, listening on a free
// port of 127.0.0.1 (and on a socket in that folder), and gone with the object.
namespace fibwick::testing {

class PostgresCluster {
 public:
  // Why no cluster can run here (no PostgreSQL server programs, or root without a "postgres"
  // user to run them as); empty when one can.
  static std::string Unavailable();

  // Creates, starts and fills it with one database, "fibwick"; throws std::runtime_error with
  // the server's log when it cannot.
  PostgresCluster();
  PostgresCluster(const PostgresCluster&) = delete;
  PostgresCluster& operator=(const PostgresCluster&) = delete;
  ~PostgresCluster();

  // postgresql://USER@127.0.0.1:PORT/fibwick
  std::string Url() const { return UrlOf("fibwick"); }
  std::string UrlOf(const std::string& database) const;
  // Creates an empty database and returns its URL.
  std::string CreateDatabase(const std::string& name);

  // The server stops, and starts again with its data, on the same port while that is free.
  void Stop();
  void Start();

  int Port() const { return port_; }
  const std::filesystem::path& Folder() const { return folder_; }

 private:
  void Keep(const std::filesystem::path& data, const std::filesystem::path& kept);
  void RunAsServerUser(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments);

  std::filesystem::path binaries_;
  std::filesystem::path folder_;
  int port_ = 0;
  bool running_ = false;
};

}  // namespace fibwick::testing

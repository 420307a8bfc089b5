#include "support/postgres_cluster.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "support/child_process.h"

namespace fibwick::testing {
namespace {

constexpr const char* SuperUser = "fibwick";

// Small WAL segments: the kept copy of a new cluster is a third smaller.
const std::vector<std::string> InitdbOptions = {"--username=" + std::string(SuperUser),
                                                "--auth=trust",
                                                "--encoding=UTF8",
                                                "--locale=C",
                                                "--no-sync",
                                                "--no-instructions",
                                                "--wal-segsize=1"};

// The newest installed version's server programs (Debian keeps them out of PATH), else those
// on PATH.
std::filesystem::path ServerPrograms() {
  std::filesystem::path best;
  int bestVersion = -1;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/usr/lib/postgresql", error)) {
    const std::string name = entry.path().filename().string();
    const int version = std::atoi(name.c_str());
    if (version > bestVersion && std::filesystem::exists(entry.path() / "bin" / "initdb")) {
      best = entry.path() / "bin";
      bestVersion = version;
    }
  }
  if (!best.empty()) return best;
  const std::filesystem::path initdb = FindProgram("initdb");
  return initdb.empty() ? initdb : initdb.parent_path();
}

// PostgreSQL refuses to run as root; root runs it as the "postgres" user instead.
bool AsRoot() {
  return geteuid() == 0;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Root's folders go where the postgres user can reach them.
std::filesystem::path TemporaryParent() {
  return AsRoot() ? "/tmp" : std::filesystem::temp_directory_path();
}

uid_t ServerUser() {
  const passwd* user = AsRoot() ? getpwnam("postgres") : nullptr;
  return user != nullptr ? user->pw_uid : geteuid();
}

// initdb takes most of a cluster's start-up, so its result is kept once, named after the
// programs and options that made it, and copied for every later cluster.
std::filesystem::path TemplateFolder(const std::filesystem::path& binaries) {
  std::string maker = binaries.string();
  for (const std::string& option : InitdbOptions) maker += ' ' + option;
  return TemporaryParent() /
         ("fibwick-pg-template-" + std::to_string(std::hash<std::string>{}(maker)) + "-" +
          std::to_string(ServerUser()));
}

// Only a template the server's user made for itself alone is copied; it appears whole, by a
// rename, or not at all.
bool Usable(const std::filesystem::path& folder) {
  struct stat info {};
  return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ServerUser() &&
         (info.st_mode & 077) == 0;
}

std::filesystem::path MakeFolder() {
  std::string pattern = (TemporaryParent() / "fibwick-pg-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
  if (AsRoot()) {
    const passwd* user = getpwnam("postgres");
    if (user == nullptr || chown(pattern.c_str(), user->pw_uid, user->pw_gid) != 0) {
      std::filesystem::remove_all(pattern);
      throw std::runtime_error("cannot give " + pattern + " to the postgres user");
    }
  }
  return pattern;
}

}  // namespace

std::string PostgresCluster::Unavailable() {
  if (ServerPrograms().empty()) {
    return "no PostgreSQL server programs (initdb, pg_ctl) installed; scripts/install-deps "
           "installs them";
  }
  if (AsRoot() && (getpwnam("postgres") == nullptr || FindProgram("runuser").empty())) {
    return "running as root, and PostgreSQL needs the \"postgres\" user and runuser to run as";
  }
  return {};
}

PostgresCluster::PostgresCluster() : binaries_(ServerPrograms()) {
  if (const std::string reason = Unavailable(); !reason.empty()) throw std::runtime_error(reason);
  folder_ = MakeFolder();
  try {
    const std::filesystem::path data = folder_ / "data";
    const std::filesystem::path kept = TemplateFolder(binaries_);
    if (Usable(kept)) {
      RunAsServerUser(FindProgram("cp"), {"-a", kept.string(), data.string()});
    } else {
      std::vector<std::string> initdb = {"--pgdata=" + data.string()};
      initdb.insert(initdb.end(), InitdbOptions.begin(), InitdbOptions.end());
      RunAsServerUser(binaries_ / "initdb", initdb);
      Keep(data, kept);
    }
    Start();
    CreateDatabase("fibwick");
  } catch (...) {
    if (running_) Stop();
    std::filesystem::remove_all(folder_);
    throw;
  }
}

PostgresCluster::~PostgresCluster() {
  try {
    if (running_) Stop();
  } catch (const std::exception&) {
    // The folder goes anyway; a server left behind dies when its data folder does not exist.
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string PostgresCluster::UrlOf(const std::string& database) const {
  return "postgresql://" + std::string(SuperUser) + "@127.0.0.1:" + std::to_string(port_) + "/" +
         database;
}

std::string PostgresCluster::CreateDatabase(const std::string& name) {
  const std::filesystem::path log = folder_ / "createdb.log";
  const int status =
      RunProgram({(binaries_ / "createdb").string(), "--host=127.0.0.1",
                  "--port=" + std::to_string(port_), "--username=" + std::string(SuperUser), name},
                 log);
  if (status != 0) throw std::runtime_error("createdb " + name + " failed:\n" + ReadFile(log));
  return UrlOf(name);
}

void PostgresCluster::Start() {
  // A port taken between our probe and the server's start is tried again with another.
  for (int attempt = 0; !running_; ++attempt) {
    if (port_ == 0 || attempt > 0) port_ = FreeTcpPort();
    try {
      RunAsServerUser(binaries_ / "pg_ctl",
                      {"start", "--wait", "--pgdata=" + (folder_ / "data").string(),
                       "--log=" + (folder_ / "server.log").string(),
                       "--options=-c listen_addresses=127.0.0.1 -c port=" + std::to_string(port_) +
                           " -c unix_socket_directories=" + folder_.string() +
                           " -c fsync=off -c synchronous_commit=off"
                           " -c full_page_writes=off -c shared_buffers=16MB"});
      running_ = true;
    } catch (const std::runtime_error&) {
      if (attempt == 2) throw;
    }
  }
}

void PostgresCluster::Stop() {
  RunAsServerUser(binaries_ / "pg_ctl",
                  {"stop", "--wait", "--mode=fast", "--pgdata=" + (folder_ / "data").string()});
  running_ = false;
}

void PostgresCluster::Keep(const std::filesystem::path& data, const std::filesystem::path& kept) {
  const std::filesystem::path copy = kept.string() + "." + std::to_string(getpid());
  std::error_code error;
  try {
    RunAsServerUser(FindProgram("cp"), {"-a", data.string(), copy.string()});
    std::filesystem::rename(copy, kept, error);
  } catch (const std::runtime_error&) {
    // Without a template the next cluster runs initdb again; this one is whole.
  }
  std::filesystem::remove_all(copy, error);
}

void PostgresCluster::RunAsServerUser(const std::filesystem::path& program,
                                      const std::vector<std::string>& arguments) {
  std::vector<std::string> argv;
  if (AsRoot()) argv = {FindProgram("runuser").string(), "-u", "postgres", "--"};
  argv.push_back(program.string());
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  const std::filesystem::path log = folder_ / (program.filename().string() + ".log");
  if (RunProgram(argv, log) != 0) {
    throw std::runtime_error(program.string() + " failed:\n" + ReadFile(log) +
                             ReadFile(folder_ / "server.log"));
  }
}

}  // namespace fibwick::testing

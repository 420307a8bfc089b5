// Two fibwick-service instances on one PostgreSQL database behind nginx answer as one service.
#include <curl/curl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <string>
#include <thread>

#include "support/child_process.h"
#include "support/postgres_cluster.h"

namespace fibwick::service {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;
using testing::FindProgram;
using testing::FreeTcpPort;
using testing::PostgresCluster;

struct Reply {
  long status = 0;
  std::string body;
};

std::size_t Append(char* data, std::size_t size, std::size_t count, void* body) {
  static_cast<std::string*>(body)->append(data, size * count);
  return size * count;
}

// A form post as the game sends it; an empty form makes a GET.
Reply Request(const std::string& url, const std::string& form = {}) {
  const std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
  Reply reply;
  curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl.get(), CURLOPT_NOPROXY, "*");
  curl_easy_setopt(curl.get(), CURLOPT_USERAGENT, "NuvSpecAccess");
  curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT_MS, 10000L);
  curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, Append);
  curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &reply.body);
  if (!form.empty()) curl_easy_setopt(curl.get(), CURLOPT_POSTFIELDS, form.c_str());
  if (curl_easy_perform(curl.get()) == CURLE_OK) {
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &reply.status);
  }
  return reply;
}

std::size_t LinesHolding(const std::filesystem::path& file, const std::string& text) {
  std::ifstream in(file);
  std::size_t count = 0;
  for (std::string line; std::getline(in, line);) count += line.find(text) != std::string::npos;
  return count;
}

// A service instance on the database; its first line says where it listens.
struct Instance {
  Instance(const std::filesystem::path& binary, const std::filesystem::path& folder,
           const std::string& database)
      : log(folder / "service.log"),
        process((std::filesystem::create_directories(folder / "data"),
                 std::vector<std::string>{binary.string(), "--listen", "127.0.0.1", "--port", "0",
                                          "--data", (folder / "data").string(), "--database",
                                          database}),
                log) {
    const std::string line = process.ReadLine(30s);
    std::smatch match;
    if (std::regex_match(line, match, std::regex("listening on (http://[0-9.]+:[0-9]+)"))) {
      url = match[1];
    }
  }

  std::filesystem::path log;
  ChildProcess process;
  std::string url;
};

void WriteNginxConfig(const std::filesystem::path& prefix, int port, const Instance& first,
                      const Instance& second) {
  std::filesystem::create_directories(prefix / "logs");
  std::ofstream config(prefix / "nginx.conf");
  config << "daemon off;\n"
         << "worker_processes 1;\n"
         << "pid " << (prefix / "nginx.pid").string() << ";\n"
         << "error_log " << (prefix / "logs" / "error.log").string() << " warn;\n"
         << "events { worker_connections 256; }\n"
         << "http {\n"
         << "  access_log off;\n"
         << "  upstream fibwick {\n"
         << "    server " << first.url.substr(7) << ";\n"
         << "    server " << second.url.substr(7) << ";\n"
         << "  }\n"
         << "  server {\n"
         << "    listen 127.0.0.1:" << port << ";\n"
         << "    location / {\n"
         << "      proxy_pass http://fibwick;\n"
         << "      proxy_set_header X-Forwarded-For $proxy_add_x_forwarded_for;\n"
         << "    }\n"
         << "  }\n"
         << "}\n";
}

TEST(LoadBalance, TwoInstancesBehindNginxCountEveryReportOnce) {
  const std::filesystem::path binary = FIBWICK_SERVICE_BINARY;
  const std::filesystem::path nginx = FindProgram("nginx");
  if (!std::filesystem::exists(binary)) GTEST_SKIP() << "fibwick-service is not built: " << binary;
  if (nginx.empty()) GTEST_SKIP() << "nginx is not installed (scripts/install-deps installs it)";
  if (const std::string reason = PostgresCluster::Unavailable(); !reason.empty()) {
    GTEST_SKIP() << reason;
  }

  PostgresCluster cluster;
  const std::filesystem::path folder = cluster.Folder() / "balance";
  Instance first(binary, folder / "first", cluster.Url());
  Instance second(binary, folder / "second", cluster.Url());
  ASSERT_FALSE(first.url.empty()) << "see " << first.log;
  ASSERT_FALSE(second.url.empty()) << "see " << second.log;

  const int port = FreeTcpPort();
  WriteNginxConfig(folder / "nginx", port, first, second);
  ChildProcess balancer({nginx.string(), "-p", (folder / "nginx").string(), "-c",
                         (folder / "nginx" / "nginx.conf").string(), "-e",
                         (folder / "nginx" / "logs" / "error.log").string()},
                        folder / "nginx" / "stderr.log");
  const std::string front = "http://127.0.0.1:" + std::to_string(port);
  // nginx says nothing when it is ready; it is once it answers.
  for (int tries = 0; tries < 200 && Request(front + "/paths").status != 200; ++tries) {
    std::this_thread::sleep_for(50ms);
  }

  constexpr int Reports = 40;
  for (int i = 0; i < Reports; ++i) {
    const Reply reply = Request(front + "/statistics", "gid=22&stat1=1&stat2=0");
    ASSERT_EQ(reply.status, 200) << "report " << i;
    ASSERT_EQ(reply.body, "$ ok#") << "report " << i;
  }

  const std::string totals = "$" + std::to_string(Reports) + " 0 0 - 0 0 0 0 0 0 0 0 0 0 0 0 0 -*";
  for (const std::string& base : {front, first.url, second.url}) {
    const Reply reply = Request(base + "/statistics", "gid=22");
    EXPECT_EQ(reply.status, 200) << base;
    EXPECT_EQ(reply.body, totals) << base;
  }

  balancer.Stop();
  first.process.Stop();
  second.process.Stop();
  const std::size_t servedByFirst = LinesHolding(first.log, "POST /statistics");
  const std::size_t servedBySecond = LinesHolding(second.log, "POST /statistics");
  EXPECT_GT(servedByFirst, 1u) << "see " << first.log;
  EXPECT_GT(servedBySecond, 1u) << "see " << second.log;
  EXPECT_EQ(servedByFirst + servedBySecond, Reports + 3u);
}

}  // namespace
}  // namespace fibwick::service

#include "online/pack_download.h"

#include <gtest/gtest.h>

#include <fstream>

#include "online/loopback_server.h"

namespace fibwick {
namespace {

using testing::ClosedPortUrl;
using testing::HttpAnswer;
using testing::LoopbackServer;

class Folder {
 public:
  Folder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("fibwick-online-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_ / "Game");
  }
  ~Folder() { std::filesystem::remove_all(path_); }
  const std::filesystem::path& path() const { return path_; }
  // Every name in the folder, hidden ones included.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path path_;
};

std::string Pack(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 % 251);
  return bytes;
}

std::string Read(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PackDownload, ACompletePackTakesItsNameAndReportsItsProgress) {
  const std::string bytes = Pack(300000);
  LoopbackServer server([&](const std::string&) { return HttpAnswer(bytes); });
  Folder folder;
  std::int64_t lastDone = 0;
  std::int64_t lastTotal = 0;
  const auto outcome = DownloadPack(server.BaseUrl() + "/files/", "NuvCards06A.dll", folder.path(),
                                    [&](std::int64_t done, std::int64_t total) {
                                      EXPECT_GE(done, lastDone);
                                      lastDone = done;
                                      lastTotal = total;
                                      return true;
                                    });
  ASSERT_EQ(outcome, DownloadOutcome::Done);
  EXPECT_EQ(Read(folder.path() / "NuvCards06A.dll"), bytes);
  EXPECT_EQ(lastDone, 300000);
  EXPECT_EQ(lastTotal, 300000);
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Game", "NuvCards06A.dll"}));
  EXPECT_TRUE(server.Requests().at(0).starts_with("GET /files/NuvCards06A.dll HTTP/1.1\r\n"));
  EXPECT_TRUE(PackPresent(folder.path() / "Game", "NuvCards06A.dll"));
  EXPECT_FALSE(PackPresent(folder.path() / "Game", "NuvCards06B.dll"));
}

TEST(PackDownload, NothingIsLeftOfADownloadThatDidNotComplete) {
  const std::string bytes = Pack(200000);
  struct Case {
    const char* what;
    std::string answer;
    bool cancel;
    DownloadOutcome outcome;
  };
  const std::string cut =
      "HTTP/1.1 200 OK\r\nContent-Length: 500000\r\nConnection: close\r\n\r\n" + bytes;
  for (const Case& c : {Case{"cut short", cut, false, DownloadOutcome::Failed},
                        Case{"missing", HttpAnswer("no such file", "404 Not Found"), false,
                             DownloadOutcome::Failed},
                        Case{"cancelled", HttpAnswer(bytes), true, DownloadOutcome::Cancelled}}) {
    LoopbackServer server([&](const std::string&) { return c.answer; });
    Folder folder;
    const auto outcome =
        DownloadPack(server.BaseUrl() + "/files/", "NuvBackG03.dll", folder.path(),
                     [&](std::int64_t done, std::int64_t) { return !(c.cancel && done > 0); });
    EXPECT_EQ(outcome, c.outcome) << c.what;
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Game"}) << c.what;
  }
}

TEST(PackDownload, NoServiceOrABadNameLeavesNothing) {
  Folder folder;
  EXPECT_EQ(DownloadPack(ClosedPortUrl() + "/files/", "NuvRadio.rad", folder.path(), {}),
            DownloadOutcome::Failed);
  LoopbackServer server([](const std::string&) { return HttpAnswer("x"); });
  for (const char* name : {"../evil.dll", "a/b.dll", ".hidden", ""}) {
    EXPECT_EQ(DownloadPack(server.BaseUrl() + "/files/", name, folder.path(), {}),
              DownloadOutcome::Failed)
        << name;
  }
  EXPECT_TRUE(server.Requests().empty());
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Game"});
}

}  // namespace
}  // namespace fibwick

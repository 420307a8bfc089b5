#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <fstream>
#include <memory>

#include "support/raw_http.h"
#include "support/service_process.h"

namespace fibwick::testing {
namespace {

constexpr std::string_view Windows1251Type = "text/plain; charset=windows-1251";

std::string Cp1251Name() {
  return "\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2";
}  // Иван Петров

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

// Sets an environment variable for the life of the object.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) { ::setenv(name, value, 1); }
  ~ScopedVariable() { ::unsetenv(name_); }

 private:
  const char* name_;
};

TEST(PathsDocument, NamesTheScriptsUnderThePublicAddress) {
  ServiceProcess service;
  const auto reply = Exchange(service.BaseUrl(), GetRequest("/paths"));
  EXPECT_EQ(reply.status, 200);
  const auto& base = service.BaseUrl();
  EXPECT_EQ(reply.body, "AccPath=" + base + "/account#StatPath=" + base +
                            "/statistics#WTGamesPatt=" + base + "/records#");
}

TEST(PathsDocument, OptionsAndEnvironmentSetTheAddressAndThePauses) {
  const ScopedVariable chat("FIBWICK_SERVICE_PAUSE_CHAT", "1");
  const ScopedVariable url("FIBWICK_SERVICE_PUBLIC_URL", "http://from-environment.example");
  {
    ServiceProcess service;
    EXPECT_EQ(Exchange(service.BaseUrl(), GetRequest("/paths")).body,
              "AccPath=http://from-environment.example/account#StatPath=http://"
              "from-environment.example/statistics#WTGamesPatt=http://"
              "from-environment.example/records#CTGamesPause");
  }
  ServiceProcess service({"--public-url", "https://games.example/fw/", "--pause-records"});
  EXPECT_EQ(Exchange(service.BaseUrl(), GetRequest("/paths")).body,
            "AccPath=https://games.example/fw/account#StatPath=https://games.example/fw/"
            "statistics#WTGamesPatt=https://games.example/fw/records#WTGamesPauseCTGamesPause");
}

TEST(IpEcho, AnswersThePeerAndBehindATrustedProxyTheAddressItAppended) {
  const std::string forwarded = "X-Forwarded-For: 10.9.9.9, 203.0.113.7\r\nUser-Agent: curl\r\n";
  ServiceProcess direct;
  EXPECT_EQ(Exchange(direct.BaseUrl(), GetRequest("/ip", forwarded)).body, "127.0.0.1\r\n");
  ServiceProcess proxied({"--trust-proxy"});
  EXPECT_EQ(Exchange(proxied.BaseUrl(), GetRequest("/ip", forwarded)).body, "203.0.113.7\r\n");
  EXPECT_EQ(Exchange(proxied.BaseUrl(), GetRequest("/ip")).body, "127.0.0.1\r\n");
}

TEST(IpEcho, AnIpv4CallerOfADualStackServiceIsNamedByItsIpv4Address) {
  std::unique_ptr<ServiceProcess> service;
  try {
    service = std::make_unique<ServiceProcess>(std::vector<std::string>{"--listen", "::"});
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "no IPv6 on this machine";
  }
  const auto ipv4Url = "http://127.0.0.1:" + std::to_string(service->Port());
  EXPECT_EQ(Exchange(ipv4Url, GetRequest("/ip")).body, "127.0.0.1\r\n");
}

TEST(News, ThePageOfTheDataFolderElseNewsNumberZero) {
  ServiceProcess service;
  const auto generated = Exchange(service.BaseUrl(), GetRequest("/news"));
  EXPECT_EQ(generated.status, 200);
  EXPECT_NE(generated.body.find("NuvNews00000"), std::string::npos);

  const std::string page = "<html><body>Tournament! NuvNews00042</body></html>";
  WriteFile(service.DataFolder() / "news.html", page);
  EXPECT_EQ(Exchange(service.BaseUrl(), GetRequest("/news")).body, page);
}

TEST(Downloads, ServeTheBytesOfTheFileWithItsLengthAndHeadGivesTheLengthOnly) {
  ServiceProcess service;
  const std::string bytes("PK\x03\x04\0\r\n\xFF radio", 14);
  WriteFile(service.DataFolder() / "files" / "NuvRadio.rad", bytes);
  std::filesystem::create_directories(service.DataFolder() / "files" / "folder");

  RawConnection connection(service.BaseUrl());
  connection.Send("HEAD /files/NuvRadio.rad HTTP/1.1\r\nHost: x\r\n\r\n");
  const auto head = connection.Read(true);
  EXPECT_EQ(head.status, 200);
  EXPECT_EQ(head.Header("content-length"), "14");
  // Had HEAD sent a body, this reply would start inside it.
  connection.Send(GetRequest("/files/Nuv%52adio.rad"));
  const auto file = connection.Read();
  EXPECT_EQ(file.status, 200);
  EXPECT_EQ(file.Header("content-type"), "application/octet-stream");
  EXPECT_EQ(file.body, bytes);

  for (const auto* missing : {"/files/absent.zip", "/files/folder"}) {
    connection.Send(GetRequest(missing));
    EXPECT_EQ(connection.Read().status, 404) << missing;
  }
}

TEST(Statistics, ReportsAreSummedAndReadBackInEighteenFields) {
  ServiceProcess service;
  const auto post = [&](const std::string& body) {
    const auto reply = Exchange(service.BaseUrl(), FormPost("/statistics", body));
    EXPECT_EQ(reply.status, 200) << body;
    EXPECT_EQ(reply.Header("content-type"), Windows1251Type) << body;
    return reply.body;
  };
  EXPECT_EQ(post("gid=22&stat1=1&stat2=1"), "$ ok#");
  EXPECT_EQ(post("gid=22&stat1=1&stat2=0"), "$ ok#");
  // The game sends the name raw, in Windows-1251, space and all.
  EXPECT_EQ(post("gid=22&stat3=1&stat4=" + Cp1251Name()), "$ ok#");
  EXPECT_EQ(post("gid=22&R1=40&R2=1&R3=7&R4=0&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0"),
            "$ ok#");
  EXPECT_EQ(post("gid=22&R1=0&R2=0&R3=0&R4=5&R5=3&R6=1&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0"), "$ ok#");
  EXPECT_EQ(post("gid=23&stat1=1&stat2=1"), "$ ok#");

  EXPECT_EQ(post("gid=" + PercentEncode("22")),
            "$2 1 1 \xC8\xE2\xE0\xED_\xCF\xE5\xF2\xF0\xEE\xE2 40 1 7 5 3 1 0 0 0 0 0 0 0 -*");
  EXPECT_EQ(post("gid=23"), "$1 1 0 - 0 0 0 0 0 0 0 0 0 0 0 0 0 -*");
  // A name sent percent-encoded, as a field list sends it, arrives the same.
  EXPECT_EQ(post("gid=24&stat3=1&stat4=" + PercentEncode(Cp1251Name())), "$ ok#");
  EXPECT_EQ(post("gid=24"),
            "$0 0 1 \xC8\xE2\xE0\xED_\xCF\xE5\xF2\xF0\xEE\xE2 0 0 0 0 0 0 0 0 0 0 0 0 0 -*");
}

TEST(Statistics, RequestsWithFieldsMissingOrOutOfRangeAreRefusedAndCountNothing) {
  ServiceProcess service;
  const std::string allCounters = "R1=0&R2=0&R3=0&R4=0&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0";
  const std::string refused[] = {
      "",
      "stat1=1&stat2=1",
      "gid=0&stat1=1&stat2=1",
      "gid=10000&stat1=1&stat2=1",
      "gid=2x&stat1=1&stat2=1",
      "gid=22&stat1=1",
      "gid=22&stat2=1",
      "gid=22&stat1=2&stat2=0",
      "gid=22&stat1=1&stat2=-1",
      "gid=22&stat1=&stat2=0",
      "gid=22&stat3=1",
      "gid=22&stat4=Ivan",
      "gid=22&stat3=2&stat4=Ivan",
      "gid=22&stat3=1&stat4=",
      "gid=22&stat3=1&stat4=" + std::string(41, 'n'),
      "gid=22&stat3=1&stat4=a%0Ab",
      "gid=22&R1=1",
      "gid=22&" + allCounters.substr(0, allCounters.rfind('&')),
  };
  for (const auto& body : refused) {
    const auto reply = Exchange(service.BaseUrl(), FormPost("/statistics", body));
    EXPECT_EQ(reply.status, 200) << body;
    EXPECT_EQ(reply.body, "$ no#") << body;
  }
  const std::string outOfRange[] = {"R5=1000001", "R3=-1", "R12=x"};
  for (const auto& counter : outOfRange) {
    std::string body = "gid=22&" + allCounters;
    const auto name = counter.substr(0, counter.find('=') + 1);
    body.replace(body.find("&" + name) + 1, name.size() + 1, counter);
    EXPECT_EQ(Exchange(service.BaseUrl(), FormPost("/statistics", body)).body, "$ no#") << body;
  }
  EXPECT_EQ(Exchange(service.BaseUrl(),
                     FormPost("/statistics", "gid=22&stat3=1&stat4=" + std::string(40, 'n')))
                .body,
            "$ ok#");
  EXPECT_EQ(Exchange(service.BaseUrl(), FormPost("/statistics", "gid=22")).body,
            "$0 0 1 " + std::string(40, 'n') + " 0 0 0 0 0 0 0 0 0 0 0 0 0 -*");
}

TEST(Statistics, AFailingDatabaseAnswers503AndTheServiceGoesOn) {
  ServiceProcess service;
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open((service.DataFolder() / "fibwick.sqlite").c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "DROP TABLE statistics", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  EXPECT_EQ(Exchange(service.BaseUrl(), FormPost("/statistics", "gid=22&stat1=1&stat2=1")).status,
            503);
  EXPECT_EQ(Exchange(service.BaseUrl(), FormPost("/statistics", "gid=22")).status, 503);
  EXPECT_EQ(Exchange(service.BaseUrl(), GetRequest("/paths")).status, 200);
}

}  // namespace
}  // namespace fibwick::testing

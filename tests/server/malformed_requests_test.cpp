#include <gtest/gtest.h>

#include "support/raw_http.h"
#include "support/service_process.h"

namespace fibwick::testing {
namespace {

std::string Post(const std::string& headers, const std::string& body) {
  return "POST /statistics HTTP/1.1\r\nHost: x\r\n" + headers + "\r\n" + body;
}

constexpr const char* Form =
    "User-Agent: NuvSpecAccess\r\nContent-Type: application/x-www-form-urlencoded\r\n";

struct BadRequest {
  const char* what;
  std::string bytes;
  int status;
  bool closes;  // the service cannot trust the rest of the stream, so it closes after replying
};

std::vector<BadRequest> BadRequests() {
  const std::string longText(9000, 'a');
  const std::string chunk(2000, 'c');
  return {
      {"garbage request line", "GARBAGE\r\n\r\n", 400, true},
      {"no version", "GET /paths\r\n\r\n", 400, true},
      {"version text", "GET /paths HTTP/1.x\r\nHost: x\r\n\r\n", 400, true},
      {"version 2.0", "GET /paths HTTP/2.0\r\nHost: x\r\n\r\n", 400, true},
      {"space in the target", "GET /pa ths HTTP/1.1\r\nHost: x\r\n\r\n", 400, true},
      {"NUL in the target", std::string("GET /pa\0ths HTTP/1.1\r\nHost: x\r\n\r\n", 33), 400, true},
      {"header without colon", "GET /paths HTTP/1.1\r\nHost x\r\n\r\n", 400, true},
      {"NUL in a header", std::string("GET /paths HTTP/1.1\r\nX-A: a\0b\r\n\r\n", 33), 400, true},
      {"headers over the limit", "GET /paths HTTP/1.1\r\nX-Long: " + longText + "\r\n\r\n", 431,
       true},
      {"request line over the limit", "GET /" + longText + " HTTP/1.1\r\n\r\n", 431, true},
      {"declared body over the limit", Post(std::string(Form) + "Content-Length: 70000\r\n", ""),
       413, true},
      {"chunked body over the limit",
       Post(std::string(Form) + "Transfer-Encoding: chunked\r\n",
            "7D0\r\n" + chunk + "\r\n0\r\n\r\n"),
       413, true},
      {"Content-Length not a number", Post(std::string(Form) + "Content-Length: 6x\r\n", "gid=22"),
       400, true},
      {"two Content-Lengths",
       Post(std::string(Form) + "Content-Length: 6\r\nContent-Length: 7\r\n", "gid=22"), 400, true},
      {"body without a length", Post(Form, "gid=22"), 411, true},
      {"absolute-form target", "GET http://127.0.0.1/paths HTTP/1.1\r\nHost: x\r\n\r\n", 400,
       false},
      {"asterisk target", "OPTIONS * HTTP/1.1\r\nHost: x\r\n\r\n", 400, false},
      {"bad escape in the form", FormPost("/statistics", "gid=22&stat4=%zz"), 400, false},
      {"escape cut at the end", FormPost("/statistics", "gid=22%2"), 400, false},
      {"escaped byte outside Windows-1251", FormPost("/statistics", "gid=22&stat3=1&stat4=A%98"),
       400, false},
      {"raw byte outside Windows-1251", FormPost("/statistics", "gid=22&stat3=1&stat4=A\x98"), 400,
       false},
      {"byte outside Windows-1251 in a name", FormPost("/statistics", "gid=22&%98=1"), 400, false},
      {"bad escape in a file name", GetRequest("/files/a%2"), 400, false},
      {"..%2F", GetRequest("/files/..%2Ffibwick.sqlite"), 400, false},
      {"%2e%2e", GetRequest("/files/%2e%2e"), 400, false},
      {"%2e%2e%2f", GetRequest("/files/%2e%2e%2fnews.html"), 400, false},
      {"raw ../", GetRequest("/files/../fibwick.sqlite"), 400, false},
      {"absolute path", GetRequest("/files//etc/passwd"), 400, false},
      {"encoded absolute path", GetRequest("/files/%2Fetc%2Fpasswd"), 400, false},
      {"encoded backslash", GetRequest("/files/..%5Cfibwick.sqlite"), 400, false},
      {"hidden file", GetRequest("/files/.secret"), 400, false},
      {"encoded NUL", GetRequest("/files/news.html%00.zip"), 400, false},
      {"no file name", GetRequest("/files/"), 400, false},
      {"unknown script", GetRequest("/nothing"), 404, false},
      {"folder of the downloads", GetRequest("/files"), 404, false},
      {"account script of a later day", FormPost("/account", "gid=22"), 404, false},
      {"records script of a later day", FormPost("/records", "gid=22"), 404, false},
      {"tournament script of a later day", FormPost("/tournament", "gid=22"), 404, false},
      {"browser's User-Agent on a form", FormPost("/statistics", "gid=22", "Mozilla/5.0"), 403,
       false},
      {"no User-Agent on a form",
       Post("Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 6\r\n", "gid=22"),
       403, false},
      {"form of another type",
       Post("User-Agent: NuvSpecAccess\r\nContent-Type: text/plain\r\nContent-Length: 6\r\n",
            "gid=22"),
       415, false},
      {"GET of a form script", GetRequest("/statistics"), 405, false},
      {"POST of a page", FormPost("/paths", "gid=22"), 405, false},
      {"unknown method", "BREW /paths HTTP/1.1\r\nHost: x\r\n\r\n", 405, false},
  };
}

TEST(MalformedRequests, AnswerTheirStatusAndTheServiceGoesOn) {
  ServiceProcess service({"--max-body", "1000"});
  std::filesystem::create_directories(service.DataFolder() / "files");
  for (const auto& request : BadRequests()) {
    RawConnection connection(service.BaseUrl());
    connection.Send(request.bytes);
    const auto reply = connection.Read();
    EXPECT_EQ(reply.status, request.status) << request.what;
    if (request.closes) {
      connection.WaitClosed();
    } else {
      connection.Send(GetRequest("/ip"));
      EXPECT_EQ(connection.Read().body, "127.0.0.1\r\n") << request.what;
    }
  }
  EXPECT_EQ(Exchange(service.BaseUrl(), GetRequest("/paths")).status, 200);
  EXPECT_EQ(Exchange(service.BaseUrl(), FormPost("/statistics", "gid=22")).status, 200);
  EXPECT_EQ(service.Stop(), 0);
}

TEST(MalformedRequests, ABodyWithinTheLimitIsServedWhetherSizedOrChunked) {
  ServiceProcess service({"--max-body", "1000"});
  const std::string padding = "&pad=" + std::string(900, 'p');
  const auto sized = Exchange(service.BaseUrl(), FormPost("/statistics", "gid=22" + padding));
  EXPECT_EQ(sized.body, "$0 0 0 - 0 0 0 0 0 0 0 0 0 0 0 0 0 -*");
  const auto chunked =
      Exchange(service.BaseUrl(), Post(std::string(Form) + "Transfer-Encoding: chunked\r\n",
                                       "4\r\ngid=\r\n12\r\n22&stat1=1&stat2=1\r\n0\r\n\r\n"));
  EXPECT_EQ(chunked.body, "$ ok#");
}

}  // namespace
}  // namespace fibwick::testing

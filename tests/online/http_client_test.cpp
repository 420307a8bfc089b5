#include "online/http_client.h"

#include <gtest/gtest.h>

#include "online/loopback_server.h"

namespace fibwick {
namespace {

using testing::ClosedPortUrl;
using testing::HttpAnswer;
using testing::LoopbackServer;

TEST(HttpClient, PostsCarryTheServiceHeadersAndTheirBodies) {
  LoopbackServer server([](const std::string&) { return HttpAnswer("$ ok#"); });
  HttpClient client;
  // "Москва" in Windows-1251: raw in a form post, percent-encoded in a field list.
  const std::string moscow = "\xCC\xEE\xF1\xEA\xE2\xE0";
  const HttpReply form = client.PostForm(server.BaseUrl() + "/statistics", "gid=22&city=" + moscow);
  EXPECT_TRUE(form.done);
  EXPECT_EQ(form.body, "$ ok#");
  const HttpReply list = client.PostFieldList(server.BaseUrl() + "/records",
                                              {{"gid", "22"}, {"city", moscow + " &="}});
  EXPECT_TRUE(list.done);

  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  for (const std::string& request : requests) {
    EXPECT_NE(request.find("User-Agent: NuvSpecAccess\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("Content-Type: application/x-www-form-urlencoded\r\n"),
              std::string::npos)
        << request;
  }
  EXPECT_EQ(requests[0].substr(0, 22), "POST /statistics HTTP/");
  EXPECT_TRUE(requests[0].ends_with("\r\n\r\ngid=22&city=" + moscow)) << requests[0];
  EXPECT_TRUE(requests[1].ends_with("\r\n\r\ngid=22&city=%CC%EE%F1%EA%E2%E0%20%26%3D"))
      << requests[1];
}

TEST(HttpClient, AGetAfterAPostIsAPlainGet) {
  LoopbackServer server([](const std::string&) { return HttpAnswer("AccPath=x#"); });
  HttpClient client;
  client.PostForm(server.BaseUrl() + "/statistics", "gid=22");
  const HttpReply reply = client.GetResource(server.BaseUrl() + "/paths");
  EXPECT_TRUE(reply.done);
  EXPECT_EQ(reply.body, "AccPath=x#");
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[1].substr(0, 17), "GET /paths HTTP/1");
  EXPECT_TRUE(requests[1].ends_with("\r\n\r\n"));
}

TEST(HttpClient, FailuresComeBackAsValues) {
  struct Case {
    const char* what;
    std::string answer;
  };
  for (const Case& c : {Case{"an error status", HttpAnswer("$ ok#", "500 Internal Server Error")},
                        Case{"a missing page", HttpAnswer("not here", "404 Not Found")},
                        Case{"no HTTP at all", "\x01\x02garbage without any header"},
                        Case{"a cut body", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n$ ok"},
                        Case{"an empty answer", ""}}) {
    LoopbackServer server([&](const std::string&) { return c.answer; });
    HttpClient client;
    const HttpReply reply = client.PostForm(server.BaseUrl() + "/statistics", "gid=22");
    EXPECT_FALSE(reply.done) << c.what;
  }
}

TEST(HttpClient, NoServiceFailsAtOnce) {
  HttpClient client;
  const HttpReply reply = client.PostFieldList(ClosedPortUrl() + "/statistics", {{"gid", "22"}});
  EXPECT_FALSE(reply.done);
  EXPECT_EQ(reply.body, "");
}

TEST(HttpClient, ASilentServiceFailsAfterTheReadTimeout) {
  LoopbackServer server([](const std::string&) { return std::nullopt; });
  HttpClient client;
  EXPECT_EQ(client.ReadTimeout(), 3000);
  client.SetReadTimeout(200);
  EXPECT_FALSE(client.PostForm(server.BaseUrl() + "/statistics", "gid=22").done);
  // The setting stays for the next request, as every setting of the shared client does.
  EXPECT_FALSE(client.GetResource(server.BaseUrl() + "/paths").done);
  EXPECT_EQ(server.Requests().size(), 2u);
}

TEST(HttpClient, OnlyWebAddressesAreFollowed) {
  HttpClient client;
  EXPECT_FALSE(client.GetResource("file:///etc/hostname").done);
  EXPECT_FALSE(client.GetResource("ftp://127.0.0.1/").done);
}

TEST(ExternalAddress, LinesEndWithCrLfAndErrorsGiveNothing) {
  LoopbackServer echo([](const std::string&) { return HttpAnswer("10.1.2.3\n"); });
  EXPECT_EQ(ReadExternalAddress(echo.BaseUrl() + "/ip"), "10.1.2.3\r\n");
  LoopbackServer two([](const std::string&) { return HttpAnswer("a\r\nb"); });
  EXPECT_EQ(ReadExternalAddress(two.BaseUrl() + "/ip"), "a\r\nb\r\n");
  // The echo page is asked without the program's User-Agent.
  EXPECT_EQ(echo.Requests().at(0).find("NuvSpecAccess"), std::string::npos);

  LoopbackServer broken([](const std::string&) { return HttpAnswer("x", "503 Unavailable"); });
  EXPECT_EQ(ReadExternalAddress(broken.BaseUrl() + "/ip"), "");
  EXPECT_EQ(ReadExternalAddress(ClosedPortUrl() + "/ip"), "");
  LoopbackServer silent([](const std::string&) { return std::nullopt; });
  EXPECT_EQ(ReadExternalAddress(silent.BaseUrl() + "/ip", 200), "");
}

}  // namespace
}  // namespace fibwick

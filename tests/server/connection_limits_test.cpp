#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/raw_http.h"
#include "support/service_process.h"

namespace fibwick::testing {
namespace {

TEST(Connections, KeepAliveServesPipelinedRequestsInOrder) {
  ServiceProcess service;
  RawConnection connection(service.BaseUrl());
  connection.Send(GetRequest("/ip") + FormPost("/statistics", "gid=22&stat1=1&stat2=0") +
                  GetRequest("/nothing") + FormPost("/statistics", "gid=22"));
  EXPECT_EQ(connection.Read().body, "127.0.0.1\r\n");
  EXPECT_EQ(connection.Read().body, "$ ok#");
  EXPECT_EQ(connection.Read().status, 404);
  EXPECT_EQ(connection.Read().body, "$1 0 0 - 0 0 0 0 0 0 0 0 0 0 0 0 0 -*");
  connection.Send("GET /ip HTTP/1.1\r\nConnection: close\r\n\r\n");
  EXPECT_EQ(connection.Read().status, 200);
  connection.WaitClosed();
}

TEST(Connections, AClientAskingToContinueGetsItsBodyRead) {
  ServiceProcess service;
  RawConnection connection(service.BaseUrl());
  const auto request = FormPost("/statistics", "gid=22");
  const auto headerEnd = request.find("\r\n\r\n");
  connection.Send(request.substr(0, headerEnd) + "\r\nExpect: 100-continue\r\n\r\n");
  EXPECT_EQ(connection.Read().status, 100);
  connection.Send(request.substr(headerEnd + 4));
  EXPECT_EQ(connection.Read().body, "$0 0 0 - 0 0 0 0 0 0 0 0 0 0 0 0 0 -*");
}

TEST(Connections, ASlowClientIsCutAtTheDeadlineWhileOthersAreServed) {
  ServiceProcess service({"--request-timeout", "0.3"});
  RawConnection slow(service.BaseUrl());
  slow.Send("POST /statistics HTTP/1.1\r\nHost: x\r\nContent-Len");
  RawConnection slowBody(service.BaseUrl());
  slowBody.Send(FormPost("/statistics", "gid=22&stat1=1&stat2=1").substr(0, 150));
  EXPECT_EQ(Exchange(service.BaseUrl(), GetRequest("/paths")).status, 200);
  EXPECT_EQ(slow.Read().status, 0);  // closed without a reply
  EXPECT_EQ(slowBody.Read().status, 0);
  // The half-sent report was not counted.
  EXPECT_EQ(Exchange(service.BaseUrl(), FormPost("/statistics", "gid=22")).body,
            "$0 0 0 - 0 0 0 0 0 0 0 0 0 0 0 0 0 -*");
}

TEST(Connections, AnIdleKeptAliveConnectionIsClosed) {
  ServiceProcess service({"--idle-timeout", "0.3"});
  RawConnection connection(service.BaseUrl());
  connection.Send(GetRequest("/ip"));
  EXPECT_EQ(connection.Read().status, 200);
  connection.WaitClosed();
}

TEST(Connections, HundredsOfIdleConnectionsDoNotStopAGoodRequest) {
  ServiceProcess service;
  std::vector<std::unique_ptr<RawConnection>> idle;
  for (int i = 0; i < 300; ++i) idle.push_back(std::make_unique<RawConnection>(service.BaseUrl()));
  for (int i = 0; i < 300; i += 3) idle[i]->Send("GET /pa");
  EXPECT_EQ(Exchange(service.BaseUrl(), GetRequest("/paths")).status, 200);
  idle.back()->Send(GetRequest("/ip"));
  EXPECT_EQ(idle.back()->Read().status, 200);
}

TEST(Connections, BeyondTheMostOpenConnectionsANewOneIsClosedAtOnce) {
  ServiceProcess service({"--max-connections", "3"});
  std::vector<std::unique_ptr<RawConnection>> open;
  for (int i = 0; i < 3; ++i) {
    open.push_back(std::make_unique<RawConnection>(service.BaseUrl()));
    // A reply proves the service has taken the connection in.
    open.back()->Send(GetRequest("/ip"));
    ASSERT_EQ(open.back()->Read().status, 200);
  }
  RawConnection extra(service.BaseUrl());
  extra.Send(GetRequest("/ip"));
  EXPECT_EQ(extra.Read().status, 0);
  for (auto& connection : open) {
    connection->Send(GetRequest("/ip"));
    EXPECT_EQ(connection->Read().status, 200);
  }
}

TEST(Connections, TheServiceStopsCleanlyOnTerminateWithConnectionsOpen) {
  ServiceProcess service;
  RawConnection connection(service.BaseUrl());
  connection.Send("GET /pa");
  EXPECT_EQ(service.Stop(), 0);
}

}  // namespace
}  // namespace fibwick::testing

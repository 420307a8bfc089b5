#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "support/raw_http.h"
#include "support/service_process.h"

namespace fibwick::testing {
namespace {

std::string Totals(const ServiceProcess& service, int gameId) {
  return Exchange(service.BaseUrl(), FormPost("/statistics", "gid=" + std::to_string(gameId))).body;
}

TEST(StatisticsService, SumsSurviveARestartOnTheSameData) {
  TemporaryFolder data;
  {
    ServiceProcess service(data.Path(), {});
    Exchange(service.BaseUrl(), FormPost("/statistics", "gid=22&stat1=1&stat2=1"));
    Exchange(service.BaseUrl(), FormPost("/statistics", "gid=22&stat3=1&stat4=Kim"));
    EXPECT_EQ(service.Stop(), 0);
  }
  ServiceProcess again(data.Path(), {});
  Exchange(again.BaseUrl(), FormPost("/statistics", "gid=22&stat1=1&stat2=0"));
  EXPECT_EQ(Totals(again, 22), "$2 1 1 Kim 0 0 0 0 0 0 0 0 0 0 0 0 0 -*");
}

TEST(StatisticsService, ReportsFromManyClientsAtOnceAreAllCounted) {
  ServiceProcess service({"--threads", "4"});
  constexpr int Clients = 8, Reports = 40;
  std::vector<std::thread> clients;
  std::vector<int> accepted(Clients, 0);
  for (int c = 0; c < Clients; ++c) {
    clients.emplace_back([&, c] {
      RawConnection connection(service.BaseUrl());
      for (int i = 0; i < Reports; ++i) {
        connection.Send(
            FormPost("/statistics", i % 4 ? "gid=22&stat1=1&stat2=0" : "gid=22&stat1=1&stat2=1"));
        accepted[c] += connection.Read().body == "$ ok#";
      }
    });
  }
  for (auto& client : clients) client.join();
  for (int c = 0; c < Clients; ++c) EXPECT_EQ(accepted[c], Reports) << c;
  EXPECT_EQ(Totals(service, 22), "$320 80 0 - 0 0 0 0 0 0 0 0 0 0 0 0 0 -*");
}

}  // namespace
}  // namespace fibwick::testing

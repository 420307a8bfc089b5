// The statistics window asks through the online session: a click returns at once, and the window
// opens with the service's answer, or says "No Connect" when there is none.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "app/event_waits.h"
#include "app/online_controller.h"
#include "online/loopback_server.h"
#include "online/service_base.h"

namespace fibwick {
namespace {

using namespace testing;

constexpr const char* Totals = "$7 3 2 Ann 40 2 31 12 5 1 0 0 0 0 0 0 0 -*";

class StatisticsWindow : public ::testing::Test {
 protected:
  // The controller reads the service's address from the environment as it is made.
  std::unique_ptr<OnlineController> ControllerFor(const std::string& serviceUrl) {
    ::setenv(ServiceUrlVariable, serviceUrl.c_str(), 1);
    settings_.StatisticsAddress = serviceUrl + "/statistics";
    auto controller = std::make_unique<OnlineController>(settings_, [] {});
    ::setenv(ServiceUrlVariable, before_.c_str(), 1);
    return controller;
  }

  void Show(OnlineController& controller) {
    controller.ShowStatistics(
        nullptr, [this] { return DialogContext(settings_, ArtSources{}, folder_); }, liked_, {});
  }

  static StatisticsDialog* OpenWindow() {
    return qobject_cast<StatisticsDialog*>(QApplication::activeModalWidget());
  }

  std::string before_ = std::getenv(ServiceUrlVariable);
  Settings settings_;
  std::filesystem::path folder_ = std::filesystem::temp_directory_path();
  bool liked_ = false;
};

TEST_F(StatisticsWindow, OpensWithTheAnswerOrNoConnect) {
  struct Case {
    const char* what;
    std::optional<std::string> reply;  // nothing: the service is away
    QString firstValue;
  };
  LoopbackServer service([](const std::string&) { return HttpAnswer(Totals); });
  for (const Case& c :
       {Case{"answered", Totals, "7"}, Case{"away", std::nullopt, Catalogue(MsgNoConnect)}}) {
    const auto controller = ControllerFor(c.reply ? service.BaseUrl() : ClosedPortUrl());
    Show(*controller);
    // Nothing waits for the service: the call came back before any window opened.
    EXPECT_EQ(OpenWindow(), nullptr) << c.what;
    // The window runs modal: a timer reads it from inside its loop and closes it.
    std::optional<QString> first;
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [&] {
      if (StatisticsDialog* window = OpenWindow()) {
        first = window->Value(0);
        window->OkButton()->click();
      }
    });
    reader.start(10);
    ASSERT_TRUE(WaitFor([&] { return first.has_value(); })) << c.what;
    EXPECT_EQ(*first, c.firstValue) << c.what;
  }
}

TEST_F(StatisticsWindow, ASilentServiceLeavesTheClickFreeAndAsksOnce) {
  LoopbackServer silent([](const std::string&) { return std::nullopt; });
  const auto controller = ControllerFor(silent.BaseUrl());
  Show(*controller);
  Show(*controller);  // a second click while the first read is out
  ASSERT_TRUE(WaitFor([&] { return silent.Requests().size() == 1; }));
  Wait(50);
  EXPECT_EQ(OpenWindow(), nullptr);
  EXPECT_EQ(silent.Requests().size(), 1u);
}

}  // namespace
}  // namespace fibwick

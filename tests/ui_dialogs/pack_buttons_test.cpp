#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <future>

#include "dialogs_support.h"
#include "online/loopback_server.h"
#include "online/online_session.h"
#include "online/service_base.h"
#include "support/service_process.h"
#include "ui/dialogs/notice_dialog.h"
#include "ui/dialogs/options_dialog.h"

namespace fibwick {
namespace {

using testing::ClosedPortUrl;
using testing::HttpAnswer;
using testing::LoopbackServer;
using testing_support::DialogTest;

// The program folder is a folder of its own, so the folder above is the test's too.
class PackButtons : public DialogTest {
 protected:
  PackButtons() {
    program_ = folder_ / "Game";
    std::filesystem::create_directories(program_);
    context_->programFolder = program_;
    context_->downloadPack = [this](const std::string& folder, const std::string& pack,
                                    const std::filesystem::path& target, DownloadProgress progress,
                                    std::function<void(DownloadOutcome)> done) {
      session_.DownloadPack(folder, pack, target, std::move(progress), std::move(done));
    };
  }
  std::filesystem::path program_;
  QObject answers_;
  OnlineSession session_{"", [this](OnlineSession::Task task) {
                           QMetaObject::invokeMethod(&answers_, std::move(task),
                                                     Qt::QueuedConnection);
                         }};
};

// The player's click; the download runs off the window's thread, so the event loop turns until
// it has ended.
void Download(PackDownloads& downloads, const char* pack) {
  QEventLoop loop;
  QObject::connect(&downloads, &PackDownloads::Finished, &loop, &QEventLoop::quit);
  downloads.Button(pack)->click();
  loop.exec();
}

TEST_F(PackButtons, OnlyMissingPacksCanBeDownloaded) {
  context_->downloadFolder = "http://127.0.0.1:1/files/";
  std::ofstream(program_ / "NuvRadio.rad") << "x";
  std::ofstream(folder_ / "NuvCGraph1.dll") << "x";
  OptionsDialog dialog(*context_, {}, QSize(1920, 1080), nullptr);
  PackDownloads& downloads = dialog.Downloads();
  for (const char* pack : DownloadablePacks) {
    const bool present =
        std::string(pack) == "NuvRadio.rad" || std::string(pack) == "NuvCGraph1.dll";
    ASSERT_NE(downloads.Button(pack), nullptr) << pack;
    EXPECT_EQ(downloads.Button(pack)->isEnabled(), !present) << pack;
  }
  context_->downloadFolder.clear();
  downloads.Refresh();
  EXPECT_FALSE(downloads.Button("NuvCards06A.dll")->isEnabled());
}

TEST_F(PackButtons, ADownloadedPackLandsAboveTheProgramAndItsButtonGoesOff) {
  const std::string pack(70000, 'p');
  LoopbackServer service([&](const std::string&) { return HttpAnswer(pack); });
  context_->downloadFolder = service.BaseUrl() + "/files/";
  std::vector<std::string> sounds;
  context_->playSound = [&](std::string_view sound) { sounds.emplace_back(sound); };
  OptionsDialog dialog(*context_, {}, QSize(1920, 1080), nullptr);
  dialog.show();
  Download(dialog.Downloads(), "NuvCards06B.dll");
  EXPECT_TRUE(std::filesystem::exists(folder_ / "NuvCards06B.dll"));
  EXPECT_EQ(std::filesystem::file_size(folder_ / "NuvCards06B.dll"), pack.size());
  EXPECT_FALSE(dialog.Downloads().Button("NuvCards06B.dll")->isEnabled());
  EXPECT_TRUE(dialog.Downloads().Button("NuvCards06C.dll")->isEnabled());
  EXPECT_FALSE(dialog.Downloads().Bar()->isVisible());
  EXPECT_EQ(sounds, std::vector<std::string>{"WToMenK"});
}

TEST_F(PackButtons, AFailedDownloadLeavesTheButtonOnAndSaysSo) {
  context_->downloadFolder = ClosedPortUrl() + "/files/";
  std::vector<std::string> sounds;
  context_->playSound = [&](std::string_view sound) { sounds.emplace_back(sound); };
  OptionsDialog dialog(*context_, {}, QSize(1920, 1080), nullptr);
  dialog.show();
  // The notice on the screen, read and closed as a player would.
  QStringList notice;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    if (auto* shown = qobject_cast<NoticeDialog*>(QApplication::activeModalWidget())) {
      notice = shown->Lines();
      shown->OkButton()->click();
    }
  });
  answer.start(10);
  Download(dialog.Downloads(), "NuvBackG03.dll");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "NuvBackG03.dll"));
  EXPECT_TRUE(dialog.Downloads().Button("NuvBackG03.dll")->isEnabled());
  EXPECT_EQ(sounds, std::vector<std::string>{"WWrongs"});
  EXPECT_EQ(notice, QStringList({testing_support::Text(MsgDownloadFailed), "NuvBackG03.dll"}));
}

TEST_F(PackButtons, CancelStopsADownloadThatHangs) {
  LoopbackServer service([](const std::string&) { return std::nullopt; });
  context_->downloadFolder = service.BaseUrl() + "/files/";
  OptionsDialog dialog(*context_, {}, QSize(1920, 1080), nullptr);
  dialog.Tabs()->setCurrentIndex(1);
  dialog.show();
  PackDownloads& downloads = dialog.Downloads();
  bool barShown = false;
  QObject::connect(&downloads, &PackDownloads::Finished,
                   [](DownloadOutcome outcome) { EXPECT_EQ(outcome, DownloadOutcome::Cancelled); });
  // Runs while the download is under way.
  QTimer::singleShot(0, [&] {
    barShown = downloads.Bar()->isVisible() && downloads.CancelButton()->isVisible();
    Shot(dialog, "options-downloading");
    dialog.reject();  // Escape or the window's close box
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(downloads.Button("NuvCards06C.dll")->isEnabled());
    downloads.CancelButton()->click();
  });
  Download(downloads, "NuvCards06A.dll");
  EXPECT_TRUE(barShown);
  EXPECT_FALSE(downloads.Bar()->isVisible());
  EXPECT_TRUE(downloads.Button("NuvCards06A.dll")->isEnabled());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);  // "Game"
}

TEST_F(PackButtons, ADialogClosedDuringADownloadIsNotCalledBackAndTheWindowNeverWaits) {
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  LoopbackServer service([released](const std::string&) {
    released.wait();
    return HttpAnswer(std::string(1000, 'p'));
  });
  context_->downloadFolder = service.BaseUrl() + "/files/";
  {
    OptionsDialog dialog(*context_, {}, QSize(1920, 1080), nullptr);
    dialog.show();
    dialog.Downloads().Button("NuvCards06A.dll")->click();
    EXPECT_TRUE(dialog.Downloads().Running());
  }  // closed while the service has not answered: nothing waits for the transfer
  release.set_value();
  ASSERT_TRUE(QTest::qWaitFor([&] { return session_.Idle(); }, 10000));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "NuvCards06A.dll"));
}

TEST_F(PackButtons, APackFromTheServiceIsFoundByTheDialog) {
  testing::ServiceProcess service;
  std::filesystem::create_directories(service.DataFolder() / "files");
  std::ofstream(service.DataFolder() / "files" / "NuvCVoice3.dll", std::ios::binary)
      << std::string(250000, 'v');
  context_->downloadFolder = AddressesUnder(service.BaseUrl()).files;
  {
    OptionsDialog dialog(*context_, {}, QSize(1920, 1080), nullptr);
    dialog.show();
    Download(dialog.Downloads(), "NuvCVoice3.dll");
  }
  EXPECT_EQ(std::filesystem::file_size(folder_ / "NuvCVoice3.dll"), 250000u);
  OptionsDialog reopened(*context_, {}, QSize(1920, 1080), nullptr);
  EXPECT_FALSE(reopened.Downloads().Button("NuvCVoice3.dll")->isEnabled());
  EXPECT_TRUE(reopened.Downloads().Button("NuvCards06A.dll")->isEnabled());
}

}  // namespace
}  // namespace fibwick

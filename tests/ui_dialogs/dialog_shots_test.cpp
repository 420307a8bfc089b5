// Every window rendered in Latin, Cyrillic, Chinese and Korean languages, grey and purple, for
// people to look at; the checks only make sure something was drawn at the window's size.
#include <QFileInfo>
#include <tuple>

#include "dialogs_support.h"
#include "online/loopback_server.h"
#include "records/history_file.h"
#include "support/statistics_now.h"
#include "ui/dialogs/claim_rank_dialog.h"
#include "ui/dialogs/end_game_dialog.h"
#include "ui/dialogs/general_count_dialog.h"
#include "ui/dialogs/history_dialog.h"
#include "ui/dialogs/notice_dialog.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/question_dialog.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/dialogs/start_dialog.h"
#include "ui/dialogs/statistics_dialog.h"
#include "ui/dialogs/top_ten_dialog.h"
#include "ui/dialogs/wait_dialog.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Text;

// A language, and whether the windows wear the purple design of the graphics pack the build drew.
class Shots : public DialogTest, public ::testing::WithParamInterface<std::tuple<int, bool>> {
 protected:
  int Language() const { return std::get<0>(GetParam()); }
  bool Purple() const { return std::get<1>(GetParam()); }

  void SetUp() override {
    SetLanguage(Language());
    if (Purple()) {
      if (!QFileInfo::exists(QString(FIBWICK_PACK_FOLDER) + "/NuvCGraph1.dll")) {
        GTEST_SKIP() << "the build drew no graphics pack";
      }
      shelf_ = std::make_unique<PackShelf>(FIBWICK_PACK_FOLDER);
      context_->sources.packs = shelf_.get();
      SetDialogDesign(settings_, 3);
    }
    // Still frames: a picture taken at the first frame of a film shows little of it.
    settings_.GifAnimation = false;
    WriteClub(
        {{"Anna", 3.5, 40, 12, EncodePassword("ab")}, {"Boris", 2.0, 20, 4, EncodePassword("abc")}},
        SampleTopTen());
    for (const HistoryEntry& entry :
         std::vector<HistoryEntry>{{"Anna", 20, 40, 2.0, HistoryKind::Local},
                                   {"Anna/Boris", 3, -10, -3.5, HistoryKind::Network},
                                   {"Nick", 5, 20, 4.0, HistoryKind::Account},
                                   {"Tourist", 1, 10, 10.0, HistoryKind::Tournament},
                                   {"Boris", 40, 120, 3.0, HistoryKind::Local}}) {
      WriteHistory(folder_, ClubFileName, {entry}, {"9:05", "10.12.2026"});
    }
  }

  QString Name(const char* window) const {
    static const char* const Codes[] = {"en", "ru", "de", "fr", "es", "zh", "it", "cs", "ja", "ko"};
    return QString("%1-%2%3").arg(window, Codes[Language()], Purple() ? "-purple" : "");
  }

  void Check(QWidget& window, const char* name) {
    const QImage image = Shot(window, Name(name));
    EXPECT_EQ(image.size(), window.size() * window.devicePixelRatio()) << name;
    EXPECT_GT(image.width(), 250) << name;
    window.hide();
  }
};

TEST_P(Shots, EveryWindow) {
  StartDialogInput member;
  member.playerSlot = 2;
  member.clubFile = ClubFileInUse(*context_);
  StartDialog password(*context_, member, nullptr);
  Check(password, "start-member");

  StartDialogInput guest;
  guest.lastPlayerName = "Ann";
  guest.clubFile = member.clubFile;
  StartDialog refused(*context_, guest, nullptr);
  refused.show();
  refused.PasswordBox()->setText("abc");
  refused.OkButton()->click();
  Check(refused, "start-refused");

  StartDialogInput network = guest;
  network.networkGame = true;
  StartDialog lan(*context_, network, nullptr, [](const LanSetup&) { return false; });
  lan.show();
  lan.ClientItem()->click();
  lan.ServerAddressBox()->setText("192.168.0.");
  lan.AddressButton()->click();
  lan.OkButton()->click();
  Check(lan, "start-network");

  WaitDialog wait(*context_, nullptr);
  wait.Prepare(Text(MsgExpectationOfPlayers), false);
  wait.ShowConnected();
  Check(wait, "wait");

  ClaimRankDialog rank(*context_, nullptr);
  Check(rank, "rank");

  SpeedDialog speed(*context_, nullptr);
  Check(speed, "speed");

  EndGameDialog best(*context_, {1, 180, GameKind::Computer, 0}, nullptr);
  Check(best, "endgame-best");
  EndGameDialog bad(*context_, {14, 20, GameKind::RatedOnline, 0}, nullptr);
  Check(bad, "endgame-regrets");
  EndGameDialog reward(*context_, {3, 90, GameKind::RatedOnline, 25}, nullptr);
  Check(reward, "endgame-reward");

  GeneralCountDialog count(*context_,
                           MakeCount({.gameNumber = 45,
                                      .gamesPerCycle = 20,
                                      .baseScore = 30,
                                      .sessionScore = 12,
                                      .startRating = 1.5,
                                      .currentRating = 1.75}),
                           "Anna", 2, HistoryKind::Local, nullptr);
  Check(count, "count");

  int selected = 0;
  HistoryDialog history(*context_, selected, nullptr);
  Check(history, "history");

  TopTenDialog topTen(*context_, nullptr);
  Check(topTen, "topten");

  OptionsDialog options(*context_, {}, QSize(1920, 1080), nullptr);
  Check(options, "options");
  OptionsDialog packs(*context_, {}, QSize(1920, 1080), nullptr);
  packs.Tabs()->setCurrentIndex(packs.DllTab());
  Check(packs, "options-dll");
  for (const auto& [tab, name] : std::vector<std::pair<int, const char*>>{{2, "options-decks"},
                                                                          {3, "options-game"},
                                                                          {4, "options-fonts"},
                                                                          {5, "options-bg"},
                                                                          {8, "options-design"}}) {
    OptionsDialog page(*context_, {}, QSize(1920, 1080), nullptr);
    page.Tabs()->setCurrentIndex(tab);
    Check(page, name);
  }

  testing::LoopbackServer service([](const std::string&) {
    return testing::HttpAnswer("$1250 310 42 Ann 5400 260 12000 9800 130 75 0 0 0 0 0 0 0 -*");
  });
  HttpClient client;
  StatisticsService statistics(client, service.BaseUrl() + "/statistics");
  bool liked = false;
  StatisticsDialog stat(*context_, testing_support::ReadTotalsNow(statistics),
                        testing_support::LikeNow(statistics), liked, {}, nullptr);
  Check(stat, "statistics");

  NoticeDialog notice(*context_, Text(MsgErrorOfDiskWriting), {}, {}, nullptr);
  Check(notice, "notice");

  QuestionDialog question(*context_, Text(MsgLeaveToMainMenu) + "\n" + Text(MsgAllDataWillBeLost),
                          nullptr);
  Check(question, "question");
}

INSTANTIATE_TEST_SUITE_P(Languages, Shots,
                         ::testing::Combine(::testing::Values(0, 1, 2, 5, 9), ::testing::Bool()));

}  // namespace
}  // namespace fibwick

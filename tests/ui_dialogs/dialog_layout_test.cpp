// Every window in every language: each caption fits its control in a readable font, and in the
// purple design no control covers the icon or the picture's ornaments.
#include <QFontMetrics>

#include "dialogs_support.h"
#include "online/loopback_server.h"
#include "records/history_file.h"
#include "support/statistics_now.h"
#include "ui/dialogs/caption_fit.h"
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
#include "ui/ui_test_support.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Text;

// Measured apart from the fitting: the caption's lines in its font against its room.
bool Within(const QString& text, const QFont& font, QSize room, bool wraps) {
  const QFontMetrics metrics(font);
  const QRect drawn =
      wraps ? metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, text)
            : QRect(0, 0, metrics.horizontalAdvance(text), metrics.height());
  return drawn.width() <= room.width() && drawn.height() <= room.height();
}

class Windows : public DialogTest {
 protected:
  Windows()
      : service_([](const std::string&) {
          return testing::HttpAnswer(
              "$1250 310 42 Ann 5400 260 12000 9800 130 75 0 0 0 0 0 0 0 -*");
        }),
        statistics_(client_, service_.BaseUrl() + "/statistics") {
    WriteClub({{"Anna", 3.5, 40, 12, EncodePassword("ab")}}, SampleTopTen());
    WriteHistory(folder_, ClubFileName, {{"Anna", 20, 40, 2.0, HistoryKind::Local}},
                 {"9:05", "10.12.2026"});
  }

  // Every window the player meets, shown as the program shows it.
  std::vector<std::pair<std::string, std::unique_ptr<DialogFrame>>> OpenAll() {
    std::vector<std::pair<std::string, std::unique_ptr<DialogFrame>>> windows;
    const auto add = [&](const char* name, DialogFrame* window) {
      window->show();
      windows.emplace_back(name, window);
    };
    StartDialogInput member;
    member.playerSlot = 1;
    member.clubFile = ClubFileInUse(*context_);
    add("start", new StartDialog(*context_, member, nullptr));
    StartDialogInput network;
    network.networkGame = true;
    network.clubFile = member.clubFile;
    add("start network", new StartDialog(*context_, network, nullptr));
    add("rank", new ClaimRankDialog(*context_, nullptr));
    add("speed", new SpeedDialog(*context_, nullptr));
    add("end of game", new EndGameDialog(*context_, {1, 180, GameKind::Computer, 0}, nullptr));
    add("regrets", new EndGameDialog(*context_, {14, 20, GameKind::RatedOnline, 25}, nullptr));
    add("count", new GeneralCountDialog(*context_,
                                        MakeCount({.gameNumber = 45,
                                                   .gamesPerCycle = 20,
                                                   .baseScore = 30,
                                                   .sessionScore = 12,
                                                   .startRating = 1.5,
                                                   .currentRating = 1.75}),
                                        "Anna", 2, HistoryKind::Local, nullptr));
    add("history", new HistoryDialog(*context_, selectedFile_, nullptr));
    add("top ten", new TopTenDialog(*context_, nullptr));
    add("options", new OptionsDialog(*context_, {}, QSize(1920, 1080), nullptr));
    add("statistics",
        new StatisticsDialog(*context_, testing_support::ReadTotalsNow(statistics_),
                             testing_support::LikeNow(statistics_), liked_, {}, nullptr));
    add("notice", new NoticeDialog(*context_, Text(MsgErrorOfDiskWriting), {}, {}, nullptr));
    add("question", new QuestionDialog(*context_, Text(MsgLeaveToMainMenu), nullptr));
    QApplication::processEvents();
    return windows;
  }

  testing::LoopbackServer service_;
  HttpClient client_;
  StatisticsService statistics_;
  bool liked_ = false;
  int selectedFile_ = 0;
};

TEST_F(Windows, EveryCaptionFitsItsControlInEveryLanguage) {
  for (int language = 0; language < LanguageCount; ++language) {
    SetLanguage(language);
    for (const auto& [name, window] : OpenAll()) {
      const std::string where = name + ", language " + std::to_string(language);
      for (const CaptionSpot& spot : CaptionSpots(*window)) {
        EXPECT_TRUE(Within(spot.text, spot.font, spot.room, spot.wraps))
            << where << ": \"" << spot.text.toStdString() << "\" in "
            << spot.control->metaObject()->className() << " at " << spot.font.pixelSize() << " px ("
            << QFontMetrics(spot.font).horizontalAdvance(spot.text) << " x "
            << QFontMetrics(spot.font).height() << "), room " << spot.room.width() << " x "
            << spot.room.height();
        EXPECT_GE(PixelHeight(spot.font), ReadableFloorPx)
            << where << ": \"" << spot.text.toStdString() << "\"";
      }
      for (SkinButton* button : window->findChildren<SkinButton*>()) {
        const ButtonFace face = button->Face();
        const FittedText caption = FitCaption(face);
        EXPECT_TRUE(Within(face.text, caption.font, CaptionRoom(face).size(), caption.wrapped))
            << where << ": button \"" << face.text.toStdString() << "\"";
        EXPECT_GE(PixelHeight(caption.font), ReadableFloorPx)
            << where << ": button \"" << face.text.toStdString() << "\"";
      }
    }
  }
}

// The grey band's title keeps clear of the gold flourishes at the band's ends.
TEST_F(Windows, TitlesKeepClearOfTheBandsFlourishes) {
  // The narrowest band has none.
  const auto gold = [](QRgb c) { return qRed(c) > 150 && qGreen(c) > 90 && qBlue(c) < 110; };
  for (const char* name : {"GCap150", "GCap280", "GCap300", "GCap430", "GCap550", "GCap610"}) {
    const QImage band = FitBand(context_->sources.builtin(name), 460);
    ASSERT_FALSE(band.isNull()) << name;
    int reach = 0;
    for (int y = 0; y < band.height(); ++y) {
      for (int x = 0; x < band.width() / 2; ++x) {
        if (gold(band.pixel(x, y))) reach = std::max(reach, x);
      }
    }
    EXPECT_LT(reach + 4, TitleMargin) << name;
  }
  const FontRoles roles = FontRolesOf(settings_);
  for (int language = 0; language < LanguageCount; ++language) {
    SetLanguage(language);
    for (const auto& [name, window] : OpenAll()) {
      const QString title = window->Title().toUpper();
      EXPECT_LE(QFontMetrics(TitleFont(title, window->width(), roles)).horizontalAdvance(title),
                window->width() - 2 * TitleMargin)
          << name << ", language " << language;
    }
  }
}

// The options window grows its tab labels back when a shorter language follows a longer one.
TEST_F(Windows, ACaptionFitsAgainAfterTheLanguageChanges) {
  OptionsDialog options(*context_, {}, QSize(1920, 1080), nullptr);
  options.show();
  const int english = options.Tabs()->tabBar()->font().pixelSize();
  options.LanguageBox()->setCurrentIndex(2);
  emit options.LanguageBox()->activated(2);
  EXPECT_EQ(options.Tabs()->tabText(0), Text(MsgGeneral));
  options.LanguageBox()->setCurrentIndex(0);
  emit options.LanguageBox()->activated(0);
  EXPECT_EQ(options.Tabs()->tabBar()->font().pixelSize(), english);
}

// With the graphics pack, the purple design: the controls keep off the icon's seat and the
// corner scrolls, and the top ten takes the design as the others do.
TEST_F(Windows, PurpleControlsKeepOffTheIconAndTheOrnaments) {
  std::map<QString, QImage> pictures;
  for (const DialogArtRow& row : DialogArtTable) {
    if (!row.pictures.picture.empty()) {
      pictures[QString::fromLatin1(row.pictures.picture.data(),
                                   static_cast<qsizetype>(row.pictures.picture.size())) +
               ".png"] = testing_support::Solid(300, 200, qRgb(60, 0, 90));
    }
  }
  testing_support::WritePack(QString::fromStdString((folder_ / "NuvCGraph1.dll").string()),
                             pictures);
  for (const int language : {0, 1, 2}) {
    SetLanguage(language);
    SetDialogDesign(settings_, 3);
    for (const auto& [name, window] : OpenAll()) {
      // Windows without a purple picture of their own stay grey.
      if (name == "notice" || name == "question" || name == "rank") continue;
      EXPECT_EQ(window->Design(), 3) << name;
      const bool withIcon = name != "start" && name != "start network";
      for (const QRect& ornament : PurpleOrnaments(window->size(), withIcon)) {
        for (QWidget* control : window->Content()->findChildren<QWidget*>()) {
          if (!control->isVisible() || control->parentWidget() != window->Content()) continue;
          const QRect rect(control->mapTo(window.get(), QPoint(0, 0)), control->size());
          EXPECT_FALSE(rect.intersects(ornament))
              << name << ": " << control->metaObject()->className() << " "
              << control->objectName().toStdString() << " at " << rect.x() << "," << rect.y();
        }
      }
      // The picture reaches the window's far corner, however its size compares.
      const QImage shown = window->grab().toImage();
      EXPECT_EQ(shown.pixelColor(shown.width() - 2, shown.height() - 2), QColor(60, 0, 90)) << name;
    }
  }
}

}  // namespace
}  // namespace fibwick

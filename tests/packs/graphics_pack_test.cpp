// The graphics pack the build drew: every picture the windows ask for, at the size they draw it,
// and the windows themselves in the designs that take their pictures from it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <functional>

#include "online/http_client.h"
#include "online/statistics.h"
#include "packs/packs_support.h"
#include "records/catalogue.h"
#include "support/statistics_now.h"
#include "ui/builtin_pictures.h"
#include "ui/card_names.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/dialogs/end_game_dialog.h"
#include "ui/dialogs/general_count_dialog.h"
#include "ui/dialogs/history_dialog.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/dialogs/start_dialog.h"
#include "ui/dialogs/statistics_dialog.h"
#include "ui/dialogs/wait_dialog.h"
#include "ui/layout.h"
#include "ui/salute_film.h"

namespace fibwick {
namespace {

using testing_support::Drawn;
using testing_support::DrawnPack;
using testing_support::Latin;
using testing_support::ProgramFolder;

const Pack& Graphics() {
  return DrawnPack(GraphicsPackName);
}

QImage Frame(const QImage& film, int index, QSize frame) {
  return film.copy(QRect(QPoint(index * frame.width(), 0), frame));
}

TEST(GraphicsPack, HeaderPicturesFitTheirBandOrRibbonInEveryLanguage) {
  for (const DialogArtRow& row : DialogArtTable) {
    const DialogPictures& pictures = row.pictures;
    std::map<std::string_view, QImage> ribbons;
    for (int language = 0; language < LanguageCount; ++language) {
      if (!pictures.captionBase.empty()) {
        const QString name = Latin(CaptionPictureName(pictures, language));
        const QImage caption = Graphics().Picture(name);
        EXPECT_EQ(caption.size(), LoadBuiltinPicture(Latin(pictures.band)).size())
            << qPrintable(name);
        EXPECT_TRUE(Drawn(caption)) << qPrintable(name);
      }
      const bool ribbonPicture = !pictures.picture.empty() || !pictures.ribbonPicture.empty();
      if (pictures.ribbon.empty() || !ribbonPicture) continue;
      // Laid at (-20, -5) over the ribbon standing at (10, 0), it spans the whole ribbon.
      const QString name = Latin(RibbonPictureName(pictures, language));
      const QImage ribbon = Graphics().Picture(name);
      EXPECT_EQ(ribbon.size(), LoadBuiltinPicture(Latin(pictures.ribbon)).size() + QSize(30, 5))
          << qPrintable(name);
      EXPECT_TRUE(Drawn(ribbon)) << qPrintable(name);
      ribbons[LanguageSuffix(language)] = ribbon;
    }
    // The title is written in the picture's own language: never in English letters in Russian
    // or in Chinese.
    if (!ribbons.empty()) {
      EXPECT_TRUE(ribbons["Rus"] != ribbons["Eng"]) << pictures.picture;
      EXPECT_TRUE(ribbons["Chi"] != ribbons["Eng"]) << pictures.picture;
    }
  }
}

TEST(GraphicsPack, IconFilmsMoveThroughTheirFrames) {
  const QSize frame(IconSize, IconSize);
  for (const DialogArtRow& row : DialogArtTable) {
    if (row.pictures.icon.empty()) continue;
    const QImage film = Graphics().Picture(Latin(row.pictures.icon));
    ASSERT_EQ(film.size(), QSize(IconSize * IconFrameCount, IconSize)) << row.pictures.icon;
    EXPECT_TRUE(film.hasAlphaChannel()) << row.pictures.icon;
    for (int i = 0; i < IconFrameCount; ++i) {
      EXPECT_TRUE(Drawn(Frame(film, i, frame))) << row.pictures.icon << " frame " << i;
      EXPECT_TRUE(Frame(film, i, frame) != Frame(film, (i + 1) % IconFrameCount, frame))
          << row.pictures.icon << " frame " << i;
    }
  }
}

// Where the frame is not see-through.
QRect Visible(const QImage& frame) {
  QRect visible;
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      if (qAlpha(frame.pixel(x, y)) > 8) visible |= QRect(x, y, 1, 1);
    }
  }
  return visible;
}

TEST(GraphicsPack, TheClickEffectBurstsAndLeavesNothingBehind) {
  const QImage film =
      Graphics().Picture(Latin(SaluteFilmName)).convertToFormat(QImage::Format_ARGB32);
  const QSize frame(SaluteFrameSize, SaluteFrameSize);
  ASSERT_EQ(film.size(), QSize(SaluteFrameSize * SaluteFrameCount, SaluteFrameSize));
  for (int i = 0; i < SaluteFrameCount * 2 / 3; ++i) {
    EXPECT_TRUE(Drawn(Frame(film, i, frame))) << "frame " << i;
  }
  // It starts at the pointer and spreads out from there.
  const QRect first = Visible(Frame(film, 0, frame));
  const QRect spread = Visible(Frame(film, SaluteFrameCount / 3, frame));
  EXPECT_TRUE(first.contains(SaluteFrameSize / 2, SaluteFrameSize / 2));
  EXPECT_GT(spread.width(), 2 * first.width());
  EXPECT_GT(spread.height(), 2 * first.height());
  // The last frame stands on the screen until the saved square is put back: it must be clear.
  EXPECT_TRUE(Visible(Frame(film, SaluteFrameCount - 1, frame)).isEmpty());
}

TEST(GraphicsPack, ThePurpleWindowBackgroundIsAJpegForTheLargestWindow) {
  EXPECT_TRUE(Graphics().Entry("BGLilu").startsWith("\xff\xd8\xff"));
  const QImage background = Graphics().Picture("BGLilu");
  EXPECT_EQ(background.size(), QSize(2 * BaseWidth, 2 * BaseHeight));
  EXPECT_TRUE(Drawn(background));
}

// The windows the program has, made as the program makes them.
class Windows : public ::testing::Test {
 protected:
  Windows()
      : shelf_(ProgramFolder()),
        context_(settings_, ArtSources{}, std::filesystem::path(dir_.path().toStdString())) {
    context_.sources.packs = &shelf_;
  }
  ~Windows() override { SetLanguage(0); }
  // Without the pack the windows would fall back and stop on their notice.
  void SetUp() override { ASSERT_NO_THROW(Graphics()); }

  using Make = std::function<std::unique_ptr<DialogFrame>(DialogContext&)>;
  struct Window {
    DialogArt dialog;
    const char* name;
    Make make;
  };

  std::vector<Window> EveryWindow() {
    return {
        {DialogArt::Speed, "speed",
         [](DialogContext& c) { return std::make_unique<SpeedDialog>(c, nullptr); }},
        {DialogArt::Options, "options",
         [](DialogContext& c) {
           return std::make_unique<OptionsDialog>(c, OptionsHooks{}, QSize(1920, 1080), nullptr);
         }},
        {DialogArt::History, "history",
         [this](DialogContext& c) {
           return std::make_unique<HistoryDialog>(c, selected_, nullptr);
         }},
        {DialogArt::EndGame, "endgame",
         [](DialogContext& c) {
           return std::make_unique<EndGameDialog>(c, EndGameInput{1, 180, GameKind::Computer, 0},
                                                  nullptr);
         }},
        {DialogArt::Login, "login",
         [](DialogContext& c) {
           return std::make_unique<StartDialog>(c, StartDialogInput{}, nullptr);
         }},
        {DialogArt::Login, "login-network",
         [](DialogContext& c) {
           StartDialogInput network;
           network.networkGame = true;
           return std::make_unique<StartDialog>(c, network, nullptr);
         }},
        {DialogArt::Count, "count",
         [](DialogContext& c) {
           return std::make_unique<GeneralCountDialog>(c, TCount{}, "Ann", 1, HistoryKind::Local,
                                                       nullptr);
         }},
        {DialogArt::Statistics, "statistics",
         [this](DialogContext& c) {
           return std::make_unique<StatisticsDialog>(c, testing_support::ReadTotalsNow(statistics_),
                                                     testing_support::LikeNow(statistics_), liked_,
                                                     StatHooks{}, nullptr);
         }},
        {DialogArt::Wait, "wait",
         [](DialogContext& c) { return std::make_unique<WaitDialog>(c, nullptr); }},
    };
  }

  QTemporaryDir dir_;
  Settings settings_;
  PackShelf shelf_;
  DialogContext context_;
  int selected_ = 0;
  bool liked_ = false;
  HttpClient client_;
  StatisticsService statistics_{client_, "http://127.0.0.1:1/statistics"};
};

TEST_F(Windows, EveryWindowStaysPurpleAndItsBackgroundCoversIt) {
  for (const Window& window : EveryWindow()) {
    SetDialogDesign(settings_, 3);
    const std::unique_ptr<DialogFrame> dialog = window.make(context_);
    EXPECT_EQ(dialog->Design(), 3) << window.name;
    const QImage background = Graphics().Picture(Latin(PicturesOf(window.dialog).picture));
    EXPECT_GE(background.width(), dialog->width()) << window.name;
    EXPECT_GE(background.height(), dialog->height()) << window.name;
  }
}

TEST_F(Windows, EveryWindowFindsItsHeaderPictureInTheGreyDesigns) {
  for (const int language : {0, 1, 5, 8}) {
    SetLanguage(language);
    for (const Window& window : EveryWindow()) {
      for (const int design : {1, 2}) {
        SetDialogDesign(settings_, design);
        const std::unique_ptr<DialogFrame> dialog = window.make(context_);
        dialog->show();
        EXPECT_EQ(dialog->Design(), design) << window.name;
        EXPECT_TRUE(dialog->PendingNotice().isEmpty()) << window.name;
        // A window without a concise caption of its own keeps the band in the second design.
        const bool ownPicture = design == 2 || !PicturesOf(window.dialog).captionBase.empty();
        EXPECT_EQ(dialog->HeaderPicture().isNull(), !ownPicture)
            << window.name << " design " << design << " language " << language;
        dialog->hide();
      }
    }
  }
}

// Pictures of two windows in all four designs, in English and in Chinese, for people to look
// at; on a real display (Xvfb) they are taken from the screen.
class PackShots : public Windows, public ::testing::WithParamInterface<int> {
 protected:
  static QImage ScreenShot(QWidget& window) {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Long enough for the purple design's icon to show its first frame.
    QTest::qWait(2 * IconTimerMs);
    if (QGuiApplication::platformName() == "xcb") {
      return window.screen()->grabWindow(window.winId()).toImage();
    }
    return window.grab().toImage();
  }
};

TEST_P(PackShots, TwoWindowsInEveryDesign) {
  const int language = GetParam();
  SetLanguage(language);
  const QDir folder(QString(FIBWICK_PACK_SHOTS) + "/" + QGuiApplication::platformName());
  ASSERT_TRUE(folder.mkpath("."));
  for (const Window& window : EveryWindow()) {
    if (window.dialog != DialogArt::Speed && window.dialog != DialogArt::Options) continue;
    for (int design = 0; design < DialogDesignCount; ++design) {
      SetDialogDesign(settings_, design);
      const std::unique_ptr<DialogFrame> dialog = window.make(context_);
      const QImage shot = ScreenShot(*dialog);
      EXPECT_EQ(dialog->Design(), design) << window.name;
      EXPECT_EQ(shot.size(), dialog->size() * dialog->devicePixelRatio()) << window.name;
      EXPECT_TRUE(shot.save(folder.filePath(QString("%1-design%2-%3.png")
                                                .arg(window.name)
                                                .arg(design)
                                                .arg(Latin(LanguageSuffix(language))))));
      dialog->hide();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, PackShots, ::testing::Values(0, 5));

}  // namespace
}  // namespace fibwick

#include <QFontMetrics>

#include "dialogs_support.h"
#include "ui/dialogs/fixed_texts.h"
#include "ui/dialogs/general_count_dialog.h"
#include "ui/dialogs/notice_dialog.h"
#include "ui/dialogs/question_dialog.h"
#include "ui/dialogs/start_dialog.h"
#include "ui/ui_test_support.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Solid;
using testing_support::Text;
using testing_support::WritePack;

using Frame = DialogTest;

TEST(DialogDesign, TheTwoSettingsFieldsMapToFourDesigns) {
  struct Case {
    int auxDesign;
    bool purple;
    int design;
  };
  for (const Case& c :
       std::vector<Case>{{2, false, 0}, {1, false, 1}, {3, false, 2}, {1, true, 3}, {2, true, 3}}) {
    Settings settings;
    settings.AuxDesign = c.auxDesign;
    settings.AuxDesignPurple = c.purple;
    EXPECT_EQ(DialogDesignOf(settings), c.design);
    Settings written;
    SetDialogDesign(written, c.design);
    EXPECT_EQ(DialogDesignOf(written), c.design);
  }
  EXPECT_EQ(HeaderHeight(0), 64);
  EXPECT_EQ(HeaderHeight(2), 90);
  EXPECT_EQ(HeaderHeight(3), 70);
}

TEST(DialogIcon, FramesRunOneToTenAndWrap) {
  EXPECT_EQ(NextIconFrame(0, 10), 1);
  EXPECT_EQ(NextIconFrame(1, 10), 2);
  EXPECT_EQ(NextIconFrame(10, 10), 1);
}

TEST(DialogIcon, AFrameIsItsSliceOfTheFilmOverTheBackground) {
  QImage film(3 * IconSize, IconSize, QImage::Format_ARGB32);
  film.fill(Qt::transparent);
  for (int x = IconSize; x < 2 * IconSize; ++x) film.setPixelColor(x, 0, Qt::red);
  const QImage background = Solid(200, 200, qRgb(0, 0, 255));
  const QImage second = IconFrame(background, QPoint(30, 40), film, 2);
  EXPECT_EQ(second.size(), QSize(IconSize, IconSize));
  EXPECT_EQ(second.pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(second.pixelColor(5, 5), QColor(0, 0, 255));  // the background shows through
  EXPECT_EQ(IconFrame(background, QPoint(30, 40), film, 1).pixelColor(0, 0), QColor(0, 0, 255));
}

TEST_F(Frame, TheBandCarriesTheTitleAboveTheControls) {
  GeneralCountDialog dialog(*context_, TCount{}, "Ann", 1, HistoryKind::Local, nullptr);
  const QImage shot = Shot(dialog, "frame-design0");
  EXPECT_EQ(dialog.Design(), 0);
  EXPECT_EQ(dialog.Content()->y(), 64);
  EXPECT_EQ(dialog.height(), dialog.Content()->height() + 64);
  // Yellow title letters lie on the band.
  int yellow = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < shot.width(); ++x) yellow += shot.pixelColor(x, y) == TitleColour;
  }
  EXPECT_GT(yellow, 50);
  EXPECT_EQ(dialog.OkButton()->ColorSB(), TColorSB::DRed);
  EXPECT_EQ(dialog.OkButton()->FontColour(), QColor(Qt::white));
  EXPECT_EQ(dialog.OkButton()->font().pixelSize(), 20);
}

TEST_F(Frame, WithoutTheGraphicsPackEveryDesignFallsBackToTheBand) {
  for (const int design : {1, 2}) {
    SetDialogDesign(settings_, design);
    GeneralCountDialog dialog(*context_, TCount{}, "Ann", 1, HistoryKind::Local, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.Design(), 0);
    EXPECT_EQ(DialogDesignOf(settings_), 0);
    EXPECT_EQ(dialog.PendingNotice(), Text(MsgCantFindTheFile) + " NuvCGraph1.dll");
    dialog.hide();
  }
  // The purple design finds out when the dialog is made, and says nothing.
  SetDialogDesign(settings_, 3);
  GeneralCountDialog purple(*context_, TCount{}, "Ann", 1, HistoryKind::Local, nullptr);
  EXPECT_EQ(purple.Design(), 0);
  EXPECT_EQ(DialogDesignOf(settings_), 0);
  EXPECT_TRUE(purple.PendingNotice().isEmpty());
}

TEST_F(Frame, WithThePackTheDesignsUseItsPictures) {
  WritePack(dir_.filePath("NuvCGraph1.dll"),
            {{"GFormPw.png", Solid(440, 300, qRgb(60, 0, 90))},
             {"GFormPwLEng.png", Solid(100, 50, qRgb(0, 200, 0))}});
  SetDialogDesign(settings_, 2);
  StartDialog ribbon(*context_, {}, nullptr);
  const QImage withRibbon = Shot(ribbon, "frame-design2-pack");
  EXPECT_EQ(ribbon.Design(), 2);
  EXPECT_EQ(ribbon.Content()->y(), 90);
  EXPECT_EQ(withRibbon.pixelColor(10, 10), QColor(0, 200, 0));  // drawn at (-20, -5)
  EXPECT_TRUE(ribbon.PendingNotice().isEmpty());
  ribbon.hide();

  SetDialogDesign(settings_, 3);
  StartDialog purple(*context_, {}, nullptr);
  const QImage painted = Shot(purple, "frame-design3-pack");
  EXPECT_EQ(purple.Design(), 3);
  EXPECT_EQ(purple.Content()->y(), 70);
  EXPECT_EQ(painted.pixelColor(2, 2), QColor(60, 0, 90));
  // The picture covers the whole window, the header's rows included.
  EXPECT_EQ(painted.pixelColor(painted.width() - 3, painted.height() - 3), QColor(60, 0, 90));
  EXPECT_EQ(purple.OkButton()->ColorSB(), TColorSB::DCards);
  EXPECT_EQ(purple.OkButton()->FontColour(), DesignTextColour);
}

// The notice and the question have no purple picture of their own: they show in grey and leave
// the player's choice of design to the windows that have one.
TEST_F(Frame, WindowsWithoutAPurplePictureLeaveTheDesignAlone) {
  WritePack(dir_.filePath("NuvCGraph1.dll"), {{"GFormPw.png", Solid(440, 300, qRgb(60, 0, 90))}});
  SetDialogDesign(settings_, 3);
  NoticeDialog notice(*context_, "Short", {}, {}, nullptr);
  QuestionDialog question(*context_, "Sure?", nullptr);
  for (DialogFrame* window :
       {static_cast<DialogFrame*>(&notice), static_cast<DialogFrame*>(&question)}) {
    window->show();
    EXPECT_EQ(window->Design(), 0);
    EXPECT_TRUE(window->PendingNotice().isEmpty());
    window->hide();
  }
  EXPECT_EQ(DialogDesignOf(settings_), 3);
  StartDialog purple(*context_, {}, nullptr);
  EXPECT_EQ(purple.Design(), 3);
}

TEST_F(Frame, NoticeWidthFollowsItsWidestLine) {
  const QString shortText = "Short";
  NoticeDialog narrow(*context_, shortText, {}, {}, nullptr);
  EXPECT_EQ(narrow.width(), 400);
  EXPECT_EQ(narrow.OkButton()->width(), 390);

  const QString longText = Text(MsgNameOrPasswordChanged) + "A rather long new name";
  NoticeDialog wide(*context_, longText, "second line", "https://example.org/", nullptr);
  EXPECT_EQ(wide.Lines(), QStringList({"Your name and/or the password were successfully changed!",
                                       "New name: A rather long new name", "second line",
                                       "https://example.org/"}));
  const int widest = QFontMetrics(NoticeFont()).horizontalAdvance(wide.Lines()[0]) + NoticeTextLeft;
  EXPECT_EQ(wide.width(), widest >= 350 ? widest + 50 : 400);
  EXPECT_EQ(wide.OkButton()->width(), wide.width() - 10);
  ASSERT_NE(wide.LinkLabel(), nullptr);
  EXPECT_TRUE(wide.LinkLabel()->font().underline());
  Shot(wide, "notice-en");
  EXPECT_EQ(wide.windowTitle(), AttentionText);
}

}  // namespace
}  // namespace fibwick

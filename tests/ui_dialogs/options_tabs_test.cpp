// The tabs of the options dialog through the real dialog: each control, the setting it changes and
// the program's hook it calls.
#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "dialogs_support.h"
#include "ui/dialogs/caption_fit.h"
#include "ui/dialogs/notice_dialog.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/ui_test_support.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Solid;
using testing_support::Text;
using testing_support::WritePack;

class OptionsTabs : public DialogTest {
 protected:
  OptionsTabs() {
    hooks_.backSetChanged = [this] { ++calls_.backSet; };
    hooks_.fontsChanged = [this] { ++calls_.fonts; };
    hooks_.backgroundChanged = [this] { ++calls_.background; };
    hooks_.designChanged = [this] { ++calls_.design; };
  }

  void AddPack(const char* name) { WritePack(dir_.filePath(name), {{"X.png", Solid(2, 2, 0)}}); }

  static void Choose(QComboBox* box, int item) {
    box->setCurrentIndex(item);
    emit box->activated(item);
  }

  // A font name the machine lacks is shown without being one of the items.
  static QString Shown(const QComboBox* box) {
    return box->currentIndex() >= 0 ? box->currentText() : box->placeholderText();
  }

  // The texts of the notices a step raised, each closed as it comes.
  static QStringList Notices(const std::function<void()>& step) {
    QStringList texts;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
      if (auto* notice = qobject_cast<NoticeDialog*>(QApplication::activeModalWidget())) {
        texts << notice->Lines().join(' ');
        notice->OkButton()->click();
      }
    });
    watcher.start(10);
    step();
    return texts;
  }

  struct Calls {
    int backSet = 0;
    int fonts = 0;
    int background = 0;
    int design = 0;
  } calls_;
  OptionsHooks hooks_;
};

TEST_F(OptionsTabs, TabsStandInTheirOrder) {
  OptionsDialog dialog(*context_, hooks_, QSize(1920, 1080), nullptr);
  dialog.show();
  QStringList tabs;
  for (int i = 0; i < dialog.Tabs()->count(); ++i) tabs << dialog.Tabs()->tabText(i);
  EXPECT_EQ(tabs, QStringList({Text(MsgGeneral), Text(MsgCardsOptions), Text(MsgDecks),
                               Text(MsgGamePage), Text(MsgFonts), Text(MsgBG), Text(MsgSaveGames),
                               Text(MsgDllTab), Text(MsgDesign)}));
  // In every language all nine tabs show whole, without scroll arrows.
  for (int language = 0; language < LanguageCount; ++language) {
    Choose(dialog.LanguageBox(), language);
    EXPECT_LE(dialog.Tabs()->tabBar()->sizeHint().width(), dialog.Tabs()->width()) << language;
  }
}

TEST_F(OptionsTabs, GameAndBackgroundChoicesGoIntoTheSettings) {
  OptionsDialog dialog(*context_, hooks_, QSize(1920, 1080), nullptr);
  dialog.show();
  EXPECT_EQ(dialog.LastCardsBox()->text(), Text(MsgToSelectTheLastCards));
  dialog.LastCardsBox()->click();
  EXPECT_TRUE(settings_.MarkLastCards);

  BackgroundPage& background = *dialog.BackgroundTab();
  EXPECT_EQ(background.StyleBox()->currentText(), Text(MsgFelt));  // style 2
  EXPECT_EQ(background.StyleBox()->count(), 10);
  EXPECT_EQ(background.ColourBox()->count(), 7);
  EXPECT_EQ(background.ColourBox()->itemText(2), Text(MsgOrang));
  Choose(background.StyleBox(), 9);
  EXPECT_EQ(settings_.BackgroundStyle, 10);
  Choose(background.ColourBox(), 6);
  EXPECT_EQ(settings_.BackgroundColour, 6);
  Choose(background.StyleBox(), 0);
  EXPECT_EQ(settings_.BackgroundStyle, 1);
  EXPECT_EQ(calls_.background, 3);
}

TEST_F(OptionsTabs, FontSlotsShowAndChangeTheirOwnFontAndDefaultRestoresThem) {
  OptionsDialog dialog(*context_, hooks_, QSize(1920, 1080), nullptr);
  dialog.show();
  FontsPage& fonts = *dialog.FontsTab();
  ASSERT_GT(fonts.NameBox()->count(), 1) << "the machine has fonts installed";
  EXPECT_EQ(fonts.SlotBox()->itemText(2), Text(MsgSpecialFont) + " 1");
  EXPECT_EQ(fonts.SlotBox()->itemText(3), Text(MsgSpecialFont) + " 2");
  EXPECT_EQ(fonts.ScaleBox()->minimum(), 50);
  EXPECT_EQ(fonts.ScaleBox()->maximum(), 150);

  const QString family = fonts.NameBox()->itemText(1);
  Choose(fonts.SlotBox(), 2);
  EXPECT_EQ(Shown(fonts.NameBox()), "FixedSys");
  Choose(fonts.NameBox(), 1);
  fonts.ScaleBox()->setValue(140);
  EXPECT_EQ(QString::fromStdString(settings_.FontSpecial1), family);
  EXPECT_EQ(settings_.ScaleSpecial1, 140);
  EXPECT_EQ(settings_.FontLarge, "Comic Sans MS");
  EXPECT_EQ(calls_.fonts, 2);

  // Another slot shows its own values without changing any.
  Choose(fonts.SlotBox(), 3);
  EXPECT_EQ(fonts.ScaleBox()->value(), 100);
  EXPECT_EQ(Shown(fonts.NameBox()), "Courier New");
  EXPECT_EQ(calls_.fonts, 2);
  Choose(fonts.SlotBox(), 2);
  EXPECT_EQ(fonts.ScaleBox()->value(), 140);
  EXPECT_EQ(Shown(fonts.NameBox()), family);

  fonts.DefaultButton()->click();
  EXPECT_EQ(settings_, Settings{});
  EXPECT_EQ(fonts.ScaleBox()->value(), 100);
  EXPECT_EQ(Shown(fonts.NameBox()), "FixedSys");
  EXPECT_EQ(calls_.fonts, 3);
}

// The window itself is drawn in the fonts it changes: "Default" puts it back into the default
// ones at once, while it stays open.
TEST_F(OptionsTabs, DefaultFontsReachTheOpenWindowItself) {
  settings_.FontLarge = "DejaVu Serif";
  settings_.ScaleLarge = 150;
  settings_.FontSmall = "DejaVu Serif";
  settings_.ScaleSmall = 60;
  OptionsDialog dialog(*context_, hooks_, QSize(1920, 1080), nullptr);
  dialog.show();
  dialog.Tabs()->setCurrentWidget(dialog.FontsTab());
  QApplication::processEvents();
  EXPECT_EQ(dialog.OkButton()->font().family(), "DejaVu Serif");
  EXPECT_EQ(dialog.OkButton()->font().pixelSize(), 30);

  QAbstractButton* restore = dialog.FontsTab()->DefaultButton();
  QTest::mouseClick(restore, Qt::LeftButton, {}, restore->rect().center());
  const Settings defaults;
  EXPECT_EQ(settings_.FontLarge, defaults.FontLarge);
  for (QWidget* control : std::initializer_list<QWidget*>{
           dialog.OkButton(), dialog.SoundBox(), dialog.Tabs()->tabBar(), dialog.SpeedButton()}) {
    EXPECT_EQ(control->font().family(), QString::fromStdString(defaults.FontLarge))
        << control->metaObject()->className();
  }
  EXPECT_EQ(dialog.OkButton()->font().pixelSize(), 20);
  // Labels and switches take the small role's size again.
  EXPECT_EQ(BaseFont(*dialog.SoundBox()).pixelSize(), 16);
}

TEST_F(OptionsTabs, BackSetsNeedTheirPackAndDecideTheModification) {
  struct Step {
    int set;      // chosen, or -1 for a click on the modification item below
    int item;     // clicked when set is -1
    int backSet;  // then the setting
    bool alwaysOne;
    int checked;         // the checked item
    bool randomEnabled;  // "Random" offered, the other two not
  };
  {
    OptionsDialog dialog(*context_, hooks_, QSize(1920, 1080), nullptr);
    dialog.show();
    Choose(dialog.DecksTab()->BackSetBox(), 5);
    EXPECT_EQ(settings_.BackSet, 0) << "no pack";
    EXPECT_EQ(dialog.DecksTab()->BackSetBox()->currentIndex(), 0);
  }
  calls_ = {};
  AddPack("NuvCards06B.dll");
  OptionsDialog dialog(*context_, hooks_, QSize(1920, 1080), nullptr);
  dialog.show();
  DecksPage& decks = *dialog.DecksTab();
  EXPECT_EQ(decks.BackSetBox()->itemText(12), Text(MsgRussian));
  const std::vector<Step> steps = {
      {-1, 1, 0, true, 1, false},   {5, 0, 5, true, 1, false},    {9, 0, 9, false, 2, true},
      {3, 0, 3, false, 0, false},   {-1, 1, 3, true, 1, false},   {11, 0, 11, false, 2, true},
      {12, 0, 12, false, 0, false}, {-1, 0, 12, false, 0, false},
  };
  int calls = 0;
  for (const Step& s : steps) {
    if (s.set >= 0) {
      Choose(decks.BackSetBox(), s.set);
    } else {
      decks.ModificationItem(s.item)->click();
    }
    EXPECT_EQ(++calls, calls_.backSet);
    EXPECT_EQ(settings_.BackSet, s.backSet);
    EXPECT_EQ(settings_.AlwaysOneBack, s.alwaysOne) << s.backSet;
    EXPECT_TRUE(decks.ModificationItem(s.checked)->isChecked()) << s.backSet;
    EXPECT_EQ(decks.ModificationItem(2)->isEnabled(), s.randomEnabled) << s.backSet;
    EXPECT_EQ(decks.ModificationItem(0)->isEnabled(), !s.randomEnabled) << s.backSet;
    EXPECT_EQ(decks.ModificationItem(1)->isEnabled(), !s.randomEnabled) << s.backSet;
  }
}

TEST_F(OptionsTabs, DesignsWithoutTheGraphicsLibraryFallBackAndSay) {
  OptionsDialog dialog(*context_, hooks_, QSize(1920, 1080), nullptr);
  dialog.show();
  DesignPage& design = *dialog.DesignTab();
  EXPECT_FALSE(design.SaluteGroup()->isEnabled());
  const QString missing = Text(MsgCantFindTheFile) + " NuvCGraph1.dll";
  for (QComboBox* box : {design.MenuBox(), design.TableBox(), design.AuxBox()}) {
    const int last = box->count() - 1;
    EXPECT_EQ(Notices([&] { Choose(box, last); }), QStringList{missing}) << last;
    EXPECT_EQ(box->currentIndex(), 0);
  }
  EXPECT_EQ(settings_.MenuDesign, 0);
  EXPECT_EQ(settings_.TableDesign, 0);
  EXPECT_FALSE(settings_.AuxDesignPurple);
  EXPECT_EQ(settings_.AuxDesign, 2);
  EXPECT_TRUE(dialog.BackgroundTab()->Group()->isEnabled());
}

TEST_F(OptionsTabs, DesignsWithTheGraphicsLibrary) {
  AddPack("NuvCGraph1.dll");
  OptionsDialog dialog(*context_, hooks_, QSize(1920, 1080), nullptr);
  dialog.show();
  DesignPage& design = *dialog.DesignTab();
  EXPECT_TRUE(design.SaluteGroup()->isEnabled());
  struct Step {
    QComboBox* box;
    int item;
    int menu;
    int table;
    int aux;
    bool auxPurple;
    bool background;  // the background choosers enabled
  };
  const std::vector<Step> steps = {
      {design.MenuBox(), 1, 1, 0, 2, false, true}, {design.TableBox(), 1, 1, 1, 2, false, false},
      {design.AuxBox(), 1, 1, 1, 1, false, false}, {design.AuxBox(), 3, 1, 1, 1, true, false},
      {design.AuxBox(), 2, 1, 1, 3, false, false}, {design.MenuBox(), 0, 0, 1, 3, false, true},
      {design.AuxBox(), 0, 0, 1, 2, false, true},
  };
  int calls = 0;
  for (const Step& s : steps) {
    EXPECT_TRUE(Notices([&] { Choose(s.box, s.item); }).isEmpty());
    EXPECT_EQ(s.box->currentIndex(), s.item);
    EXPECT_EQ(++calls, calls_.design);
    EXPECT_EQ(settings_.MenuDesign, s.menu);
    EXPECT_EQ(settings_.TableDesign, s.table);
    EXPECT_EQ(settings_.AuxDesign, s.aux);
    EXPECT_EQ(settings_.AuxDesignPurple, s.auxPurple);
    EXPECT_EQ(dialog.BackgroundTab()->Group()->isEnabled(), s.background);
  }
  design.SaluteButtonsBox()->click();
  EXPECT_FALSE(settings_.SaluteButtons);
  EXPECT_TRUE(settings_.SaluteCards);
  design.SaluteCardsBox()->click();
  EXPECT_FALSE(settings_.SaluteCards);
}

TEST_F(OptionsTabs, TheSaluteFollowsALibraryDownloadedWhileTheDialogIsOpen) {
  OptionsDialog dialog(*context_, hooks_, QSize(1920, 1080), nullptr);
  dialog.show();
  EXPECT_FALSE(dialog.DesignTab()->SaluteGroup()->isEnabled());
  AddPack("NuvCGraph1.dll");
  dialog.Tabs()->setCurrentWidget(dialog.DesignTab());
  EXPECT_TRUE(dialog.DesignTab()->SaluteGroup()->isEnabled());
}

}  // namespace
}  // namespace fibwick

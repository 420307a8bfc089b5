// The packs the build drew, as the player sees them: face sets, backs and backgrounds at the
// table, the calendar on the menu, and every tab of the options dialog, in English and Chinese.
#include <QTabWidget>
#include <QTimer>

#include "screens/screens_support.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/question_dialog.h"
#include "ui/packs.h"

namespace fibwick {
namespace {

constexpr int Chinese = 5;

// A program folder whose packs are the ones beside the built program (FIBWICK_PACKS).
fs::path FolderWithPacks(const std::string& name, const Settings& settings) {
  const fs::path folder = ProgramFolder(name, settings);
  const char* packs = std::getenv("FIBWICK_PACKS");
  EXPECT_NE(packs, nullptr);
  if (packs == nullptr) return folder;
  for (const auto& entry : fs::directory_iterator(packs)) {
    if (entry.path().extension() == ".dll") {
      fs::create_symlink(entry.path(), folder / entry.path().filename());
    }
  }
  return folder;
}

struct TableLook {
  int faceSet;
  int backSet;
  int style;
  int colour;
};

// Each look survives loading (no fallback to the built-in sets) and is photographed at the table
// in the small and a medium window.
TEST(Packs, FaceSetsBacksAndBackgroundsAtTheTable) {
  QTimer answerer;  // leaving a running game asks first; the answer is yes
  QObject::connect(&answerer, &QTimer::timeout, [] {
    if (auto* question = qobject_cast<QuestionDialog*>(QApplication::activeModalWidget())) {
      question->YesButton()->click();
    }
  });
  answerer.start(20);
  const TableLook looks[] = {{9, 3, 6, 1}, {36, 12, 10, 5}, {22, 8, 7, 0}, {46, 5, 4, 6}};
  for (const TableLook& look : looks) {
    for (const int mode : {1, 4}) {
      Settings settings;
      settings.WindowSizeMode = mode;
      settings.FaceSet = look.faceSet;
      settings.BackSet = look.backSet;
      settings.BackgroundStyle = look.style;
      settings.BackgroundColour = look.colour;
      const std::string name =
          "packs-face" + std::to_string(look.faceSet) + "-mode" + std::to_string(mode);
      const fs::path folder = FolderWithPacks(name, settings);
      {
        auto form = OpenMenu(folder);
        EXPECT_EQ(form->CurrentSettings().FaceSet, look.faceSet) << name;
        EXPECT_EQ(form->CurrentSettings().BackSet, look.backSet) << name;
        EXPECT_EQ(form->CurrentSettings().BackgroundStyle, look.style) << name;
        form->StartMatch(SlotNewPlayer, "Shutter", EncodePassword("abc"));
        Wait(400);
        Save(Photograph(*form), name + ".png");
        form->close();
      }
      fs::remove_all(folder);
    }
  }
}

// With the graphics pack the purple design holds for menu and table: the picture "BGLilu" under
// everything, and no fallback to the customizable design.
TEST(Packs, ThePurpleDesignOfMenuAndTable) {
  Settings settings;
  settings.WindowSizeMode = 4;
  settings.MenuDesign = 1;
  settings.TableDesign = 1;
  const fs::path folder = FolderWithPacks("packs-purple", settings);
  {
    auto form = OpenMenu(folder);
    EXPECT_EQ(form->CurrentSettings().MenuDesign, 1);
    EXPECT_EQ(form->CurrentSettings().TableDesign, 1);
    const QImage menu = Photograph(*form);
    Save(menu, "packs-purple-menu.png");
    const QRgb corner = menu.pixel(280, 620);  // between the animation and the club list
    EXPECT_GT(qBlue(corner), qGreen(corner)) << "violet, not the green cloth";
    form->StartMatch(SlotNewPlayer, "Shutter", EncodePassword("abc"));
    Wait(400);
    Save(Photograph(*form), "packs-purple-table.png");
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [] {
      if (auto* question = qobject_cast<QuestionDialog*>(QApplication::activeModalWidget())) {
        question->YesButton()->click();
      }
    });
    answerer.start(20);
    form->close();
  }
  fs::remove_all(folder);
}

// The calendar of 9 May 2025 on the menu: the date page and the turning picture are drawn.
TEST(Packs, TheMenuCalendarInEnglishAndChinese) {
  for (const int language : {0, Chinese}) {
    Settings settings;
    settings.WindowSizeMode = 4;
    settings.Language = language;
    const fs::path folder = FolderWithPacks("packs-calendar", settings);
    {
      auto form = OpenMenu(folder, QDate(2025, 5, 9));
      ASSERT_TRUE(form->Menu().CalendarShown());
      const QImage menu = Photograph(*form);
      Save(menu, "packs-calendar-" + std::to_string(language) + ".png");
      const PixelRect page = form->Menu().CalendarImage(1).rect;
      // The page is light paper where the date is written.
      EXPECT_GT(qGray(menu.pixel(page.left + 5, page.top + 60)), 150);
      form->Menu().CalendarTimer();
      form->Menu().CalendarTimer();
      Wait(100);
      Save(Photograph(*form), "packs-calendar-holiday-" + std::to_string(language) + ".png");
      form->close();
    }
    fs::remove_all(folder);
  }
  SetLanguage(0);
}

// Every tab, photographed with the packs at hand.
TEST(Packs, EveryTabOfTheOptions) {
  const fs::path folder = FolderWithPacks("packs-options", Settings{});
  const PackShelf shelf(QString::fromStdString(folder.string()));
  for (const int language : {0, Chinese}) {
    Settings settings;
    settings.Language = language;
    SetLanguage(language);
    DialogContext context(settings, ArtSources{.packs = &shelf}, folder);
    OptionsDialog dialog(context, OptionsHooks{}, QSize(1920, 1080), nullptr);
    dialog.show();
    ASSERT_TRUE(WaitFor([&] { return dialog.isVisible(); }));
    for (int tab = 0; tab < dialog.Tabs()->count(); ++tab) {
      dialog.Tabs()->setCurrentIndex(tab);
      Wait(150);
      Save(Photograph(dialog),
           "options-" + std::to_string(language) + "-tab" + std::to_string(tab) + ".png");
    }
    dialog.close();
  }
  SetLanguage(0);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick

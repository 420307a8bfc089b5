// Dialog buttons under real input: the pointer's press and release with the click effect on, and
// Return for the default button.
#include <QPainter>
#include <QTest>
#include <functional>
#include <memory>

#include "dialogs_support.h"
#include "records/history_file.h"
#include "ui/dialogs/claim_rank_dialog.h"
#include "ui/dialogs/end_game_dialog.h"
#include "ui/dialogs/general_count_dialog.h"
#include "ui/dialogs/history_dialog.h"
#include "ui/dialogs/notice_dialog.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/question_dialog.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/dialogs/start_dialog.h"
#include "ui/dialogs/top_ten_dialog.h"
#include "ui/salute.h"
#include "ui/ui_test_support.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Text;

// A dialog and the button the case presses.
struct Opened {
  std::unique_ptr<DialogFrame> dialog;
  SkinButton* button = nullptr;
};

struct DialogCase {
  const char* name;
  std::function<Opened(DialogContext&)> open;
};

template <typename Dialog, typename... Args>
Opened Open(SkinButton* (Dialog::*button)() const, DialogContext& context, Args&&... args) {
  auto dialog = std::make_unique<Dialog>(context, std::forward<Args>(args)..., nullptr);
  SkinButton* pressed = (dialog.get()->*button)();
  return {std::move(dialog), pressed};
}

// The dialogs a player meets, each with the button the mouse presses (the salute case) and the
// one Return presses (its default).
const std::vector<DialogCase>& MouseCases() {
  static const std::vector<DialogCase> cases = {
      {"speed ok", [](DialogContext& c) { return Open(&SpeedDialog::OkButton, c); }},
      {"options ok",
       [](DialogContext& c) {
         return Open(&OptionsDialog::OkButton, c, OptionsHooks{}, QSize(1920, 1080));
       }},
      {"top ten ok", [](DialogContext& c) { return Open(&TopTenDialog::OkButton, c); }},
      {"question yes",
       [](DialogContext& c) {
         return Open(&QuestionDialog::YesButton, c, Text(MsgLeaveToMainMenu));
       }},
      {"question no",
       [](DialogContext& c) {
         return Open(&QuestionDialog::NoButton, c, Text(MsgLeaveToMainMenu));
       }},
      {"notice ok",
       [](DialogContext& c) {
         return Open(&NoticeDialog::OkButton, c, Text(MsgErrorOfDiskWriting), QString(), QString());
       }},
      {"end of game ok",
       [](DialogContext& c) {
         return Open(&EndGameDialog::OkButton, c, EndGameInput{1, 180, GameKind::Computer, 0});
       }},
      {"rank ten",
       [](DialogContext& c) {
         auto dialog = std::make_unique<ClaimRankDialog>(c, nullptr);
         SkinButton* ten = dialog->Button(4);
         return Opened{std::move(dialog), ten};
       }},
      {"rank ace",
       [](DialogContext& c) {
         auto dialog = std::make_unique<ClaimRankDialog>(c, nullptr);
         SkinButton* ace = dialog->Button(8);
         return Opened{std::move(dialog), ace};
       }},
  };
  return cases;
}

class ButtonInput : public DialogTest {
 protected:
  ButtonInput() {
    QImage film(SaluteFrameSize * SaluteFrameCount, SaluteFrameSize, QImage::Format_ARGB32);
    film.fill(QColor(200, 175, 50, 160));
    testing_support::WritePack(QString::fromStdString((folder_ / "NuvCGraph1.dll").string()),
                               {{"GTouch.png", film}});
    context_->salute = [this] {
      ++salutes_;
      salute_.Play();
    };
  }

  // Shows the dialog as the program does and lets its show handler run.
  static void Bring(QWidget& dialog) {
    dialog.show();
    dialog.activateWindow();
    QApplication::processEvents();
  }

  // The press on the button's centre and the release at `releaseAt` of the button, each sent to
  // the window as the pointer's events arrive from the window system.
  static void PressAndRelease(QWidget& dialog, QWidget& button, QPoint releaseAt) {
    QWindow* window = dialog.windowHandle();
    ASSERT_NE(window, nullptr);
    QTest::mousePress(window, Qt::LeftButton, {}, button.mapTo(&dialog, button.rect().center()));
    QTest::mouseRelease(window, Qt::LeftButton, {}, button.mapTo(&dialog, releaseAt), 120);
  }

  Salute salute_{PackShelf(QString::fromStdString(folder_.string()))};
  int salutes_ = 0;
};

TEST_F(ButtonInput, APressAndAReleaseOfThePointerPressTheButtonWithTheSaluteOn) {
  ASSERT_TRUE(settings_.SaluteButtons);
  for (const DialogCase& c : MouseCases()) {
    salutes_ = 0;
    Opened opened = c.open(*context_);
    Bring(*opened.dialog);
    int clicks = 0;
    // The effect has started by the time the button's own work begins.
    int salutesAtClick = -1;
    QObject::connect(opened.button, &QAbstractButton::clicked, [&] {
      ++clicks;
      salutesAtClick = salutes_;
    });
    PressAndRelease(*opened.dialog, *opened.button, opened.button->rect().center());
    EXPECT_EQ(clicks, 1) << c.name;
    EXPECT_EQ(salutes_, 1) << c.name;
    EXPECT_EQ(salutesAtClick, 1) << c.name;
    EXPECT_FALSE(opened.dialog->isVisible()) << c.name << ": the button's work closes the window";
  }
}

// Each window with the button Return presses when it opens: its default, or the one that has
// the focus.
const std::vector<DialogCase>& ReturnCases() {
  static const std::vector<DialogCase> cases = {
      {"speed", [](DialogContext& c) { return Open(&SpeedDialog::OkButton, c); }},
      {"options",
       [](DialogContext& c) {
         return Open(&OptionsDialog::OkButton, c, OptionsHooks{}, QSize(1920, 1080));
       }},
      {"top ten", [](DialogContext& c) { return Open(&TopTenDialog::OkButton, c); }},
      {"history",
       [](DialogContext& c) {
         static int selected = 0;
         return Open(&HistoryDialog::OkButton, c, selected);
       }},
      {"count",
       [](DialogContext& c) {
         return Open(&GeneralCountDialog::OkButton, c, TCount{}, std::string("Anna"), 1,
                     HistoryKind::Local);
       }},
      {"end of game",
       [](DialogContext& c) {
         return Open(&EndGameDialog::OkButton, c, EndGameInput{3, 90, GameKind::Network, 0});
       }},
      {"notice",
       [](DialogContext& c) {
         return Open(&NoticeDialog::OkButton, c, Text(MsgErrorOfDiskWriting), QString(), QString());
       }},
      // A stray key must not throw a game away.
      {"question",
       [](DialogContext& c) {
         return Open(&QuestionDialog::NoButton, c, Text(MsgLeaveToMainMenu));
       }},
      {"rank",
       [](DialogContext& c) {
         auto dialog = std::make_unique<ClaimRankDialog>(c, nullptr);
         SkinButton* nine = dialog->Button(3);  // the first one open
         return Opened{std::move(dialog), nine};
       }},
  };
  return cases;
}

TEST_F(ButtonInput, ReturnPressesTheDefaultButtonOfEveryWindow) {
  for (const bool salute : {false, true}) {
    settings_.SaluteButtons = salute;
    for (const DialogCase& c : ReturnCases()) {
      Opened opened = c.open(*context_);
      Bring(*opened.dialog);
      int clicks = 0;
      QObject::connect(opened.button, &QAbstractButton::clicked, [&] { ++clicks; });
      QWidget* focus = opened.dialog->focusWidget();
      QTest::keyClick(focus != nullptr ? focus : opened.dialog.get(), Qt::Key_Return);
      EXPECT_EQ(clicks, 1) << c.name;
      EXPECT_FALSE(opened.dialog->isVisible()) << c.name;
    }
  }
}

// The start window's "Ok" is its default too; pressing it here would open the notices of a
// failed sign-in, so only the choice is checked.
TEST_F(ButtonInput, TheStartWindowsDefaultIsOk) {
  StartDialog start(*context_, StartDialogInput{}, nullptr);
  Bring(start);
  EXPECT_EQ(start.ReturnButton(), start.OkButton());
}

TEST_F(ButtonInput, APressDraggedOffTheButtonDoesNothing) {
  SpeedDialog speed(*context_, nullptr);
  Bring(speed);
  PressAndRelease(speed, *speed.OkButton(), QPoint(-30, -30));
  EXPECT_TRUE(speed.isVisible());
  EXPECT_EQ(salutes_, 0);
}

}  // namespace
}  // namespace fibwick

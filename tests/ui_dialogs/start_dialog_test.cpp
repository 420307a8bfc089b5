#include <QApplication>
#include <QStyle>
#include <QTest>

#include "base/fixed_field.h"
#include "dialogs_support.h"
#include "ui/dialogs/notice_dialog.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/ui_test_support.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Solid;
using testing_support::Text;
using testing_support::WritePack;

// Pixels of exactly this colour inside a widget's place in a picture of its window.
int PixelsOf(const QImage& shot, const QWidget& window, const QWidget& widget, QColor colour) {
  const QRect area(widget.mapTo(&window, QPoint(0, 0)), widget.size());
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += shot.pixelColor(x, y) == colour;
  }
  return count;
}

class StartDialog : public DialogTest {
 protected:
  // Members on lines 1..3: "Anna" (password "ab"), "Boris" ("abc"), "Clara" ("12345").
  StartDialogInput Member(int slot) {
    StartDialogInput input;
    input.playerSlot = slot;
    input.clubFile = WriteClub({{"Anna", 3.5, 40, 12, EncodePassword("ab")},
                                {"Boris", 2.0, 20, 4, EncodePassword("abc")},
                                {"Clara", 1.0, 10, 1, EncodePassword("12345")}},
                               SampleTopTen());
    return input;
  }
  StartDialogInput NewPlayer(std::string lastName = "Mr.X") {
    StartDialogInput input;
    input.lastPlayerName = std::move(lastName);
    input.clubFile = WriteClub({}, SampleTopTen());
    return input;
  }
};

TEST_F(StartDialog, MemberLineThreeShowsHisNameAndAsksOnlyThePassword) {
  TFormPassword dialog(*context_, Member(3), nullptr);
  dialog.show();
  EXPECT_EQ(dialog.NameBox()->text(), "Clara" + QString(15, ' '));
  EXPECT_FALSE(dialog.NameBox()->isEnabled());
  EXPECT_FALSE(dialog.NameLabel()->isEnabled());
  EXPECT_FALSE(dialog.ConfirmationBox()->isEnabled());
  EXPECT_FALSE(dialog.ConfirmationLabel()->isEnabled());
  EXPECT_TRUE(dialog.PasswordBox()->isEnabled());
  EXPECT_TRUE(dialog.PasswordBox()->text().isEmpty());
  EXPECT_EQ(dialog.focusWidget(), dialog.PasswordBox());
  EXPECT_FALSE(dialog.StatusLine()->isVisible());
  EXPECT_EQ(dialog.windowTitle(), Text(MsgWelcome));
}

// What the player sees of the disabled boxes: their labels are greyed, in the grey designs and in
// the purple one; the password label, and every label of a new player, keep the label colour.
TEST_F(StartDialog, DisabledBoxesHaveGreyedLabels) {
  WritePack(dir_.filePath("NuvCGraph1.dll"), {{"GFormPw.png", Solid(440, 300, qRgb(60, 0, 90))}});
  for (const int design : {0, 3}) {
    SetDialogDesign(settings_, design);
    for (const bool member : {true, false}) {
      TFormPassword dialog(*context_, member ? Member(3) : NewPlayer(), nullptr);
      const QImage shot =
          Shot(dialog, QString("start-%1-design%2").arg(member ? "member" : "new").arg(design));
      ASSERT_EQ(dialog.Design(), design);
      const QColor ink = dialog.LabelColour();
      const QColor greyed = dialog.GreyedLabelColour();
      ASSERT_NE(ink, greyed);
      EXPECT_GT(PixelsOf(shot, dialog, *dialog.PasswordLabel(), ink), 20) << design;
      for (QLabel* label : {dialog.NameLabel(), dialog.ConfirmationLabel()}) {
        const int inked = PixelsOf(shot, dialog, *label, ink);
        const int grey = PixelsOf(shot, dialog, *label, greyed);
        if (member) {
          EXPECT_EQ(inked, 0) << design << " " << label->text().toStdString();
          EXPECT_GT(grey, 20) << design << " " << label->text().toStdString();
        } else {
          EXPECT_GT(inked, 20) << design << " " << label->text().toStdString();
        }
      }
      dialog.hide();
    }
  }
}

TEST_F(StartDialog, NewPlayerGetsTheNameBoxWithTheFocus) {
  TFormPassword dialog(*context_, NewPlayer("  Ann  "), nullptr);
  dialog.show();
  EXPECT_EQ(dialog.NameBox()->text(), "Ann");
  EXPECT_TRUE(dialog.NameBox()->isEnabled());
  EXPECT_TRUE(dialog.ConfirmationBox()->isEnabled());
  EXPECT_EQ(dialog.focusWidget(), dialog.NameBox());
  EXPECT_EQ(dialog.NameBox()->maxLength(), 20);
  EXPECT_EQ(dialog.PasswordBox()->maxLength(), 5);
  EXPECT_EQ(dialog.PasswordBox()->echoMode(), QLineEdit::Password);
  EXPECT_EQ(dialog.PasswordBox()->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                     dialog.PasswordBox()),
            '#');
}

TEST_F(StartDialog, OpeningNamesOfANewPlayer) {
  struct Case {
    std::string lastName;
    bool network;
    bool tableActive;
    std::string playerName;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {"Ann", false, false, "", "Ann"},
      {"Twelve chars", false, false, "", "Twelve chars"},
      {"Twelve chars", true, false, "", "Mr.X"},  // the network layout takes 9
      {"Nine char", true, false, "", "Nine char"},
      {std::string(21, 'x'), false, false, "", "Mr.X"},
      {"Ann", false, true, "Boris" + std::string(15, ' '), "Boris"},  // a change of name
  };
  for (const Case& c : cases) {
    StartDialogInput input = NewPlayer(c.lastName);
    input.networkGame = c.network;
    input.tableActive = c.tableActive;
    input.playerName = c.playerName;
    EXPECT_EQ(OpenStart(input).name, c.shown) << c.lastName;
  }
}

TEST_F(StartDialog, EveryRefusalNamesItsReasonAndItsBox) {
  struct Case {
    bool member;
    StartEntry entry;
    Message message;
    StartField focus;
  };
  const std::vector<Case> cases = {
      {false, {"", "abc", "abc"}, MsgIncorrectName, StartField::Name},
      {false, {"   ", "abc", "abc"}, MsgIncorrectName, StartField::Name},
      {false, {"Ann", "abc", "abd"}, MsgThePasswordsDoNotCoincide, StartField::Password},
      {false, {"Ann", "abc", "abc "}, MsgThePasswordsDoNotCoincide, StartField::Password},
      {true, {"Boris", "ab", ""}, MsgTheIncorrectPassword, StartField::Password},
      {true, {"Boris", "abcd", ""}, MsgTheIncorrectPassword, StartField::Password},
  };
  for (const Case& c : cases) {
    const StartCheck check = CheckStart(c.member ? Member(2) : NewPlayer(), c.entry);
    EXPECT_EQ(check.error, MessageText(c.message)) << c.entry.name << "/" << c.entry.password;
    EXPECT_EQ(check.focus, c.focus);
  }
}

TEST_F(StartDialog, AcceptedEntries) {
  const StartCheck ann = CheckStart(NewPlayer(), {"Ann", "pw", "pw"});
  EXPECT_TRUE(ann.error.empty());
  EXPECT_EQ(ann.playerName, "Ann" + std::string(17, ' '));
  EXPECT_EQ(ann.passwordDigits, EncodePassword("pw"));
  EXPECT_EQ(ann.lastPlayerName, "Ann");

  // A two-character password is kept blank-padded and matches the same two characters.
  const StartCheck anna = CheckStart(Member(1), {"Anna" + std::string(16, ' '), "ab", ""});
  EXPECT_TRUE(anna.error.empty());
  EXPECT_EQ(anna.playerName, "Anna" + std::string(16, ' '));
  EXPECT_EQ(anna.passwordDigits, EncodePassword("ab"));
}

TEST_F(StartDialog, AMissingClubFileRefusesAMember) {
  StartDialogInput input = Member(1);
  std::filesystem::remove(input.clubFile);
  const StartCheck check = CheckStart(input, {"Anna", "ab", ""});
  EXPECT_EQ(check.error, ClubCheckMessage(ClubCheckOutcome::Incorrect, input.clubFile));
}

TEST_F(StartDialog, ARefusalShowsInTheStatusLineAndMovesTheFocus) {
  TFormPassword dialog(*context_, NewPlayer("Ann"), nullptr);
  dialog.show();
  dialog.PasswordBox()->setText("abc");
  dialog.ConfirmationBox()->setText("abd");
  dialog.ConfirmationBox()->setFocus();
  QTest::keyClick(dialog.ConfirmationBox(), Qt::Key_Return);
  EXPECT_TRUE(dialog.StatusLine()->isVisible());
  EXPECT_EQ(dialog.StatusLine()->text(), Text(MsgThePasswordsDoNotCoincide));
  EXPECT_EQ(dialog.focusWidget(), dialog.PasswordBox());
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.Result());
  // Ok found a name, so it is remembered even though the entry was refused.
  EXPECT_EQ(settings_.LastPlayerName, "Ann");

  dialog.NameBox()->clear();
  dialog.OkButton()->click();
  EXPECT_EQ(dialog.StatusLine()->text(), Text(MsgIncorrectName));
  EXPECT_EQ(dialog.focusWidget(), dialog.NameBox());
  EXPECT_EQ(settings_.LastPlayerName, "Ann");
}

TEST_F(StartDialog, OkAcceptsAndCancelLeavesNothing) {
  TFormPassword accepted(*context_, Member(3), nullptr);
  accepted.show();
  accepted.PasswordBox()->setText("12345");
  QTest::keyClick(accepted.PasswordBox(), Qt::Key_Enter);
  ASSERT_TRUE(accepted.Result());
  EXPECT_EQ(accepted.result(), QDialog::Accepted);
  EXPECT_EQ(accepted.Result()->playerName, "Clara" + std::string(15, ' '));

  TFormPassword cancelled(*context_, Member(3), nullptr);
  cancelled.show();
  cancelled.PasswordBox()->setText("12345");
  QTest::keyClick(cancelled.PasswordBox(), Qt::Key_Escape);
  EXPECT_FALSE(cancelled.Result());
  EXPECT_FALSE(cancelled.isVisible());
}

// The dialog only asks: the club file is changed by the program, never by a window.
TEST_F(StartDialog, ChangeOfNameAsksTheNewNameAndWritesNothing) {
  const StartDialogInput input = Member(2);
  const auto before = ReadClubFile(input.clubFile);
  std::function<void()> answer = [&] {
    if (auto* start = qobject_cast<TFormPassword*>(QApplication::activeModalWidget())) {
      EXPECT_EQ(start->NameBox()->text(), "Boris");
      start->NameBox()->setText("Bruno");
      start->PasswordBox()->setText("xyz");
      start->ConfirmationBox()->setText("xyz");
      start->OkButton()->click();
      return;
    }
    QTimer::singleShot(10, answer);
  };
  QTimer::singleShot(10, answer);
  const auto entered = RunChangeName(nullptr, *context_, "Boris" + std::string(15, ' '));
  ASSERT_TRUE(entered);
  EXPECT_EQ(entered->playerName, "Bruno" + std::string(15, ' '));
  EXPECT_EQ(entered->password, "xyz");
  EXPECT_EQ(ReadClubFile(input.clubFile), before);
}

TEST(NetworkSetUp, ServerAddressesOfTheRightForm) {
  for (const char* good : {"192.168.0.5", "1.2.3.4", "999.999.999.999"}) {
    EXPECT_TRUE(CheckServerAddress(good)) << good;
  }
  for (const char* bad :
       {"192.168.0.", "192.168.0", "1..2.3", "1.2.3.4567", ".1.2.3", "", "1.2.3.4."}) {
    EXPECT_FALSE(CheckServerAddress(bad)) << bad;
  }
}

TEST(NetworkSetUp, BoxFiltersPutTheLastAcceptedTextBack) {
  EXPECT_EQ(FilterPort("a", "25666").text, "25666");
  EXPECT_EQ(FilterPort("2566a", "2566").text, "2566");
  EXPECT_EQ(FilterPort("", "25666").remembered, "");
  EXPECT_EQ(FilterPort("8080", "25666").remembered, "8080");

  const FilteredBox letter = FilterServerAddress("10.0.0.x", "10.0.0.1", true);
  EXPECT_EQ(letter.text, "10.0.0.1");
  EXPECT_EQ(FilterServerAddress("10.0.0.2", "10.0.0.1", true).remembered, "10.0.0.2");
  // The server's box is not the address to remember, and an empty box never is.
  EXPECT_EQ(FilterServerAddress("10.0.0.2", "10.0.0.1", false).remembered, "10.0.0.1");
  EXPECT_EQ(FilterServerAddress("", "10.0.0.1", true).remembered, "10.0.0.1");
}

}  // namespace
}  // namespace fibwick

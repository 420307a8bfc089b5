#include "ui/dialogs/start_dialog.h"

#include <QApplication>
#include <QHostAddress>
#include <QStyle>
#include <QTest>
#include <future>

#include "base/fixed_field.h"
#include "dialogs_support.h"
#include "online/loopback_server.h"
#include "online/online_session.h"
#include "ui/dialogs/notice_dialog.h"
#include "ui/dialogs/own_addresses.h"
#include "ui/dialogs/wait_dialog.h"
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

class StartWindow : public DialogTest {
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

TEST_F(StartWindow, MemberLineThreeShowsHisNameAndAsksOnlyThePassword) {
  StartDialog dialog(*context_, Member(3), nullptr);
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
TEST_F(StartWindow, DisabledBoxesHaveGreyedLabels) {
  WritePack(dir_.filePath("NuvCGraph1.dll"), {{"GFormPw.png", Solid(440, 300, qRgb(60, 0, 90))}});
  for (const int design : {0, 3}) {
    SetDialogDesign(settings_, design);
    for (const bool member : {true, false}) {
      StartDialog dialog(*context_, member ? Member(3) : NewPlayer(), nullptr);
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

TEST_F(StartWindow, NewPlayerGetsTheNameBoxWithTheFocus) {
  StartDialog dialog(*context_, NewPlayer("  Ann  "), nullptr);
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

TEST_F(StartWindow, OpeningNamesOfANewPlayer) {
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

TEST_F(StartWindow, EveryRefusalNamesItsReasonAndItsBox) {
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

TEST_F(StartWindow, AcceptedEntries) {
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

TEST_F(StartWindow, AMissingClubFileRefusesAMember) {
  StartDialogInput input = Member(1);
  std::filesystem::remove(input.clubFile);
  const StartCheck check = CheckStart(input, {"Anna", "ab", ""});
  EXPECT_EQ(check.error, ClubCheckMessage(ClubCheckOutcome::Incorrect, input.clubFile));
}

TEST_F(StartWindow, ARefusalShowsInTheStatusLineAndMovesTheFocus) {
  StartDialog dialog(*context_, NewPlayer("Ann"), nullptr);
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

TEST_F(StartWindow, OkAcceptsAndCancelLeavesNothing) {
  StartDialog accepted(*context_, Member(3), nullptr);
  accepted.show();
  accepted.PasswordBox()->setText("12345");
  QTest::keyClick(accepted.PasswordBox(), Qt::Key_Enter);
  ASSERT_TRUE(accepted.Result());
  EXPECT_EQ(accepted.result(), QDialog::Accepted);
  EXPECT_EQ(accepted.Result()->playerName, "Clara" + std::string(15, ' '));

  StartDialog cancelled(*context_, Member(3), nullptr);
  cancelled.show();
  cancelled.PasswordBox()->setText("12345");
  QTest::keyClick(cancelled.PasswordBox(), Qt::Key_Escape);
  EXPECT_FALSE(cancelled.Result());
  EXPECT_FALSE(cancelled.isVisible());
}

// The dialog only asks: the club file is changed by the program, never by a window.
TEST_F(StartWindow, ChangeOfNameAsksTheNewNameAndWritesNothing) {
  const StartDialogInput input = Member(2);
  const auto before = ReadClubFile(input.clubFile);
  std::function<void()> answer = [&] {
    if (auto* start = qobject_cast<StartDialog*>(QApplication::activeModalWidget())) {
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
  EXPECT_EQ(FilterPort("", "25666").text, "");
  EXPECT_EQ(FilterPort("", "25666").remembered, "25666");
  EXPECT_EQ(FilterPort("8080", "25666").remembered, "8080");

  const FilteredBox letter = FilterServerAddress("10.0.0.x", "10.0.0.1", true);
  EXPECT_EQ(letter.text, "10.0.0.1");
  EXPECT_EQ(FilterServerAddress("10.0.0.2", "10.0.0.1", true).remembered, "10.0.0.2");
  // The server's box is not the address to remember, and an empty box never is.
  EXPECT_EQ(FilterServerAddress("10.0.0.2", "10.0.0.1", false).remembered, "10.0.0.1");
  EXPECT_EQ(FilterServerAddress("", "10.0.0.1", true).remembered, "10.0.0.1");
}

class NetworkStart : public StartWindow {
 protected:
  NetworkStart() {
    settings_.NetworkGame = true;
    settings_.ServerIp = "10.0.0.7";
    settings_.ServerPort = "4321";
  }
  StartDialogInput NetworkPlayer(std::string lastName = "Ann") {
    StartDialogInput input = NewPlayer(std::move(lastName));
    input.networkGame = true;
    return input;
  }
  // A new player "Ann" with the password "pw", ready for "Ok".
  static void EnterAnn(StartDialog& dialog) {
    dialog.NameBox()->setText("Ann");
    dialog.PasswordBox()->setText("pw");
    dialog.ConfirmationBox()->setText("pw");
  }
};

TEST_F(NetworkStart, OpensAsTheServerOfANewGame) {
  StartDialog local(*context_, NewPlayer(), nullptr);
  local.show();
  StartDialog dialog(*context_, NetworkPlayer("Twelve chars"), nullptr);
  dialog.show();
  EXPECT_GT(dialog.height() - local.height(), 150);
  EXPECT_EQ(dialog.Role(), LanRole::Server);
  EXPECT_TRUE(dialog.ServerItem()->isChecked());
  EXPECT_FALSE(dialog.ClientItem()->isChecked());
  EXPECT_EQ(dialog.ServerItem()->text(), Text(MsgServerCreateTheGame));
  EXPECT_FALSE(dialog.ServerAddressBox()->isEnabled());
  EXPECT_FALSE(dialog.ServerAddressLabel()->isEnabled());
  EXPECT_TRUE(dialog.ServerAddressBox()->text().isEmpty());
  EXPECT_EQ(dialog.PortBox()->text(), "4321");
  EXPECT_EQ(dialog.GamesBox()->value(), 1);
  EXPECT_FALSE(dialog.GamesBox()->isEnabled());
  EXPECT_FALSE(dialog.GamesLabel()->isEnabled());
  // A name of twelve characters does not fit the nine of a network game.
  EXPECT_EQ(dialog.NameBox()->text(), "Mr.X");
  EXPECT_EQ(dialog.NameBox()->maxLength(), NetworkNameLimit);
  for (QWidget* shown : std::initializer_list<QWidget*>{
           dialog.ServerAddressBox(), dialog.PortBox(), dialog.GamesBox(), dialog.RoleChoice(),
           dialog.AddressButton(), dialog.HelpButton()}) {
    EXPECT_TRUE(shown->isVisible());
  }
  for (int i = 0; i < OwnAddressBoxCount; ++i) {
    EXPECT_FALSE(dialog.OwnAddressBox(i)->isVisible()) << i;
    EXPECT_TRUE(dialog.OwnAddressBox(i)->isReadOnly()) << i;
  }
  // With every address box and the status line up, no control covers another.
  for (int i = 0; i < OwnAddressBoxCount; ++i) dialog.OwnAddressBox(i)->show();
  dialog.StatusLine()->show();
  std::vector<QWidget*> controls;
  for (QWidget* child : dialog.Content()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isVisible()) controls.push_back(child);
  }
  ASSERT_GT(controls.size(), 20U);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    EXPECT_TRUE(dialog.Content()->rect().contains(controls[i]->geometry()))
        << controls[i]->metaObject()->className();
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
          << controls[i]->metaObject()->className() << " and "
          << controls[j]->metaObject()->className();
    }
  }
  for (QWidget* hidden : std::initializer_list<QWidget*>{
           local.ServerAddressBox(), local.PortBox(), local.GamesBox(), local.RoleChoice(),
           local.AddressButton(), local.HelpButton()}) {
    EXPECT_FALSE(hidden->isVisible());
  }
  EXPECT_EQ(local.NameBox()->maxLength(), LocalNameLimit);
}

TEST_F(NetworkStart, TheClientTypesTheServerAddress) {
  StartDialog dialog(*context_, NetworkPlayer(), nullptr);
  dialog.show();
  QTest::mouseClick(dialog.ClientItem(), Qt::LeftButton);
  EXPECT_EQ(dialog.Role(), LanRole::Client);
  EXPECT_TRUE(dialog.ServerAddressBox()->isEnabled());
  EXPECT_TRUE(dialog.ServerAddressLabel()->isEnabled());
  EXPECT_EQ(dialog.ServerAddressBox()->text(), "10.0.0.7");

  QTest::mouseClick(dialog.ServerItem(), Qt::LeftButton);
  EXPECT_EQ(dialog.Role(), LanRole::Server);
  EXPECT_FALSE(dialog.ServerAddressBox()->isEnabled());
  EXPECT_TRUE(dialog.ServerAddressBox()->text().isEmpty());
  // The server's empty box is not an address to remember.
  EXPECT_EQ(settings_.ServerIp, "10.0.0.7");
}

// Keys typed one after another into the real boxes: what each box then shows, and what the
// settings keep.
TEST_F(NetworkStart, BoxesTakeDigitsAndPointsOnly) {
  StartDialog dialog(*context_, NetworkPlayer(), nullptr);
  dialog.show();
  dialog.ClientItem()->click();
  struct Step {
    QLineEdit* box;
    QString keys;  // "^" selects all, "\b" is Backspace
    QString shown;
    std::string serverIp;
    std::string serverPort;
  };
  QLineEdit* address = dialog.ServerAddressBox();
  QLineEdit* port = dialog.PortBox();
  const std::vector<Step> steps = {
      {port, "^\b", "", "10.0.0.7", "4321"},  // an emptied box keeps the last port
      {port, "80", "80", "10.0.0.7", "80"},
      {port, "a", "80", "10.0.0.7", "80"},  // the last accepted port comes back
      {port, ".", "80", "10.0.0.7", "80"},
      {address, "^\b", "", "10.0.0.7", "80"},  // an empty address is not kept
      {address, "192.168.1.2", "192.168.1.2", "192.168.1.2", "80"},
      {address, "x", "192.168.1.2", "192.168.1.2", "80"},
      {address, "\b", "192.168.1.", "192.168.1.", "80"},
  };
  for (const Step& step : steps) {
    step.box->setFocus();
    step.box->end(false);
    for (const QChar key : step.keys) {
      if (key == '^') {
        QTest::keyClick(step.box, Qt::Key_A, Qt::ControlModifier);
      } else if (key == '\b') {
        QTest::keyClick(step.box, Qt::Key_Backspace);
      } else {
        QTest::keyClicks(step.box, QString(key));
      }
    }
    const std::string where = step.keys.toStdString();
    EXPECT_EQ(step.box->text(), step.shown) << where;
    EXPECT_EQ(settings_.ServerIp, step.serverIp) << where;
    EXPECT_EQ(settings_.ServerPort, step.serverPort) << where;
  }
}

TEST_F(NetworkStart, OkRefusesABadAddressOrAnEmptyPort) {
  struct Case {
    bool client;
    QString address;
    QString port;
    Message message;
    bool focusOnAddress;
  };
  const std::vector<Case> cases = {
      {true, "192.168.0.", "25666", MsgIncorrectIPAddress, true},
      {true, "192.168.0", "25666", MsgIncorrectIPAddress, true},
      {true, "1..2.3", "25666", MsgIncorrectIPAddress, true},
      {true, "1.2.3.4567", "25666", MsgIncorrectIPAddress, true},
      {true, "192.168.0.5", "", MsgIncorrectPort, false},
      {false, "", "", MsgIncorrectPort, false},
  };
  int starts = 0;
  for (const Case& c : cases) {
    StartDialog dialog(*context_, NetworkPlayer(), nullptr, [&](const LanSetup&) {
      ++starts;
      return true;
    });
    dialog.show();
    EnterAnn(dialog);
    (c.client ? dialog.ClientItem() : dialog.ServerItem())->click();
    if (c.client) dialog.ServerAddressBox()->setText(c.address);
    dialog.PortBox()->setText(c.port);
    dialog.OkButton()->click();
    const std::string where = c.address.toStdString();
    EXPECT_TRUE(dialog.StatusLine()->isVisible()) << where;
    EXPECT_EQ(dialog.StatusLine()->text(), Text(c.message)) << where;
    EXPECT_EQ(dialog.focusWidget(), c.focusOnAddress ? dialog.ServerAddressBox() : dialog.PortBox())
        << where;
    EXPECT_TRUE(dialog.isVisible()) << where;
    EXPECT_FALSE(dialog.Result()) << where;
    // The name was checked first and is remembered.
    EXPECT_EQ(settings_.LastPlayerName, "Ann") << where;
    if (c.focusOnAddress) {
      QTest::keyClicks(dialog.ServerAddressBox(), "1");
      EXPECT_FALSE(dialog.StatusLine()->isVisible()) << where;
    }
  }
  EXPECT_EQ(starts, 0);
}

TEST_F(NetworkStart, OkHandsTheLanStartOverAndClosesOnlyWhenItSucceeds) {
  std::vector<LanSetup> setups;
  bool succeed = false;
  StartDialog dialog(*context_, NetworkPlayer(), nullptr, [&](const LanSetup& setup) {
    setups.push_back(setup);
    return succeed;
  });
  dialog.show();
  EnterAnn(dialog);
  dialog.ClientItem()->click();
  dialog.ServerAddressBox()->setText("192.168.0.5");
  dialog.PortBox()->setText("2600");
  settings_.ServerIp = "stale";
  settings_.ServerPort = "stale";
  QTest::keyClick(dialog.PasswordBox(), Qt::Key_Return);
  ASSERT_EQ(setups.size(), 1U);
  EXPECT_EQ(setups[0].role, LanRole::Client);
  EXPECT_EQ(setups[0].address, "192.168.0.5");
  EXPECT_EQ(setups[0].port, "2600");
  EXPECT_EQ(setups[0].player.playerName, "Ann" + std::string(17, ' '));
  EXPECT_EQ(setups[0].player.passwordDigits, EncodePassword("pw"));
  EXPECT_EQ(settings_.ServerIp, "192.168.0.5");
  EXPECT_EQ(settings_.ServerPort, "2600");
  // The wait was cancelled: another try.
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.Result());
  EXPECT_FALSE(dialog.StatusLine()->isVisible());

  dialog.ServerItem()->click();
  succeed = true;
  dialog.OkButton()->click();
  ASSERT_EQ(setups.size(), 2U);
  EXPECT_EQ(setups[1].role, LanRole::Server);
  EXPECT_EQ(setups[1].address, "");
  EXPECT_EQ(settings_.ServerIp, "192.168.0.5");
  EXPECT_FALSE(dialog.isVisible());
  ASSERT_TRUE(dialog.Result());
  EXPECT_EQ(dialog.Result()->playerName, setups[1].player.playerName);
}

// The whole start of a client: the wait window over the start dialog, cancelled once, then
// closed by the server's welcome.
TEST_F(NetworkStart, AStartDialogWithItsWaitWindow) {
  WaitDialog wait(*context_, nullptr);
  int cancels = 0;
  wait.onCancel = [&] { ++cancels; };
  int tries = 0;
  const LanStarter startLan = [&](const LanSetup& setup) {
    wait.Prepare(Text(MsgExpectationOfGame), setup.role == LanRole::Client);
    ++tries;
    QTimer::singleShot(0, [&] {
      EXPECT_EQ(QApplication::activeModalWidget(), &wait);
      if (tries == 1) {
        wait.CancelButton()->click();
      } else {
        wait.Finish(true);
      }
    });
    return wait.Run();
  };
  const auto typeAndConfirm = [&] {
    auto* start = qobject_cast<StartDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(start, nullptr);
    EnterAnn(*start);
    start->ClientItem()->click();
    start->OkButton()->click();
    ASSERT_EQ(tries, 1);
    EXPECT_EQ(cancels, 1);
    EXPECT_TRUE(start->isVisible());
    start->OkButton()->click();
  };
  QTimer::singleShot(0, typeAndConfirm);
  StartDialogResult result;
  EXPECT_TRUE(RunStartDialog(nullptr, *context_, NetworkPlayer(), result, startLan));
  EXPECT_EQ(tries, 2);
  EXPECT_EQ(cancels, 1);
  EXPECT_EQ(result.playerName, "Ann" + std::string(17, ' '));
}

// Without a LAN to start (a change of name) the network layout asks only the name and password.
TEST_F(NetworkStart, WithoutAStarterOkStopsAfterTheName) {
  StartDialog dialog(*context_, NetworkPlayer(), nullptr);
  dialog.show();
  EnterAnn(dialog);
  dialog.PortBox()->clear();
  dialog.OkButton()->click();
  EXPECT_TRUE(dialog.Result());
}

TEST(OwnAddresses, BoxesTakeTheLocalThenTheExternalThenTheLoopback) {
  const auto locals = [](int count) {
    std::vector<QString> addresses;
    for (int i = 1; i <= count; ++i) addresses.push_back(QString("192.168.0.%1").arg(i));
    return addresses;
  };
  const QString site = "echo.example";
  const ShownAddress external{"10.1.2.3", site};
  const ShownAddress loop{"127.0.0.1", "Loop"};
  const auto local = [](int i) { return ShownAddress{QString("192.168.0.%1").arg(i), {}}; };
  struct Case {
    int localCount;
    std::optional<std::string> echo;
    std::vector<ShownAddress> shown;
  };
  const std::vector<Case> cases = {
      {2, "10.1.2.3\r\n", {local(1), local(2), external, loop}},
      {0, "10.1.2.3\r\n", {external, loop}},
      {1, "", {local(1), {"", site}, loop}},          // the echo page could not be read
      {2, std::nullopt, {local(1), local(2), loop}},  // no echo page to ask
      {4, "10.1.2.3\r\n", {local(1), local(2), local(3), local(4), external, loop}},
      {5, "10.1.2.3\r\n", {local(1), local(2), local(3), local(4), local(5), external}},
      {6, "10.1.2.3\r\n", {local(1), local(2), local(3), local(4), local(5), external}},
      {6, std::nullopt, {local(1), local(2), local(3), local(4), local(5), local(6)}},
      {5, std::nullopt, {local(1), local(2), local(3), local(4), local(5), loop}},
      {1, "10.1.2.3\r\nsecond\r\n", {local(1), external, loop}},
      // A page on this machine sees the loopback, one on this network a local address.
      {2, "127.0.0.1\r\n", {local(1), local(2), loop}},
      {2, "192.168.0.2\r\n", {local(1), local(2), loop}},
  };
  for (const Case& c : cases) {
    const std::vector<ShownAddress> shown = ShapeOwnAddresses(locals(c.localCount), c.echo, site);
    const std::string where = std::to_string(c.localCount) + " " + c.echo.value_or("(none)");
    ASSERT_EQ(shown.size(), c.shown.size()) << where;
    for (std::size_t i = 0; i < shown.size(); ++i) {
      EXPECT_EQ(shown[i].text, c.shown[i].text) << where << " box " << i;
      EXPECT_EQ(shown[i].hint, c.shown[i].hint) << where << " box " << i;
    }
  }
}

TEST_F(NetworkStart, TheAddressButtonShowsThisMachinesAddresses) {
  // The echo page answers only once the test has seen the dialog without it.
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  testing::LoopbackServer echo([released](const std::string&) {
    released.wait();
    return testing::HttpAnswer("10.1.2.3\r\n");
  });
  QObject answers;
  OnlineSession session("", [&answers](OnlineSession::Task task) {
    QMetaObject::invokeMethod(&answers, std::move(task), Qt::QueuedConnection);
  });
  context_->ipEchoAddress = echo.BaseUrl() + "/ip";
  context_->askExternalAddress = [&session](const std::string& address, auto answer) {
    session.ReadExternalAddress(address, std::move(answer));
  };
  const std::vector<QString> local = ListInterfaceAddresses();
  if (local.size() > 4) GTEST_SKIP() << "this machine fills the boxes with its own addresses";
  for (const QString& address : local) {
    EXPECT_TRUE(QHostAddress(address).protocol() == QAbstractSocket::IPv4Protocol)
        << address.toStdString();
    EXPECT_FALSE(QHostAddress(address).isLoopback());
  }

  StartDialog dialog(*context_, NetworkPlayer(), nullptr);
  dialog.show();
  dialog.AddressButton()->click();
  // The click came back before the page answered: the machine's own addresses are there already.
  const int localCount = static_cast<int>(local.size());
  EXPECT_EQ(dialog.OwnAddressBox(localCount)->text(), "127.0.0.1");
  EXPECT_FALSE(dialog.OwnAddressBox(localCount + 1)->isVisible());
  release.set_value();
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return dialog.OwnAddressBox(localCount + 1)->isVisible(); }, 10000));
  ASSERT_EQ(echo.Requests().size(), 1U);
  EXPECT_TRUE(echo.Requests()[0].starts_with("GET /ip ")) << echo.Requests()[0];
  std::vector<QString> expected = local;
  expected.insert(expected.end(), {"10.1.2.3", "127.0.0.1"});
  for (int i = 0; i < OwnAddressBoxCount; ++i) {
    QLineEdit* box = dialog.OwnAddressBox(i);
    const bool filled = i < static_cast<int>(expected.size());
    EXPECT_EQ(box->isVisible(), filled) << i;
    if (filled) {
      EXPECT_EQ(box->text(), expected[static_cast<std::size_t>(i)]) << i;
    }
  }
  const int external = static_cast<int>(local.size());
  EXPECT_EQ(dialog.OwnAddressBox(external)->toolTip(), "127.0.0.1");  // the echo page's site
  EXPECT_EQ(dialog.OwnAddressBox(external + 1)->toolTip(), "Loop");
  // Left column top to bottom, then the right one.
  EXPECT_LT(dialog.OwnAddressBox(0)->y(), dialog.OwnAddressBox(1)->y());
  EXPECT_LT(dialog.OwnAddressBox(2)->x(), dialog.OwnAddressBox(3)->x());
  EXPECT_EQ(dialog.OwnAddressBox(0)->y(), dialog.OwnAddressBox(3)->y());
}

}  // namespace
}  // namespace fibwick

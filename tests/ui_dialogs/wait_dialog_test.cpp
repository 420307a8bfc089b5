#include "ui/dialogs/wait_dialog.h"

#include <QApplication>
#include <QTest>

#include "dialogs_support.h"
#include "ui/dialogs/film_view.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Text;

class WaitWindow : public DialogTest {
 protected:
  WaitWindow() : wait_(*context_, nullptr) {
    wait_.onCancel = [this] { ++cancels_; };
  }

  // Runs the window modally and acts on it once it is up.
  bool RunAnd(const std::function<void()>& action) {
    QTimer::singleShot(0, [&] {
      EXPECT_EQ(QApplication::activeModalWidget(), &wait_);
      action();
    });
    return wait_.Run();
  }

  WaitDialog wait_;
  int cancels_ = 0;
};

TEST_F(WaitWindow, TheClientHearsOfNoGameFromTheFirstTick) {
  WaitDialog server(*context_, nullptr);
  server.Prepare(Text(MsgExpectationOfPlayers), false);
  server.show();
  wait_.Prepare(Text(MsgExpectationOfGame), true);
  wait_.show();
  EXPECT_EQ(wait_.windowTitle(), Text(MsgPleaseWaitNet));
  EXPECT_EQ(wait_.StateLine()->text(), Text(MsgExpectationOfGame));
  QTest::qWait(WaitDialog::TickMs + 150);
  EXPECT_EQ(wait_.StateLine()->text(), Text(MsgThereAreNoAccessibleGames));
  EXPECT_EQ(server.StateLine()->text(), Text(MsgExpectationOfPlayers));
}

TEST_F(WaitWindow, PreparedForAWaitThenConnected) {
  wait_.ShowConnected();
  wait_.Prepare(Text(MsgExpectationOfPlayers), false);
  wait_.show();
  EXPECT_FALSE(wait_.ConnectedLine()->isVisible());
  EXPECT_FALSE(wait_.OkButton()->isEnabled());
  EXPECT_TRUE(wait_.CancelButton()->isEnabled());
  EXPECT_EQ(wait_.CancelButton()->text(), Text(MsgCancel));
  EXPECT_FALSE(wait_.Picture()->Empty());

  wait_.ShowConnected();
  EXPECT_TRUE(wait_.ConnectedLine()->isVisible());
  EXPECT_EQ(wait_.ConnectedLine()->text(), Text(MsgTheSecondPlayerWasConnected));
  EXPECT_TRUE(wait_.OkButton()->isEnabled());
  EXPECT_FALSE(wait_.CancelButton()->isEnabled());
}

TEST_F(WaitWindow, CancelAndEscapeCloseTheLinkAndConfirmNothing) {
  for (const bool escape : {false, true}) {
    wait_.Prepare(Text(MsgExpectationOfGame), true);
    EXPECT_FALSE(RunAnd([&] {
      if (escape) {
        QTest::keyClick(&wait_, Qt::Key_Escape);
      } else {
        wait_.CancelButton()->click();
      }
    })) << escape;
    EXPECT_FALSE(wait_.isVisible());
  }
  EXPECT_EQ(cancels_, 2);
}

// Once the client is in, only "Ok" leads on: Escape and the close box do nothing.
TEST_F(WaitWindow, TheServerConfirmsWithOk) {
  wait_.Prepare(Text(MsgExpectationOfPlayers), false);
  EXPECT_TRUE(RunAnd([&] {
    wait_.ShowConnected();
    QTest::keyClick(&wait_, Qt::Key_Escape);
    wait_.close();
    EXPECT_TRUE(wait_.isVisible());
    wait_.OkButton()->click();
  }));
  EXPECT_EQ(cancels_, 0);
}

TEST_F(WaitWindow, TheProgramClosesTheWindow) {
  for (const bool confirmed : {true, false}) {
    wait_.Prepare(Text(MsgExpectationOfGame), true);
    EXPECT_EQ(RunAnd([&] { wait_.Finish(confirmed); }), confirmed);
    EXPECT_FALSE(wait_.isVisible());
  }
  EXPECT_EQ(cancels_, 0);
}

TEST_F(WaitWindow, EveryButtonSalutesBeforeItActs) {
  settings_.SaluteButtons = true;
  std::vector<std::string> order;
  context_->salute = [&] { order.push_back("salute"); };
  wait_.onCancel = [&] { order.push_back("cancel"); };
  wait_.Prepare(Text(MsgExpectationOfGame), true);
  RunAnd([&] { wait_.CancelButton()->click(); });
  EXPECT_EQ(order, (std::vector<std::string>{"salute", "cancel"}));
}

}  // namespace
}  // namespace fibwick

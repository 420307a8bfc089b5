#include "ui/dialogs/question_dialog.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dialogs_support.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Text;

using Question = DialogTest;

QString LeaveQuestion() {
  return Text(MsgLeaveToMainMenu) + "\n" + Text(MsgAllDataWillBeLost);
}

TEST_F(Question, EveryWayOfAnsweringGivesItsAnswer) {
  struct Case {
    const char* how;
    std::function<void(QuestionDialog&)> answer;
    bool yes;
  };
  const std::vector<Case> cases = {
      {"Yes", [](QuestionDialog& q) { q.YesButton()->click(); }, true},
      {"No", [](QuestionDialog& q) { q.NoButton()->click(); }, false},
      {"closing the window", [](QuestionDialog& q) { q.close(); }, false},
      {"Esc", [](QuestionDialog& q) { QTest::keyClick(&q, Qt::Key_Escape); }, false},
      // The focus rests on "No", so a stray Space does not throw the game away.
      {"Space", [](QuestionDialog& q) { QTest::keyClick(q.focusWidget(), Qt::Key_Space); }, false},
  };
  for (const Case& c : cases) {
    bool asked = false;
    QTimer::singleShot(0, [&] {
      auto* question = qobject_cast<QuestionDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(question, nullptr) << c.how;
      asked = true;
      c.answer(*question);
    });
    EXPECT_EQ(AskQuestion(nullptr, *context_, LeaveQuestion()), c.yes) << c.how;
    EXPECT_TRUE(asked) << c.how;
  }
}

TEST_F(Question, AnswersAreCaptionedInTheLanguage) {
  struct Case {
    int language;
    const char* yes;
    const char* no;
  };
  for (const Case& c : std::vector<Case>{{0, "Yes", "No"},
                                         {1, "Да", "Нет"},
                                         {2, "Ja", "Nein"},
                                         {5, "是", "否"},
                                         {9, "예", "아니요"}}) {
    SetLanguage(c.language);
    QuestionDialog question(*context_, LeaveQuestion(), nullptr);
    question.show();
    EXPECT_EQ(question.YesButton()->text(), QString::fromUtf8(c.yes)) << c.language;
    EXPECT_EQ(question.NoButton()->text(), QString::fromUtf8(c.no)) << c.language;
    EXPECT_EQ(question.Lines(),
              QStringList({Text(MsgLeaveToMainMenu), Text(MsgAllDataWillBeLost)}));
    question.hide();
  }
}

TEST_F(Question, IsDrawnInTheDialogFrame) {
  QuestionDialog question(*context_, LeaveQuestion(), nullptr);
  const QImage shot = Shot(question, "question-frame");
  EXPECT_EQ(question.Design(), 0);
  EXPECT_EQ(question.Content()->y(), HeaderHeight(0));
  EXPECT_EQ(question.windowTitle(), Text(MsgWindowTitle));
  // The title in yellow letters on the band.
  int yellow = 0;
  for (int y = 0; y < HeaderHeight(0); ++y) {
    for (int x = 0; x < shot.width(); ++x) yellow += shot.pixelColor(x, y) == TitleColour;
  }
  EXPECT_GT(yellow, 50);
  // Two skinned buttons of the frame side by side under the lines, "No" holding the focus.
  for (SkinButton* button : {question.YesButton(), question.NoButton()}) {
    EXPECT_EQ(button->ColorSB(), TColorSB::DRed);
    EXPECT_EQ(button->FontColour(), QColor(Qt::white));
    EXPECT_EQ(button->font().pixelSize(), 20);
    EXPECT_EQ(button->y(), question.YesButton()->y());
    EXPECT_GT(button->y(), 2 * 30);
  }
  EXPECT_LT(question.YesButton()->geometry().right(), question.NoButton()->x());
  EXPECT_EQ(question.focusWidget(), question.NoButton());
  EXPECT_EQ(question.width(), NoticeClientWidth(question.Lines()));
}

}  // namespace
}  // namespace fibwick

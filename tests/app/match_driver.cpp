#include "match_driver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMouseEvent>
#include <cstdlib>
#include <unistd.h>

#include "game/game_state.h"
#include "ui/dialogs/end_game_dialog.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/rank_dialog.h"
#include "ui/skin_button.h"

namespace fibwick {

namespace fs = std::filesystem;

fs::path FreshProgramFolder(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("fibwick-" + name + "-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string command = std::string(FIBWICK_CLUBGEN) + " " + folder.string();
  if (std::system(command.c_str()) != 0) throw std::runtime_error("clubgen failed");
  return folder;
}

void Wait(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

bool WaitFor(const std::function<bool()>& done, int limitMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > limitMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

TNuvCardsButton* ButtonNamed(TForm1& form, const char* name) {
  return form.findChild<TNuvCardsButton*>(name);
}

DialogAnswerer::DialogAnswerer() {
  timer_.setInterval(5);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
  timer_.start();
}

void DialogAnswerer::Answer() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || modal == last_) return;
  last_ = modal;
  ++dialogsSeen;
  if (auto* start = qobject_cast<TFormPassword*>(modal)) {
    if (start->NameBox()->isVisible()) start->NameBox()->setText(QString::fromStdString(name));
    start->PasswordBox()->setText(QString::fromStdString(password));
    if (start->ConfirmationBox()->isVisible()) {
      start->ConfirmationBox()->setText(QString::fromStdString(password));
    }
    start->Confirm();
  } else if (auto* dost = qobject_cast<TFormDost*>(modal)) {
    dost->Button(rankIndex)->click();
  } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes)->click() : box->accept();
  } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    if (qobject_cast<TFormEndGame*>(modal) != nullptr) ++endsOfMatchSeen;
    dialog->accept();
  }
  last_ = nullptr;
}

void PassIntro(TForm1& form) {
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Intro; }));
  Wait(50);
  form.EndIntro();
  ASSERT_EQ(form.CurrentScreen(), Screen::Menu);
}

namespace {

void ClickCard(TForm1& form, int k) {
  const PixelRect hand = form.HandRect(2);
  const int x = hand.left + form.HandPositions(2)[static_cast<std::size_t>(k - 1)] + 2;
  const QPointF at(x, hand.top + 5);
  QMouseEvent press(QEvent::MouseButtonRelease, at, form.mapToGlobal(at), Qt::LeftButton,
                    Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &press);
}

// One action of the local player, chosen at random among the enabled buttons.
void PlayLocalTurn(TForm1& form, std::mt19937& random) {
  const GameState& s = form.Game();
  auto* challenge = ButtonNamed(form, "Button7");
  auto* put = ButtonNamed(form, "Button8");
  auto* pass = ButtonNamed(form, "Button12");
  const int choice = static_cast<int>(random() % 3);
  if (choice == 0 && challenge->isEnabled()) return challenge->click();
  if (choice == 1 && pass->isEnabled()) return pass->click();
  if (s.SeatCardCount[2] == 0) {
    if (pass->isEnabled()) return pass->click();
    return challenge->click();
  }
  ClickCard(form, 1 + static_cast<int>(random() % s.SeatCardCount[2]));
  ASSERT_TRUE(put->isEnabled());
  put->click();
}

}  // namespace

int PlayMatch(TForm1& form, std::mt19937& random, const std::function<void(int game)>& gameOver) {
  int gamesFinished = 0;
  while (form.CurrentScreen() == Screen::Table) {
    const bool moved = WaitFor([&] {
      const GameState& s = form.Game();
      return s.RoundOver || s.TurnState == TurnLocal || form.CurrentScreen() != Screen::Table;
    });
    if (!moved) {
      ADD_FAILURE() << "the table stopped moving: " << DescribeState(form.Game());
      return -1;
    }
    if (form.CurrentScreen() != Screen::Table) break;
    if (form.Game().RoundOver) {
      ++gamesFinished;
      if (gameOver) gameOver(gamesFinished);
      const bool cycleEnd = form.Game().GameNumber % GamesPerCycle == 0;
      ButtonNamed(form, cycleEnd ? "Button8" : "Button7")->click();  // "Exit to menu" or "Next game"
      continue;
    }
    PlayLocalTurn(form, random);
    if (testing::Test::HasFatalFailure()) return -1;
    Wait(1);
  }
  return gamesFinished;
}

}  // namespace fibwick

#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "app/event_waits.h"
#include "app/main_window.h"
#include "ui/dialogs/claim_rank_dialog.h"
#include "ui/dialogs/question_dialog.h"
#include "ui/dialogs/start_dialog.h"
#include "ui/skin_button.h"

// Driving the real main window as a player would: fresh files, waits, clicks, dialog answers.
namespace fibwick::testing {

namespace fs = std::filesystem;

// The program also looks for packs in the folder above its own: that one is the test's too, so
// whatever lies in the temporary folder is never found.
inline fs::path FreshProgramFolder(const std::string& name) {
  static const struct Above {
    fs::path path = fs::temp_directory_path() / ("fibwick-tests-" + std::to_string(::getpid()));
    ~Above() {
      std::error_code ignored;
      fs::remove(path, ignored);  // only once every test has removed its own folder
    }
  } above;
  const fs::path folder = above.path / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string command = std::string(FIBWICK_CLUBGEN) + " " + folder.string();
  if (std::system(command.c_str()) != 0) throw std::runtime_error("clubgen failed");
  return folder;
}

inline SkinButton* ButtonNamed(MainWindow& form, const char* name) {
  return form.findChild<SkinButton*>(name);
}

// The window on the main menu, past the intro.
inline void PassIntro(MainWindow& form) {
  ASSERT_TRUE(WaitFor([&] { return form.CurrentScreen() == Screen::Intro; }));
  Wait(50);
  form.EndIntro();
  ASSERT_EQ(form.CurrentScreen(), Screen::Menu);
}

// Answers whatever modal window the program opens, as a player would.
class DialogAnswerer : public QObject {
 public:
  std::string name = "Tester";
  std::string password = "pw1";
  int rankIndex = 3;  // the nine
  bool answerYes = true;
  int dialogsSeen = 0;
  int questionsSeen = 0;
  // Looks at the modal window on every tick before the usual answers; true when it took care
  // of it (or wants it left alone for now).
  std::function<bool(QWidget*)> custom;

  DialogAnswerer() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
    timer_.start();
  }

 private:
  void Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && custom && custom(modal)) return;
    if (modal == nullptr || modal == last_) return;
    last_ = modal;
    ++dialogsSeen;
    if (auto* start = qobject_cast<StartDialog*>(modal)) {
      // Once per dialog, and outside this tick: a LAN start opens the wait window from Confirm,
      // and a timer is not called again while its own tick runs.
      if (start->property("answered").toBool()) {
        last_ = nullptr;
        return;
      }
      start->setProperty("answered", true);
      if (start->NameBox()->isVisible()) start->NameBox()->setText(QString::fromStdString(name));
      start->PasswordBox()->setText(QString::fromStdString(password));
      if (start->ConfirmationBox()->isVisible()) {
        start->ConfirmationBox()->setText(QString::fromStdString(password));
      }
      QTimer::singleShot(0, start, [start] { start->Confirm(); });
    } else if (auto* dost = qobject_cast<ClaimRankDialog*>(modal)) {
      dost->Button(rankIndex)->click();
    } else if (auto* question = qobject_cast<QuestionDialog*>(modal)) {
      ++questionsSeen;
      (answerYes ? question->YesButton() : question->NoButton())->click();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->accept();
    }
    last_ = nullptr;
  }

  QTimer timer_;
  QWidget* last_ = nullptr;
};

inline void ClickCard(MainWindow& form, int k) {
  const PixelRect hand = form.HandRect(2);
  const int x = hand.left + form.HandPositions(2)[static_cast<std::size_t>(k - 1)] + 2;
  const QPointF at(x, hand.top + 5);
  QMouseEvent press(QEvent::MouseButtonRelease, at, form.mapToGlobal(at), Qt::LeftButton,
                    Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &press);
}

}  // namespace fibwick::testing

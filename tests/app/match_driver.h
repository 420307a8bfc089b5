#pragma once

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "app/tform1.h"
#include "ui/skin_button.h"

// Drives the real main window as a player would: answers its dialogs and plays its matches.
namespace fibwick {

// A program folder in the temporary folder with the club files the club generator writes.
std::filesystem::path FreshProgramFolder(const std::string& name);

// Runs the event loop for a while, or until `done` holds (false when the limit passed first).
void Wait(int ms);
bool WaitFor(const std::function<bool()>& done, int limitMs = 20000);

TNuvCardsButton* ButtonNamed(TForm1& form, const char* name);

// Answers whatever modal window the program opens, as a player would.
class DialogAnswerer : public QObject {
 public:
  std::string name = "Tester";
  std::string password = "pw1";
  int rankIndex = 3;  // the nine
  int dialogsSeen = 0;
  int endsOfMatchSeen = 0;

  DialogAnswerer();

 private:
  void Answer();

  QTimer timer_;
  QWidget* last_ = nullptr;
};

// The window on the main menu, past the intro.
void PassIntro(TForm1& form);

// Plays from the table until the window is back on the menu, with random answers from `random`,
// and returns how many games ended (-1 when the table stopped moving). `gameOver` sees each
// ended game before the player leaves it.
int PlayMatch(TForm1& form, std::mt19937& random, const std::function<void(int game)>& gameOver = {});

}  // namespace fibwick

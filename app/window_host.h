#pragma once

#include <string>

#include "ui/dialogs/dialog_context.h"

class QWidget;

namespace fibwick {

enum class Screen { Intro, Menu, Table };

// What the controllers ask of the main window: the parent and context of their dialogs, the
// notices, and the screens, whose routing stays with the window.
class WindowHost {
 public:
  virtual QWidget& Window() = 0;
  virtual DialogContext Dialogs() = 0;
  virtual void ShowNotice(const std::string& text) = 0;
  virtual bool Confirm(const std::string& question) = 0;
  virtual Screen CurrentScreen() const = 0;
  virtual void LayoutMainMenu() = 0;
  // The window takes its size, pictures and fonts from the settings again.
  virtual void ApplyWindowSize() = 0;
  // The window's own texts in the current language.
  virtual void Recaption() = 0;
  virtual void ApplyCursor() = 0;
  virtual void UpdateMusic() = 0;
  virtual void ShowMainMenu() = 0;
  virtual void HideTable() = 0;
  // The window's timer beats for the shown screen: at the table, the computer's seat.
  virtual void StartTimer(int intervalMs) = 0;
  virtual void StopTimer() = 0;

 protected:
  ~WindowHost() = default;
};

}  // namespace fibwick

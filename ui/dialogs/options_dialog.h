#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QSize>
#include <QTabWidget>
#include <functional>
#include <vector>

#include "ui/dialogs/background_page.h"
#include "ui/dialogs/cards_page.h"
#include "ui/dialogs/decks_page.h"
#include "ui/dialogs/design_page.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/dialogs/fonts_page.h"
#include "ui/dialogs/pack_downloads.h"
#include "ui/dialogs/save_games_page.h"

// The options: every change goes into the settings at once; the file is written at exit.
namespace fibwick {

// What the main window does when a setting it shows changes; an empty hook does nothing.
struct OptionsHooks {
  std::function<void()> languageChanged;     // re-caption the main window
  std::function<void()> windowSizeChanged;   // lay the window out again
  std::function<void()> networkGameChanged;  // the club list from the other club file
  std::function<void()> musicChanged;        // start or stop the music
  std::function<void()> gifAnimationChanged;
  std::function<void()> cursorsChanged;
  std::function<void()> newButtonsChanged;  // redraw the main window's buttons
  std::function<void()> faceSetChanged;     // load the faces of the chosen set
  std::function<void()> backSetChanged;     // load the backs of the chosen set
  std::function<void()> fontsChanged;       // re-apply the fonts of the four slots
  std::function<void()> backgroundChanged;  // load and draw the table's background
  std::function<void()> designChanged;      // the menu, table or window design changed
  std::function<void()> openSpeed;          // the speed dialog; absent: its button is disabled
  std::function<void()> openPassport;       // the passport dialog; absent: disabled
};

// "FlagO" + the language's picture suffix; Japanese and Korean have flags of their own.
QString LargeFlagPicture(int language);

// The window sizes the screen can hold, as WindowSizeMode values in the chooser's order.
std::vector<int> WindowSizeChoices(QSize screen);

class OptionsDialog : public DialogFrame {
  Q_OBJECT

 public:
  OptionsDialog(DialogContext& context, OptionsHooks hooks, QSize screen, QWidget* parent);

  QTabWidget* Tabs() const { return tabs_; }
  int DllTab() const { return dllTab_; }
  QComboBox* LanguageBox() const { return language_; }
  QComboBox* WindowSizeBox() const { return windowSize_; }
  QCheckBox* MultiplayerBox() const { return multiplayer_; }
  QCheckBox* SoundBox() const { return sound_; }
  QCheckBox* MusicBox() const { return music_; }
  QCheckBox* GifBox() const { return gif_; }
  QCheckBox* FlyBox() const { return fly_; }
  QCheckBox* CursorBox() const { return cursor_; }
  QCheckBox* NewButtonsBox() const { return newButtons_; }
  SkinButton* SpeedButton() const { return speed_; }
  SkinButton* PassportButton() const { return passport_; }
  SkinButton* OkButton() const { return ok_; }
  QLabel* Flag() const { return flag_; }
  PackDownloads& Downloads() const { return *downloads_; }
  SaveGamesPage* SaveGamesTab() const { return saveGames_; }
  CardsPage* CardsTab() const { return cards_; }
  DecksPage* DecksTab() const { return decks_; }
  QCheckBox* LastCardsBox() const { return lastCards_; }
  FontsPage* FontsTab() const { return fonts_; }
  BackgroundPage* BackgroundTab() const { return background_; }
  DesignPage* DesignTab() const { return design_; }

 protected:
  void Recaption() override;
  // Stays open while a download runs inside one of its buttons: "Cancel" ends that first.
  void done(int result) override;

 private:
  QWidget* AddGamePage();
  // Nine tabs share one row, the window wide enough for their labels at a readable size.
  void WidenForTabs();
  bool PackPresent(std::string_view fileName) const;
  QCheckBox* AddSwitch(QWidget* parent, const QRect& rect, bool& value,
                       const std::function<void()>& changed);

  OptionsHooks hooks_;
  QLabel* flag_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QComboBox* language_ = nullptr;
  QComboBox* windowSize_ = nullptr;
  QGroupBox* multimedia_ = nullptr;
  QCheckBox* multiplayer_ = nullptr;
  QCheckBox* sound_ = nullptr;
  QCheckBox* music_ = nullptr;
  QCheckBox* gif_ = nullptr;
  QCheckBox* fly_ = nullptr;
  QCheckBox* cursor_ = nullptr;
  QCheckBox* newButtons_ = nullptr;
  SkinButton* speed_ = nullptr;
  SkinButton* passport_ = nullptr;
  SkinButton* ok_ = nullptr;
  PackDownloads* downloads_ = nullptr;
  int cardsTab_ = 0;
  int dllTab_ = 0;
  SaveGamesPage* saveGames_ = nullptr;
  CardsPage* cards_ = nullptr;
  DecksPage* decks_ = nullptr;
  QGroupBox* minor_ = nullptr;
  QCheckBox* lastCards_ = nullptr;
  FontsPage* fonts_ = nullptr;
  BackgroundPage* background_ = nullptr;
  DesignPage* design_ = nullptr;
};

void ShowOptions(QWidget* parent, DialogContext& context, const OptionsHooks& hooks);

}  // namespace fibwick

#include "app/menu_controller.h"

#include <utility>

#include "app/club_session.h"
#include "app/menu_screen.h"
#include "game/game_state.h"
#include "records/catalogue.h"
#include "records/club_file.h"
#include "records/settings.h"
#include "ui/caption_tint.h"
#include "ui/dialogs/history_dialog.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/dialogs/start_dialog.h"
#include "ui/dialogs/top_ten_dialog.h"
#include "ui/sound/cue_player.h"

namespace fibwick {

MenuController::MenuController(WindowHost& host, Settings& settings, CuePlayer& sounds,
                               ClubSession& session, MenuScreen& menu, const GameState& state,
                               MenuRoutes routes)
    : host_(host),
      settings_(settings),
      sounds_(sounds),
      session_(session),
      menu_(menu),
      state_(state),
      routes_(std::move(routes)) {}

void MenuController::ClubButtonClick(int line) {
  const auto lines = ReadClubFile(session_.ClubFile(settings_.NetworkGame));
  if (!lines || IsFreeMemberLine((*lines)[static_cast<std::size_t>(line - 1)])) return;
  sounds_.Play("WOpenFo");
  OpenStartDialog(line);
}

void MenuController::NewPlayerClick() {
  sounds_.Play("WOpenFo");
  OpenStartDialog(SlotNewPlayer);
}

void MenuController::OpenStartDialog(int slot) {
  DialogContext context = host_.Dialogs();
  const StartDialogInput input{.playerSlot = slot,
                               .networkGame = settings_.NetworkGame,
                               .tableActive = false,
                               .playerName = state_.session.PlayerName,
                               .lastPlayerName = settings_.LastPlayerName,
                               .clubFile = session_.ClubFile(settings_.NetworkGame)};
  StartDialogResult result;
  const LanStarter startLan = [this, slot](const LanSetup& setup) {
    return routes_.lanWait(slot, setup);
  };
  if (!RunStartDialog(&host_.Window(), context, input, result, startLan)) return;
  // A LAN client's match began with the server's welcome; a server's begins now.
  if (!settings_.NetworkGame) {
    return routes_.localMatch(slot, result.playerName, result.passwordDigits);
  }
  routes_.lanConfirmed();
}

void MenuController::OptionsClick() {
  sounds_.Play("WOpenFo");
  DialogContext context = host_.Dialogs();
  OptionsHooks hooks;
  hooks.languageChanged = [this] {
    SetLanguage(settings_.Language);
    host_.Recaption();
    if (host_.CurrentScreen() == Screen::Menu) host_.LayoutMainMenu();
  };
  hooks.networkGameChanged = [this] { host_.LayoutMainMenu(); };
  hooks.gifAnimationChanged = [this] { host_.LayoutMainMenu(); };
  hooks.newButtonsChanged = [this] { host_.LayoutMainMenu(); };
  hooks.openSpeed = [this, &context] { ChooseFlightSpeed(&host_.Window(), context); };
  hooks.musicChanged = [this] { host_.UpdateMusic(); };
  // The size, backs, background, designs and fonts are all read as the window takes its size.
  const auto redrawArt = [this] {
    host_.ApplyWindowSize();
    if (host_.CurrentScreen() == Screen::Menu) host_.LayoutMainMenu();
  };
  hooks.windowSizeChanged = redrawArt;
  hooks.faceSetChanged = redrawArt;
  hooks.backSetChanged = redrawArt;
  hooks.fontsChanged = redrawArt;
  hooks.backgroundChanged = redrawArt;
  hooks.designChanged = redrawArt;
  hooks.cursorsChanged = [this] { host_.ApplyCursor(); };
  ShowOptions(&host_.Window(), context, hooks);
}

void MenuController::TopTenClick() {
  sounds_.Play("WOpenFo");
  DialogContext context = host_.Dialogs();
  ShowTopTen(&host_.Window(), context);
}

void MenuController::HistoryClick() {
  sounds_.Play("WOpenFo");
  DialogContext context = host_.Dialogs();
  ShowHistory(&host_.Window(), context, historySelection_);
}

void MenuController::ModeClick() {
  sounds_.Play("WOpenFo");
  settings_.ClubListMode = settings_.ClubListMode == 1 ? 2 : 1;
  menu_.DrawClubList();
}

void MenuController::CaptionClick() {
  settings_.CaptionTint = NextCaptionTint(settings_.CaptionTint);
  host_.LayoutMainMenu();
}

}  // namespace fibwick

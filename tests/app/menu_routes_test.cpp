#include <gtest/gtest.h>

#include <QWidget>
#include <optional>
#include <ostream>
#include <string>

#include "app/app_support.h"
#include "app/club_session.h"
#include "app/menu_controller.h"
#include "app/menu_screen.h"
#include "base/fixed_field.h"
#include "records/catalogue.h"
#include "ui/packs.h"
#include "ui/sound/cue_player.h"

namespace fibwick {
namespace {

using namespace testing;

// The menu's buttons without the main window: a plain widget parents the dialogs, and the
// routes record where a confirmed start dialog was handed on.
class MenuWithoutWindow : public WindowHost {
 public:
  explicit MenuWithoutWindow(const fs::path& folder, bool networkGame)
      : folder_(folder),
        packs_(QString::fromStdString(folder.string()), QString::fromStdString(folder.string())),
        sounds_(settings_, packs_),
        session_(folder, [this](const std::string&) { ++notices; }),
        menu_(window_, ScreenKit{layout_, background_, art_, fonts_, settings_}, session_, packs_,
              MenuActions{}),
        controller_(
            *this, settings_, sounds_, session_, menu_, state_,
            MenuRoutes{
                .localMatch =
                    [this](int slot, const std::string& name, const std::string&) {
                      local = Started{slot, std::string(TrimRight(name))};
                    },
                .lanWait =
                    [this](int slot, const LanSetup& setup) {
                      lanWait = Started{slot, std::string(TrimRight(setup.player.playerName))};
                      return true;
                    },
                .lanConfirmed = [this] { ++lanConfirmed; }}) {
    settings_.NetworkGame = networkGame;
  }

  MenuController& Controller() { return controller_; }

  struct Started {
    int slot = 0;
    std::string name;
    friend bool operator==(const Started&, const Started&) = default;
    friend void PrintTo(const Started& s, std::ostream* out) {
      *out << "slot " << s.slot << " \"" << s.name << "\"";
    }
  };
  std::optional<Started> local, lanWait;
  int lanConfirmed = 0;
  int notices = 0;

 private:
  QWidget& Window() override { return window_; }
  DialogContext Dialogs() override { return DialogContext(settings_, ArtSources{}, folder_); }
  void ShowNotice(const std::string&) override { ++notices; }
  bool Confirm(const std::string&) override { return true; }
  Screen CurrentScreen() const override { return Screen::Menu; }
  void LayoutMainMenu() override {}
  void ApplyWindowSize() override {}
  void Recaption() override {}
  void ApplyCursor() override {}
  void UpdateMusic() override {}
  void ShowMainMenu() override {}
  void HideTable() override {}
  void StartTimer(int) override {}
  void StopTimer() override {}

  fs::path folder_;
  QWidget window_;
  Settings settings_;
  PackShelf packs_;
  CuePlayer sounds_;
  ClubSession session_;
  Layout layout_;
  QImage background_;
  CardArt art_;
  FontRoles fonts_;
  GameState state_;
  MenuScreen menu_;
  MenuController controller_;
};

// A confirmed start dialog goes to the local match or to the LAN game as the menu's club says,
// for the slot that was clicked; a free club line opens nothing.
TEST(MenuRoutes, AConfirmedStartDialogGoesWhereTheClubSays) {
  using Started = MenuWithoutWindow::Started;
  struct Case {
    const char* name;
    bool networkGame;
    int clubLine;  // 0: the new player's button
    std::optional<Started> local, lanWait;
    int lanConfirmed;
    int dialogs;
  };
  const Case cases[] = {
      {"local new player", false, 0, Started{SlotNewPlayer, "Tester"}, std::nullopt, 0, 1},
      {"network new player", true, 0, std::nullopt, Started{SlotNewPlayer, "Tester"}, 1, 1},
      {"free line of the local club", false, 1, std::nullopt, std::nullopt, 0, 0},
      {"free line of the network club", true, 3, std::nullopt, std::nullopt, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path folder = FreshProgramFolder("menu-routes");
    {
      SetLanguage(0);
      MenuWithoutWindow menu(folder, c.networkGame);
      DialogAnswerer answerer;
      if (c.clubLine == 0) {
        menu.Controller().NewPlayerClick();
      } else {
        menu.Controller().ClubButtonClick(c.clubLine);
      }
      EXPECT_EQ(menu.local, c.local);
      EXPECT_EQ(menu.lanWait, c.lanWait);
      EXPECT_EQ(menu.lanConfirmed, c.lanConfirmed);
      EXPECT_EQ(answerer.dialogsSeen, c.dialogs);
      EXPECT_EQ(menu.notices, 0);
    }
    fs::remove_all(folder);
  }
}

}  // namespace
}  // namespace fibwick

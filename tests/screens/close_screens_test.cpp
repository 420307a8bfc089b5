// Closing the window as a window manager asks it to, for the close button or Alt+F4: a
// WM_DELETE_WINDOW message through the X server. A finished game reaches the club and history
// files first; a running one is lost only when the player agrees.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>

#include "app/app_support.h"
#include "app/match_player.h"
#include "records/club_file.h"
#include "records/club_members.h"
#include "records/history_file.h"
#include "records/history_view.h"
#include "screens/screens_support.h"

namespace fibwick {
namespace {

using testing::ButtonNamed;
using testing::DialogAnswerer;

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(x, cookie, nullptr);
  const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

// What a window manager sends when the player closes the window; from a connection of its own.
void AskToClose(QWidget& window) {
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  ASSERT_EQ(xcb_connection_has_error(x), 0);
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = static_cast<xcb_window_t>(window.winId());
  message.type = Atom(x, "WM_PROTOCOLS");
  message.data.data32[0] = Atom(x, "WM_DELETE_WINDOW");
  message.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(x, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&message));
  // A round trip: the server has taken the message before this connection goes.
  std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
  xcb_disconnect(x);
}

std::optional<ClubRecord> MemberNamed(const fs::path& club, const std::string& name) {
  const auto lines = ReadClubFile(club);
  if (!lines) return std::nullopt;
  for (const std::string& line : *lines) {
    const auto record = ParseMemberLine(line);
    if (record && record->name.starts_with(name)) return record;
  }
  return std::nullopt;
}

struct CloseCase {
  const char* name;
  bool gameFinished;
  bool answerYes;
  // What follows, as the files on disk and the window show it.
  bool questionAsked;
  bool windowCloses;
  std::optional<int> memberGames;  // nothing: the member left the club
  std::size_t historyEntries;
};

class ClosingTheWindow : public ::testing::TestWithParam<CloseCase> {};

TEST_P(ClosingTheWindow, KeepsAFinishedGameAndAsksBeforeLosingARunningOne) {
  const CloseCase& c = GetParam();
  const fs::path folder = ProgramFolder(std::string("close-") + c.name, Settings{});
  const fs::path club = folder / "Fibwick.clb";
  const ClubRecord member{.name = "Closer",
                          .rating = 2.5,
                          .games = 3,
                          .score = 10,
                          .passwordDigits = EncodePassword("pw1")};
  ASSERT_EQ(InsertRecord(club, member, false).status, ClubUpdateStatus::Done);
  DialogAnswerer answerer;  // the member's password, then the answer to the question
  answerer.answerYes = c.answerYes;
  auto form = std::make_unique<MainWindow>(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
  form->show();
  ASSERT_TRUE(WaitFor([&] { return form->CurrentScreen() == Screen::Intro && form->isVisible(); }));
  Wait(100);
  form->EndIntro();
  ButtonNamed(*form, "Button1")->click();
  ASSERT_TRUE(WaitFor([&] { return form->CurrentScreen() == Screen::Table; }));
  if (c.gameFinished) {
    std::mt19937 random(5);
    ASSERT_TRUE(testing::PlayGame(*form, random));
    ASSERT_TRUE(form->Game().round.RoundOver);
    Save(Photograph(*form), std::string("close-") + c.name + ".png");
  }
  const int questionsBefore = answerer.questionsSeen;

  AskToClose(*form);
  ASSERT_TRUE(
      WaitFor([&] { return !form->isVisible() || answerer.questionsSeen > questionsBefore; }));
  // The answer, if one was asked for, is taken in and the window gets to act on it.
  ASSERT_TRUE(WaitFor([&] {
    return QApplication::activeModalWidget() == nullptr && (!form->isVisible() || !c.windowCloses);
  }));

  EXPECT_EQ(answerer.questionsSeen > questionsBefore, c.questionAsked);
  EXPECT_EQ(!form->isVisible(), c.windowCloses);
  const auto record = MemberNamed(club, "Closer");
  EXPECT_EQ(record.has_value(), c.memberGames.has_value());
  if (record && c.memberGames) {
    EXPECT_EQ(record->games, *c.memberGames);
  }
  EXPECT_EQ(ReadHistoryRows(HistoryFilePath(folder, "Fibwick.clb", 1)).size(), c.historyEntries);

  answerer.answerYes = true;
  form.reset();
  fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Close, ClosingTheWindow,
    ::testing::Values(CloseCase{"finished", true, false, false, true, 4, 1},
                      CloseCase{"running-yes", false, true, true, true, std::nullopt, 0},
                      CloseCase{"running-no", false, false, true, false, 3, 0}),
    [](const auto& param) {
      std::string n = param.param.name;
      for (char& ch : n) ch = ch == '-' ? '_' : ch;
      return n;
    });

}  // namespace
}  // namespace fibwick

#pragma once

#include <optional>
#include <string>

#include "app/main_window.h"

// Runs without a player, for tests and demonstrations, asked for in the environment:
//   FIBWICK_STAND_IN=1                       the computer plays the local seat
//   FIBWICK_LAN="server PORT NAME"           waits for a LAN client at once
//   FIBWICK_LAN="client ADDRESS PORT NAME"   joins a LAN server at once
//   FIBWICK_TODAY=YYYY-MM-DD                 the date the menu's calendar shows
namespace fibwick {

struct LanAutostart {
  LanRole role = LanRole::Server;
  std::string address;
  quint16 port = DefaultLanPort;
  std::string name;
};

bool StandInFromEnvironment();
// An invalid date when the variable is absent or not a date.
QDate FixedTodayFromEnvironment();
// Nothing when the variable is absent or does not read as above.
std::optional<LanAutostart> ReadLanAutostart(const std::string& text);

// Passes the intro and begins the LAN game once the window has started up.
void BeginUnattendedLan(MainWindow& form, const LanAutostart& lan);

}  // namespace fibwick

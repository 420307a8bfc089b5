#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// What the start dialog decides, apart from its widgets: what it opens with and whether an entry
// is accepted. Names and passwords are Windows-1251 bytes, as the club file keeps them.
namespace fibwick {

enum class StartField { Name, Password, Confirmation };

struct StartDialogInput {
  int playerSlot = 6;        // 1..5 a club member's line, 6 a new player
  bool networkGame = false;  // the network club file, and names of at most 9 characters
  bool tableActive = false;  // a change of name during a game
  std::string playerName;    // PlayerName, offered again during a game
  std::string lastPlayerName;
  std::filesystem::path clubFile;  // the club file in use
};

inline constexpr int LocalNameLimit = 20;
inline constexpr int NetworkNameLimit = 9;
inline constexpr int PasswordLimit = 5;

struct StartOpening {
  bool member = false;  // the name and the confirmation are then not asked
  std::string name;
  int nameLimit = LocalNameLimit;
  StartField focus = StartField::Name;
};

StartOpening OpenStart(const StartDialogInput& input);

struct StartEntry {
  std::string name;
  std::string password;
  std::string confirmation;
};

struct StartCheck {
  std::string error;  // UTF-8 in the current language; empty when the entry is accepted
  StartField focus = StartField::Name;
  std::optional<std::string> lastPlayerName;  // whenever the name box was not empty
  std::string playerName;  // a member's name box, or a new player's name padded to 20
  std::string password;    // as typed
  std::string passwordDigits;
};

StartCheck CheckStart(const StartDialogInput& input, const StartEntry& entry);

// Rules of the network part of the dialog, for the network game set-up.

// Exactly three points, four groups of one to three characters; the values are not examined.
bool CheckServerAddress(std::string_view text);

// What a box shows after a change, and the setting it leaves behind.
struct FilteredBox {
  std::string text;
  std::string remembered;
};
// A character other than a digit or a point puts the last accepted address back; a client
// remembers any address that is not empty.
FilteredBox FilterServerAddress(std::string_view text, std::string_view serverIp, bool client);
// Digits only, else the last accepted port; the box is remembered unless it is empty.
FilteredBox FilterPort(std::string_view text, std::string_view serverPort);

}  // namespace fibwick

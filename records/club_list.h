#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "records/catalogue.h"
#include "records/club_file.h"

// The club list of the main menu: one button text per member line, in two modes.
namespace fibwick {

// Pixel width of a text in the list's font; the interface measures it.
using TextWidth = std::function<int(std::string_view)>;

inline constexpr int ClubButtonWidthLimit = 361;
inline constexpr int TopTenPanelWidthLimit = 251;

// 1: games in the cycle and score; 2: games and rating.
Message ClubListHeader(int clubListMode);

// mode 1: name + 4 blanks + games mod 20 (3) + 4 blanks + score (6);
// mode 2: name + 2 blanks + games (7) + 2 blanks + rating with two decimals (6).
// A free line shows its "#" characters.
std::string ClubButtonText(std::string_view memberLine, int clubListMode);
// The online account's record shown in place of line 5, in the same layout.
std::string AccountButtonText(std::string_view nick, int games, int score, double rating,
                              int clubListMode);
// A top-ten line as name + 2 blanks + score.
std::string TopTenPanelText(std::string_view topTenLine);

// While the text is `limit` pixels wide or more, the name (the first 20 characters) loses
// characters from its end, down to position 5 at most; when a lost character was more than a
// blank or "#", the last three remaining name characters become "...".
std::string ShortenToWidth(std::string_view text, int limit, const TextWidth& width);

struct ClubList {
  std::array<std::string, ClubMemberCount> buttons;  // shortened to the button width
  std::array<std::string, 3> panels;                 // top ten 1-3, shortened to the panel width
};

// Nothing when the file is missing or misshapen.
std::optional<ClubList> ReadClubList(const std::filesystem::path& file, int clubListMode,
                                     const TextWidth& width);

}  // namespace fibwick

#include "records/club_list.h"

#include "base/fixed_field.h"
#include "game/game_state.h"
#include "records/number_format.h"

namespace fibwick {
namespace {

constexpr std::size_t ShortestName = 4;  // positions 20 down to 5 may go

std::string Blanks(std::size_t count) {
  return std::string(count, ' ');
}

std::string GamesInCycle(std::string_view gamesField) {
  const auto games = ParseInteger(gamesField);
  return games ? PadNumber(*games % GamesPerCycle, 3) : "###";
}

}  // namespace

Message ClubListHeader(int clubListMode) {
  return clubListMode == 2 ? MsgClubHeaderRating : MsgClubHeaderScore;
}

std::string ClubButtonText(std::string_view line, int clubListMode) {
  const std::string name(Columns(line, 1, 20));
  const auto games = Columns(line, 31, 37);
  const bool free = IsFreeMemberLine(line);
  if (clubListMode == 2) {
    const auto rating = ParseDecimal(Columns(line, 21, 30));
    const std::string ratingText = free || !rating ? "######" : FormatFixed2(6, *rating);
    return name + Blanks(2) + std::string(games) + Blanks(2) + ratingText;
  }
  return name + Blanks(4) + (free ? "###" : GamesInCycle(games)) + Blanks(4) +
         std::string(Columns(line, 39, 44));
}

std::string AccountButtonText(std::string_view nick, int games, int score, double rating,
                              int clubListMode) {
  return ClubButtonText(FormatMemberLine({std::string(nick), rating, games, score, {}}),
                        clubListMode);
}

std::string TopTenPanelText(std::string_view line) {
  return std::string(Columns(line, 1, 20)) + Blanks(2) + std::string(Columns(line, 21, 26));
}

std::string ShortenToWidth(std::string_view text, int limit, const TextWidth& width) {
  std::string name(Cut(text, ClubNameWidth));
  const std::string rest(text.substr(name.size()));
  bool lostSomething = false;
  while (width(name + rest) >= limit && name.size() > ShortestName) {
    lostSomething = lostSomething || (name.back() != ' ' && name.back() != '#');
    name.pop_back();
  }
  if (lostSomething) name.replace(name.size() - 3, 3, "...");
  return name + rest;
}

std::optional<ClubList> ReadClubList(const std::filesystem::path& file, int clubListMode,
                                     const TextWidth& width) {
  const auto lines = ReadClubFile(file);
  if (!lines) return std::nullopt;
  ClubList list;
  for (std::size_t i = 0; i < list.buttons.size(); ++i) {
    list.buttons[i] =
        ShortenToWidth(ClubButtonText((*lines)[i], clubListMode), ClubButtonWidthLimit, width);
  }
  for (std::size_t i = 0; i < list.panels.size(); ++i) {
    list.panels[i] = ShortenToWidth(TopTenPanelText((*lines)[ClubMemberCount + i]),
                                    TopTenPanelWidthLimit, width);
  }
  return list;
}

}  // namespace fibwick

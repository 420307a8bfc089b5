#include "records/settings_file.h"

#include <array>
#include <functional>

#include "base/fixed_field.h"
#include "records/number_format.h"
#include "records/settings_flags.h"
#include "records/text_file.h"

namespace fibwick {
namespace {

constexpr char SaveGifOn = '\xE8';   // Cyrillic "и" in Windows-1251
constexpr char SaveGifOff = '\xEB';  // Cyrillic "л"

constexpr std::size_t NickWidth = 12;
constexpr std::size_t CityWidth = 15;
constexpr std::size_t PlayerNameWidth = 20;
constexpr std::size_t SexWidth = 1;
constexpr std::size_t Unlimited = std::string::npos;
// A font line of one character stops the reading; every other text line stops it only empty.
constexpr std::size_t ShortestFontName = 2;

// Countries per continent digit 1..6: Europe, Asia, North America, South America, Oceania,
// Africa.
constexpr std::array<int, 6> CountriesOfContinent{48, 51, 35, 14, 23, 54};

class Lines {
 public:
  explicit Lines(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  // Line n (1-based); empty past the end of the file.
  const std::string& operator()(std::size_t n) const {
    static const std::string none;
    return n >= 1 && n <= lines_.size() ? lines_[n - 1] : none;
  }

 private:
  std::vector<std::string> lines_;
};

// A number in min..max replaces the value; anything else keeps it.
void TakeNumber(std::string_view text, int min, int max, int& value) {
  const auto number = ParseInteger(text);
  if (number && *number >= min && *number <= max) value = static_cast<int>(*number);
}

bool ValidCountry(std::string_view code) {
  if (code.size() != 5 || code[0] < '1' || code[0] > '6' || code[1] != '-') return false;
  if (code.substr(2).find_first_not_of("0123456789") != std::string_view::npos) return false;
  const auto number = ParseInteger(code.substr(2));
  return number && *number <= CountriesOfContinent[static_cast<std::size_t>(code[0] - '1')];
}

std::string CheckedSex(std::string_view text) {
  const auto sex = Cut(text, SexWidth);
  return sex == "M" || sex == "W" ? std::string(sex) : "M";
}

// Decodes in the file's order; false where a rule stops the reading (everything after keeps
// its default).
bool DecodeLines(const Lines& line, Settings& s) {
  if (!line(2).empty()) DecodeFlags(line(2), s);
  TakeNumber(line(4), 0, 47, s.FaceSet);

  if (line(6).size() <= 2) return false;
  TakeNumber(line(6).substr(0, 2), 0, 12, s.BackSet);
  s.AlwaysOneBack = line(6)[2] == '1';

  s.MarkLastCards = !line(8).empty() && line(8)[0] == '1';

  const std::array fonts{&Settings::FontLarge, &Settings::FontSmall, &Settings::FontSpecial1,
                         &Settings::FontSpecial2};
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    if (line(10 + i).size() < ShortestFontName) return false;
    s.*fonts[i] = line(10 + i);
  }
  const std::array scales{&Settings::ScaleLarge, &Settings::ScaleSmall, &Settings::ScaleSpecial1,
                          &Settings::ScaleSpecial2};
  for (std::size_t i = 0; i < scales.size(); ++i) {
    if (line(14 + i).empty()) return false;
    TakeNumber(line(14 + i), 50, 150, s.*scales[i]);
  }

  if (line(18).empty()) return false;
  s.ServerIp = line(19);
  if (line(20).empty()) return false;
  s.ServerPort = line(20);

  if (line(21).empty() || line(22).empty()) return false;
  TakeNumber(Cut(line(22), 2), 1, 10, s.BackgroundStyle);
  if (line(22).size() >= 3) TakeNumber(line(22).substr(2, 1), 0, 6, s.BackgroundColour);

  if (line(23).empty() || line(24).empty()) return false;
  s.LastPlayerName = std::string(Cut(line(24), PlayerNameWidth));

  if (line(26).empty()) return false;
  s.RecordsAddress = line(26);
  if (line(27).empty()) return false;
  s.WorldNick = std::string(Cut(line(27), NickWidth));
  if (line(28).empty()) return false;
  if (ValidCountry(line(28))) s.WorldCountry = line(28);
  if (line(29).empty()) return false;
  s.WorldCity = std::string(Cut(line(29), CityWidth));
  if (line(30).empty()) return false;
  s.WorldSex = CheckedSex(line(30));

  if (!line(31).empty()) s.StatisticsAddress = line(31);
  s.SaveGif = line(33) == std::string(1, SaveGifOn);
  TakeNumber(line(34), 1, 2, s.GifContent);
  TakeNumber(line(35), 10, 5000, s.GifDelay);
  return true;
}

// A text field as its line can hold it: line breaks dropped and cut to what the reader takes.
// Where the reader would stop at the result, the default is written instead, so that one odd
// value never costs the settings after it.
std::string TextLine(const Settings& s, std::string Settings::*field, std::size_t width,
                     std::size_t shortest = 1) {
  std::string text = s.*field;
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  text = std::string(Cut(text, width));
  return text.size() >= shortest ? text : Settings{}.*field;
}

}  // namespace

Settings LoadSettings(const std::filesystem::path& file, PathsDocument* paths) {
  Settings settings;
  auto lines = ReadTextLines(file);
  if (!lines) lines = ReadTextLines(file);
  if (lines) {
    lines->resize(std::min<std::size_t>(lines->size(), SettingsLineCount));
    DecodeLines(Lines(std::move(*lines)), settings);
  }
  if (paths != nullptr) {
    const auto named = paths->Fetch();
    if (!named.records.empty()) settings.RecordsAddress = named.records;
    if (!named.statistics.empty()) settings.StatisticsAddress = named.statistics;
  }
  return settings;
}

std::vector<std::string> SettingsLines(const Settings& s) {
  std::string conventions = "######";
  conventions[0] = s.MarkLastCards ? '1' : '0';
  return {
      "<# General>",
      EncodeFlags(s),
      "<# Cards>",
      std::to_string(s.FaceSet),
      "<# Decks>",
      PadNumber(s.BackSet, 2, '0') + (s.AlwaysOneBack ? "1" : "0"),
      "<# Individual>",
      conventions,
      "<# Fonts>",
      TextLine(s, &Settings::FontLarge, Unlimited, ShortestFontName),
      TextLine(s, &Settings::FontSmall, Unlimited, ShortestFontName),
      TextLine(s, &Settings::FontSpecial1, Unlimited, ShortestFontName),
      TextLine(s, &Settings::FontSpecial2, Unlimited, ShortestFontName),
      std::to_string(s.ScaleLarge),
      std::to_string(s.ScaleSmall),
      std::to_string(s.ScaleSpecial1),
      std::to_string(s.ScaleSpecial2),
      "<# IP & Port>",
      TextLine(s, &Settings::ServerIp, Unlimited, 0),
      TextLine(s, &Settings::ServerPort, Unlimited),
      "<# Background>",
      PadNumber(s.BackgroundStyle, 2, '0') + std::to_string(s.BackgroundColour),
      "<# Name Of Player>",
      TextLine(s, &Settings::LastPlayerName, PlayerNameWidth),
      "<# World Top Ten>",
      TextLine(s, &Settings::RecordsAddress, Unlimited),
      TextLine(s, &Settings::WorldNick, NickWidth),
      TextLine(s, &Settings::WorldCountry, Unlimited),
      TextLine(s, &Settings::WorldCity, CityWidth),
      TextLine(s, &Settings::WorldSex, SexWidth),
      TextLine(s, &Settings::StatisticsAddress, Unlimited, 0),
      "<# Save Games as GIF>",
      std::string(1, s.SaveGif ? SaveGifOn : SaveGifOff),
      std::to_string(s.GifContent),
      std::to_string(s.GifDelay),
  };
}

SaveSettingsResult SaveSettings(const std::filesystem::path& file, const Settings& settings,
                                bool clubCheckFailed) {
  // The old file stays until the new one is complete: deleting it first would lose every
  // preference whenever the program closes after a failed club check.
  if (clubCheckFailed) return SaveSettingsResult::Skipped;
  const auto bytes = JoinLines(SettingsLines(settings));
  if (WriteFileAtomically(file, bytes) || WriteFileAtomically(file, bytes)) {
    return SaveSettingsResult::Saved;
  }
  return SaveSettingsResult::Failed;
}

}  // namespace fibwick

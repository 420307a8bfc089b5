#include "records/settings_flags.h"

#include <array>
#include <tuple>
#include <utility>

namespace fibwick {
namespace {

enum class ReadRule {
  Exact,   // true exactly when the "on" character stands there
  Either,  // the "on" or "off" character sets the flag; anything else keeps it
};

struct BoolFlag {
  std::size_t position;
  bool Settings::*field;
  char on;
  char off;
  ReadRule rule;
};

constexpr std::array BoolFlags{
    BoolFlag{2, &Settings::GifAnimation, '1', '0', ReadRule::Either},
    BoolFlag{3, &Settings::FlyCards, '1', '0', ReadRule::Either},
    BoolFlag{5, &Settings::NetworkGame, '1', '0', ReadRule::Either},
    BoolFlag{6, &Settings::RedCursor, '1', '0', ReadRule::Either},
    BoolFlag{9, &Settings::StartRegistered, 'R', '#', ReadRule::Exact},
    BoolFlag{10, &Settings::Liked, 'L', '#', ReadRule::Exact},
    BoolFlag{11, &Settings::RadioListFromServer, '0', '1', ReadRule::Exact},
    BoolFlag{13, &Settings::NewButtons, '1', '0', ReadRule::Exact},
    BoolFlag{14, &Settings::AuxDesignPurple, '1', '0', ReadRule::Exact},
    BoolFlag{18, &Settings::SaluteButtons, '1', '0', ReadRule::Either},
    BoolFlag{19, &Settings::SaluteCards, '1', '0', ReadRule::Either},
};

// One digit in min..max; a value out of range is written as `fallback` and a digit out of range
// is not read.
struct DigitFlag {
  std::size_t position;
  int Settings::*field;
  int min;
  int max;
  char fallback;
};

constexpr std::array DigitFlags{
    DigitFlag{4, &Settings::ClubListMode, 1, 2, '1'},
    DigitFlag{7, &Settings::FlightSpeed, 1, 6, '4'},
    DigitFlag{8, &Settings::WindowSizeMode, 1, 5, '#'},
    DigitFlag{12, &Settings::CaptionTint, 1, 7, '1'},
    DigitFlag{15, &Settings::AuxDesign, 1, 3, '1'},
    DigitFlag{16, &Settings::MenuDesign, 0, 1, '0'},
    DigitFlag{17, &Settings::TableDesign, 0, 1, '0'},
};

// Sound and music share one position: "0" both off, "1" both on, "2" sound only, "3" music only.
constexpr std::array<std::pair<bool, bool>, 4> SoundMusicCodes{
    {{false, false}, {true, true}, {true, false}, {false, true}}};

constexpr int HighestLanguageCode = 20;  // written "k"

char LanguageChar(int language) {
  if (language >= 0 && language <= 9) return static_cast<char>('0' + language);
  if (language >= 10 && language <= HighestLanguageCode) {
    return static_cast<char>('a' + (language - 10));
  }
  return '0';
}

}  // namespace

std::string EncodeFlags(const Settings& s) {
  std::string flags(FlagsLength, '#');
  flags[0] = LanguageChar(s.Language);
  for (std::size_t code = 0; code < SoundMusicCodes.size(); ++code) {
    if (SoundMusicCodes[code] == std::pair{s.SoundOn, s.MusicOn}) {
      flags[1] = static_cast<char>('0' + code);
    }
  }
  for (const auto& f : BoolFlags) flags[f.position] = s.*f.field ? f.on : f.off;
  for (const auto& f : DigitFlags) {
    const int value = s.*f.field;
    flags[f.position] =
        value >= f.min && value <= f.max ? static_cast<char>('0' + value) : f.fallback;
  }
  return flags;
}

void DecodeFlags(std::string_view flags, Settings& s) {
  const auto at = [&](std::size_t position) {
    return position < flags.size() ? flags[position] : '\0';
  };
  if (const char c = at(0); c >= '1' && c <= '9') {
    s.Language = c - '0';
  } else if (c >= 'a' && c <= 'k') {
    s.Language = 10 + (c - 'a');
  }
  if (const char c = at(1); c >= '0' && c <= '3') {
    std::tie(s.SoundOn, s.MusicOn) = SoundMusicCodes[static_cast<std::size_t>(c - '0')];
  }
  for (const auto& f : BoolFlags) {
    const char c = at(f.position);
    if (c == '\0') continue;
    if (f.rule == ReadRule::Exact) {
      s.*f.field = c == f.on;
    } else if (c == f.on || c == f.off) {
      s.*f.field = c == f.on;
    }
  }
  for (const auto& f : DigitFlags) {
    const int value = at(f.position) - '0';
    if (value >= f.min && value <= f.max) s.*f.field = value;
  }
}

}  // namespace fibwick

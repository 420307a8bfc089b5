#include <gtest/gtest.h>

#include "records/settings_file.h"
#include "records/settings_flags.h"
#include "records_support.h"

namespace fibwick {
namespace {

using testing::CrLfLines;
using testing::ReadBytes;
using testing::SplitCrLf;
using testing::TempFolder;
using testing::WriteBytes;

class NamedAddresses : public PathsDocument {
 public:
  explicit NamedAddresses(ServiceAddresses named) : named_(std::move(named)) {}
  ServiceAddresses Fetch() override {
    ++fetches;
    return named_;
  }
  int fetches = 0;

 private:
  ServiceAddresses named_;
};

// A full file as the program writes it, with one line replaced.
std::string FileWith(int lineNumber, const std::string& text) {
  auto lines = SettingsLines(Settings{});
  lines[static_cast<std::size_t>(lineNumber - 1)] = text;
  return CrLfLines(lines);
}

Settings LoadBytes(const std::string& bytes) {
  TempFolder folder;
  WriteBytes(folder / SettingsFileName, bytes);
  return LoadSettings(folder / SettingsFileName, nullptr);
}

TEST(Settings, FirstStartWritesTheDefaults) {
  TempFolder folder;
  const auto file = folder / SettingsFileName;
  const auto loaded = LoadSettings(file, nullptr);
  EXPECT_EQ(loaded, Settings{});
  ASSERT_EQ(SaveSettings(file, loaded, false), SaveSettingsResult::Saved);
  const auto lines = SplitCrLf(ReadBytes(file));
  ASSERT_EQ(lines.size(), 35u);
  EXPECT_EQ(lines[1], "011110141RL010020011");
  EXPECT_EQ(lines[3], "0");
  EXPECT_EQ(lines[5], "000");
  EXPECT_EQ(lines[7], "0#####");
  EXPECT_EQ(lines[21], "020");
  EXPECT_EQ(lines[23], "Mr.X");
  EXPECT_EQ(lines[25], BuiltInRecordsAddress);
  EXPECT_EQ(lines[27], "1-001");
  EXPECT_EQ(lines[30], BuiltInStatisticsAddress);
  EXPECT_EQ(lines[32], "\xEB");
  EXPECT_EQ(lines[34], "1000");
  EXPECT_EQ(LoadSettings(file, nullptr), loaded);
}

TEST(Settings, EveryFieldSurvivesTheRoundTrip) {
  Settings s;
  s.Language = 12;
  s.SoundOn = false;
  s.MusicOn = true;
  s.GifAnimation = false;
  s.FlyCards = false;
  s.ClubListMode = 2;
  s.NetworkGame = true;
  s.RedCursor = false;
  s.FlightSpeed = 6;
  s.WindowSizeMode = 5;
  s.StartRegistered = false;
  s.Liked = false;
  s.RadioListFromServer = false;
  s.CaptionTint = 7;
  s.NewButtons = true;
  s.AuxDesignPurple = true;
  s.AuxDesign = 3;
  s.MenuDesign = 1;
  s.TableDesign = 1;
  s.SaluteButtons = false;
  s.SaluteCards = false;
  s.FaceSet = 47;
  s.BackSet = 12;
  s.AlwaysOneBack = true;
  s.MarkLastCards = true;
  s.FontLarge = "DejaVu Sans";
  s.FontSmall = "Liberation Serif";
  s.FontSpecial1 = "Terminus";
  s.FontSpecial2 = "Liberation Mono";
  s.ScaleLarge = 50;
  s.ScaleSmall = 150;
  s.ScaleSpecial1 = 75;
  s.ScaleSpecial2 = 125;
  s.ServerIp = "192.168.1.20";
  s.ServerPort = "30000";
  s.BackgroundStyle = 10;
  s.BackgroundColour = 6;
  s.LastPlayerName = "\xC8\xE2\xE0\xED";  // Иван
  s.RecordsAddress = "records.file";
  s.WorldNick = "Nick";
  s.WorldCountry = "6-054";
  s.WorldCity = "Cairo";
  s.WorldSex = "W";
  s.StatisticsAddress = "statistics.file";
  s.SaveGif = true;
  s.GifContent = 2;
  s.GifDelay = 5000;

  TempFolder folder;
  const auto file = folder / SettingsFileName;
  ASSERT_EQ(SaveSettings(file, s, false), SaveSettingsResult::Saved);
  const auto lines = SplitCrLf(ReadBytes(file));
  EXPECT_EQ(lines[1], "c30021065##171131100");
  EXPECT_EQ(lines[32], "\xE8");
  EXPECT_EQ(LoadSettings(file, nullptr), s);
}

// No value of a text field may stop the reading of the file written from it: an empty, short,
// long or broken value comes back as the reader can hold it, and every line after it survives.
TEST(Settings, AwkwardTextsStillLetEveryLaterLineBeRead) {
  Settings rich;
  rich.FontSpecial2 = "Liberation Mono";
  rich.ServerPort = "30000";
  rich.BackgroundStyle = 7;
  rich.LastPlayerName = "Sasha";
  rich.WorldNick = "Sash";
  rich.WorldCountry = "2-017";
  rich.WorldCity = "Tashkent";
  rich.WorldSex = "W";
  rich.StatisticsAddress = "statistics.file";
  rich.SaveGif = true;
  rich.GifContent = 2;
  rich.GifDelay = 250;

  using Field = std::string Settings::*;
  struct Case {
    Field field;
    std::string stored;
    std::string read;
  };
  const Settings defaults;
  const Case cases[] = {
      {&Settings::ServerPort, "", defaults.ServerPort},
      {&Settings::ServerPort, "\r\n", defaults.ServerPort},
      {&Settings::ServerPort, "25\n667", "25667"},
      {&Settings::ServerIp, "", ""},
      {&Settings::ServerIp, "10.0.0.1\n25", "10.0.0.125"},
      {&Settings::FontLarge, "", defaults.FontLarge},
      {&Settings::FontSmall, "X", defaults.FontSmall},
      {&Settings::FontSpecial1, "Fixed\r\nSys", "FixedSys"},
      {&Settings::FontSpecial2, std::string(300, 'f'), std::string(300, 'f')},
      {&Settings::LastPlayerName, "", defaults.LastPlayerName},
      {&Settings::LastPlayerName, "\n", defaults.LastPlayerName},
      {&Settings::LastPlayerName, "Ann\rBob", "AnnBob"},
      {&Settings::LastPlayerName, std::string(25, 'n'), std::string(20, 'n')},
      {&Settings::RecordsAddress, "", defaults.RecordsAddress},
      {&Settings::WorldNick, "", defaults.WorldNick},
      {&Settings::WorldNick, "A-very-long-nickname", "A-very-long-"},
      {&Settings::WorldCountry, "", defaults.WorldCountry},
      {&Settings::WorldCity, "\r", defaults.WorldCity},
      {&Settings::WorldCity, "Llanfairpwllgwyngyll", "Llanfairpwllgwy"},
      {&Settings::WorldSex, "", defaults.WorldSex},
      {&Settings::WorldSex, "Woman", "W"},
      {&Settings::StatisticsAddress, "a\nb", "ab"},
  };
  TempFolder folder;
  const auto file = folder / SettingsFileName;
  for (const Case& c : cases) {
    Settings stored = rich;
    stored.*c.field = c.stored;
    ASSERT_EQ(SaveSettings(file, stored, false), SaveSettingsResult::Saved);
    EXPECT_EQ(SplitCrLf(ReadBytes(file)).size(), 35u) << ::testing::PrintToString(c.stored);
    Settings expected = rich;
    expected.*c.field = c.read;
    EXPECT_EQ(LoadSettings(file, nullptr), expected) << ::testing::PrintToString(c.stored);
  }
}

// A start with no file, the player's own passport and GIF choices, an exit and a second start:
// the file written at the first exit must bring every choice back.
TEST(Settings, PassportAndGifChoicesSurviveARestart) {
  TempFolder folder;
  const auto file = folder / SettingsFileName;
  Settings s = LoadSettings(file, nullptr);
  s.WorldNick = "Sasha";
  s.WorldCountry = "2-017";
  s.WorldCity = "Tashkent";
  s.WorldSex = "W";
  s.SaveGif = true;
  s.GifContent = 2;
  s.GifDelay = 250;
  ASSERT_EQ(SaveSettings(file, s, false), SaveSettingsResult::Saved);
  const auto lines = SplitCrLf(ReadBytes(file));
  ASSERT_EQ(lines.size(), 35u);
  EXPECT_FALSE(lines[25].empty());
  EXPECT_FALSE(lines[30].empty());
  const auto second = LoadSettings(file, nullptr);
  EXPECT_EQ(second, s);
  ASSERT_EQ(SaveSettings(file, second, false), SaveSettingsResult::Saved);
  EXPECT_EQ(LoadSettings(file, nullptr), s);
}

// Lines 26 to 30 are taken one by one: an empty one keeps the lines above it and leaves itself
// and everything after it at the defaults.
TEST(Settings, AnEmptyWorldLineKeepsTheLinesAboveIt) {
  Settings stored;
  stored.RecordsAddress = "records.file";
  stored.WorldNick = "Sasha";
  stored.WorldCountry = "2-017";
  stored.WorldCity = "Tashkent";
  stored.WorldSex = "W";
  stored.StatisticsAddress = "statistics.file";
  stored.SaveGif = true;
  stored.GifDelay = 250;
  for (int empty = 26; empty <= 30; ++empty) {
    auto lines = SettingsLines(stored);
    lines[static_cast<std::size_t>(empty - 1)].clear();
    const Settings loaded = LoadBytes(CrLfLines(lines));
    Settings expected;
    if (empty > 26) expected.RecordsAddress = stored.RecordsAddress;
    if (empty > 27) expected.WorldNick = stored.WorldNick;
    if (empty > 28) expected.WorldCountry = stored.WorldCountry;
    if (empty > 29) expected.WorldCity = stored.WorldCity;
    EXPECT_EQ(loaded, expected) << "line " << empty << " empty";
  }
}

TEST(Settings, FlagPositionsAreReadOnlyWhereTheLineReaches) {
  Settings s;
  DecodeFlags("5", s);
  EXPECT_EQ(s.Language, 5);
  EXPECT_TRUE(s.SoundOn);
  EXPECT_TRUE(s.StartRegistered);  // position 9 is absent, not "#"

  s = Settings{};
  DecodeFlags("z2000200##########x", s);
  EXPECT_EQ(s.Language, 0);  // "z" is no language code
  EXPECT_TRUE(s.SoundOn);
  EXPECT_FALSE(s.MusicOn);
  EXPECT_EQ(s.FlightSpeed, 4);  // "0" is no speed
  EXPECT_EQ(s.WindowSizeMode, 1);
  EXPECT_FALSE(s.StartRegistered);
  EXPECT_FALSE(s.Liked);
  EXPECT_FALSE(s.RadioListFromServer);
  EXPECT_EQ(s.CaptionTint, 1);  // "#" keeps the default
  EXPECT_EQ(s.AuxDesign, 2);
  EXPECT_TRUE(s.SaluteButtons);  // "#" keeps it
  EXPECT_TRUE(s.SaluteCards);    // "x" keeps it
}

TEST(Settings, ShortDeckLineStopsTheReading) {
  const Settings s = LoadSettings(testing::Fixture("settings_short_deck.ini"), nullptr);
  Settings expected;
  expected.Language = 3;
  expected.GifAnimation = false;
  expected.FaceSet = 7;
  EXPECT_EQ(s, expected);  // fonts, address, background, name: all defaults
}

TEST(Settings, EachStopRuleKeepsTheDefaultsBehindIt) {
  // SaveGif is decoded last: it is set only when no rule stopped the reading.
  Settings marked;
  marked.SaveGif = true;
  const auto lines = SettingsLines(marked);
  struct Stop {
    int line;
    std::string text;
  };
  for (const Stop& stop : {Stop{11, "A"}, Stop{15, ""}, Stop{18, ""}, Stop{20, ""}, Stop{21, ""},
                           Stop{22, ""}, Stop{23, ""}, Stop{24, ""}, Stop{28, ""}}) {
    auto copy = lines;
    copy[static_cast<std::size_t>(stop.line - 1)] = stop.text;
    EXPECT_FALSE(LoadBytes(CrLfLines(copy)).SaveGif) << "line " << stop.line;
  }
  EXPECT_TRUE(LoadBytes(CrLfLines(lines)).SaveGif);
}

TEST(Settings, WorldFieldsAreChecked) {
  struct Case {
    std::string country;
    std::string expected;
  };
  for (const Case& c : {Case{"7-001", "1-001"}, Case{"1-049", "1-001"}, Case{"1-048", "1-048"},
                        Case{"4-014", "4-014"}, Case{"4-015", "1-001"}, Case{"0-001", "1-001"},
                        Case{"1-01", "1-001"}, Case{"2+010", "1-001"}, Case{"2-0x1", "1-001"},
                        Case{"3-000", "3-000"}}) {
    EXPECT_EQ(LoadBytes(FileWith(28, c.country)).WorldCountry, c.expected) << c.country;
  }
  EXPECT_EQ(LoadBytes(FileWith(27, "A-very-long-nickname")).WorldNick, "A-very-long-");
  EXPECT_EQ(LoadBytes(FileWith(29, "Llanfairpwllgwyngyll")).WorldCity, "Llanfairpwllgwy");
  EXPECT_EQ(LoadBytes(FileWith(30, "Woman")).WorldSex, "W");
  EXPECT_EQ(LoadBytes(FileWith(30, "X")).WorldSex, "M");
}

TEST(Settings, ANumberLineThatIsNoNumberKeepsTheDefault) {
  EXPECT_EQ(LoadBytes(FileWith(4, "seven")).FaceSet, 0);
  EXPECT_EQ(LoadBytes(FileWith(4, "99")).FaceSet, 0);  // no such face set
  EXPECT_EQ(LoadBytes(FileWith(14, "big")).ScaleLarge, 100);
  EXPECT_EQ(LoadBytes(FileWith(35, "0x10")).GifDelay, 1000);
  const auto s = LoadBytes(FileWith(14, "big"));
  EXPECT_EQ(s.ScaleSmall, 100);
  EXPECT_EQ(s.LastPlayerName, "Mr.X");  // reading went on past the bad number
  EXPECT_EQ(LoadBytes(FileWith(22, "x95")).BackgroundColour, 5);
}

TEST(Settings, PathsDocumentReplacesTheAddressesItNames) {
  TempFolder folder;
  const auto file = folder / SettingsFileName;
  Settings s;
  s.RecordsAddress = "records.file";
  s.StatisticsAddress = "statistics.file";
  ASSERT_EQ(SaveSettings(file, s, false), SaveSettingsResult::Saved);
  NamedAddresses paths({"", "statistics.service"});
  const auto loaded = LoadSettings(file, &paths);
  EXPECT_EQ(paths.fetches, 1);
  EXPECT_EQ(loaded.RecordsAddress, "records.file");
  EXPECT_EQ(loaded.StatisticsAddress, "statistics.service");
}

TEST(Settings, FailedClubCheckWritesNothingAndKeepsTheOldFile) {
  TempFolder folder;
  const auto file = folder / SettingsFileName;
  Settings s;
  s.Language = 4;
  ASSERT_EQ(SaveSettings(file, s, false), SaveSettingsResult::Saved);
  const auto before = ReadBytes(file);
  EXPECT_EQ(SaveSettings(file, Settings{}, true), SaveSettingsResult::Skipped);
  EXPECT_EQ(ReadBytes(file), before);
}

}  // namespace
}  // namespace fibwick

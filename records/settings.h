#pragma once

#include <cstdint>
#include <string>

#include "records/service_addresses.h"

// The user's preferences, loaded at start and written at exit. Defaults are the values a first
// start gets; the settings file keeps a value only where it holds a valid one.
namespace fibwick {

struct Settings {
  int Language = 0;  // the file can hold 0..20; the catalogue shows 10..20 as English
  bool SoundOn = true;
  bool MusicOn = true;
  bool GifAnimation = true;
  bool FlyCards = true;
  int ClubListMode = 1;  // 1 games in cycle and score, 2 games and rating
  bool NetworkGame = false;
  bool RedCursor = true;
  int FlightSpeed = 4;     // 1..6
  int WindowSizeMode = 1;  // 1..5
  bool StartRegistered = true;
  bool Liked = true;
  bool RadioListFromServer = true;
  int CaptionTint = 1;  // 1..7
  bool NewButtons = false;
  bool AuxDesignPurple = false;
  int AuxDesign = 2;   // 1 concise, 2 aristocratic, 3 red ribbons
  int MenuDesign = 0;  // 0 customizable, 1 purple
  int TableDesign = 0;
  bool SaluteButtons = true;
  bool SaluteCards = true;
  int FaceSet = 0;  // 0..47
  int BackSet = 0;  // 0..12
  bool AlwaysOneBack = false;
  bool MarkLastCards = false;
  std::string FontLarge = "Comic Sans MS";
  std::string FontSmall = "Comic Sans MS";
  std::string FontSpecial1 = "FixedSys";
  std::string FontSpecial2 = "Courier New";
  int ScaleLarge = 100;  // per cent, 50..150
  int ScaleSmall = 100;
  int ScaleSpecial1 = 100;
  int ScaleSpecial2 = 100;
  std::string ServerIp = "127.0.0.1";
  std::string ServerPort = "25666";
  int BackgroundStyle = 2;   // 1..10
  int BackgroundColour = 0;  // 0..6
  std::string LastPlayerName = "Mr.X";
  std::string RecordsAddress = BuiltInRecordsAddress;  // until the file or the service names one
  std::string WorldNick = "Incognito";
  std::string WorldCountry = "1-001";
  std::string WorldCity = "Moscow";
  std::string WorldSex = "M";
  std::string StatisticsAddress = BuiltInStatisticsAddress;
  bool SaveGif = false;
  int GifContent = 1;   // 1 the main window, 2 the whole screen
  int GifDelay = 1000;  // milliseconds, 10..5000

  friend bool operator==(const Settings&, const Settings&) = default;
};

}  // namespace fibwick

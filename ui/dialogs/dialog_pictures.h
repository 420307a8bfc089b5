#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "records/catalogue.h"

// Which pictures each secondary window shows. One row per window, the windows still to come
// included, so that the graphics pack and its tests know every name a window asks for.
namespace fibwick {

struct DialogPictures {
  std::string_view band;     // built in, "GCap300"
  std::string_view ribbon;   // built in, "GLenta280x090"
  std::string_view picture;  // pack: the purple background; also the ribbon picture unless below
  std::string_view ribbonPicture;  // pack: the ribbon picture when it has its own ("GFormPwL")
  std::string_view captionBase;    // pack: the concise caption, + language suffix
  std::string_view icon;           // pack: the icon film, 48 x 48 frames side by side
};

// An icon film holds its frames side by side. In the purple design the icon stands at the top
// left of the window unless the window places it elsewhere.
inline constexpr int IconSize = 48;
inline constexpr int IconFrameCount = 10;
inline constexpr int IconLeft = 10;
inline constexpr int IconTop = 10;
// The purple design keeps this strip at the top for the icon's seat and the corner scrolls; its
// pictures are drawn that much taller than the window's content.
inline constexpr int PurpleTopStrip = 70;

enum class DialogArt {
  Speed,
  Options,
  History,
  EndGame,
  Passport,
  Account,
  Login,
  Count,
  WorldTopTen,
  TopTenEntry,
  Tournament,
  TournamentTopTen,
  Chat,
  Radio,
  Statistics,
  About,
  Wait,
};

struct DialogArtRow {
  DialogArt dialog;
  DialogPictures pictures;
};

inline constexpr std::array<DialogArtRow, 17> DialogArtTable{{
    {DialogArt::Speed, {"GCap300", "GLenta280x090", "GFormSpeed", "", "Speed", "GIcon48Speed"}},
    {DialogArt::Options, {"GCap300", "GLenta280x090", "GFormOpt", "", "Options", "GIcon48Opt"}},
    {DialogArt::History,
     {"GCap610", "GLenta590x116", "GFormHistory", "", "History", "GIcon48History"}},
    {DialogArt::EndGame, {"GCap550", "GLenta380x120", "GFormEndG", "", "EndGame", "GIcon48WT"}},
    {DialogArt::Passport, {"GCap150", "GLenta280x090", "GFormPass", "", "Passport", "GIcon48Pass"}},
    {DialogArt::Account, {"GCap610", "GLenta590x116", "MyAccount", "", "MyAccountR", "GIcon48Acc"}},
    {DialogArt::Login, {"GCap300", "GLenta280x090", "GFormPw", "GFormPwL", "", ""}},
    {DialogArt::Count,
     {"GCap300", "GLenta200x100", "GFormCount", "GFormCountL", "", "GIcon48COunt"}},
    {DialogArt::WorldTopTen,
     {"GCap430", "GLenta380x120", "GFormTopTen", "GFormServerWL", "", "GIcon48WT"}},
    {DialogArt::TopTenEntry,
     {"GCap280", "GLenta380x120", "GFormServerW", "GFormServerWL", "", "GIcon48WT"}},
    {DialogArt::Tournament,
     {"GCap610", "GLenta590x116", "GFormTour", "GFormTourL", "", "GIcon48Tour"}},
    {DialogArt::TournamentTopTen, {"GCap550", "GLenta590x116", "", "GFormTopTenL", "", ""}},
    {DialogArt::Chat,
     {"GCap550", "GLenta380x120", "GFormChat", "GFormChatL", "NuvGamesChat", "GIcon48Chat"}},
    {DialogArt::Radio, {"GCap300", "GLenta280x090", "GFormRadio", "GFormRadioL", "", ""}},
    {DialogArt::Statistics,
     {"GCap300", "GLenta360x100", "GFormStat", "GFormStatL", "", "GIcon48Stat"}},
    // The about window and the wait window have no header pictures of their own; the wait
    // window borrows a band and a ribbon.
    {DialogArt::About, {"", "", "GFormAbout", "", "", "GIcon48"}},
    {DialogArt::Wait, {"GCap550", "GLenta380x120", "GFormWait", "", "", ""}},
}};

static_assert(
    [] {
      for (std::size_t i = 0; i < DialogArtTable.size(); ++i) {
        if (DialogArtTable[i].dialog != static_cast<DialogArt>(i)) return false;
      }
      return true;
    }(),
    "DialogArtTable lists the windows in the order of DialogArt");

constexpr const DialogPictures& PicturesOf(DialogArt dialog) {
  return DialogArtTable[static_cast<std::size_t>(dialog)].pictures;
}

// The names a window asks the pack for: its caption and ribbon pictures carry a language suffix.
inline std::string CaptionPictureName(const DialogPictures& pictures, int language) {
  return std::string(pictures.captionBase) + std::string(LanguageSuffix(language));
}
inline std::string RibbonPictureName(const DialogPictures& pictures, int language) {
  const std::string_view base =
      pictures.ribbonPicture.empty() ? pictures.picture : pictures.ribbonPicture;
  return std::string(base) + std::string(LanguageSuffix(language));
}

}  // namespace fibwick

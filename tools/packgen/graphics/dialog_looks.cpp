#include "dialog_looks.h"

#include "input_fonts.h"

namespace fibwick::packgen {

using namespace artgen;

// The windows the program has are drawn at their own size; those still to come at the size of
// their header band, with room for their lists.
DialogLook LookOf(DialogArt dialog) {
  switch (dialog) {
    case DialogArt::Speed:
      return {MsgChoiceOfSpeed, {300, 150}, GaugeSymbol, IconMotion::Swing};
    case DialogArt::Options:
      return {MsgOptions, {500, 336}, GearSymbol, IconMotion::Spin};
    case DialogArt::History:
      return {MsgHistoryOfGames, {800, 460}, BookSymbol, IconMotion::Shine};
    case DialogArt::EndGame:
      return {MsgTheCompletionOfGame, {550, 380}, CupSymbol, IconMotion::Turn};
    case DialogArt::Passport:
      return {MsgPassport, {420, 360}, CardIdSymbol, IconMotion::Shine};
    case DialogArt::Account:
      return {MsgMyAccount, {610, 460}, PersonSymbol, IconMotion::Shine};
    case DialogArt::Login:
      return {MsgWelcome, {440, 494}, PadlockSymbol, IconMotion::Shine};
    case DialogArt::Count:
      return {MsgGeneralScore, {460, 396}, TallySymbol, IconMotion::Shine};
    case DialogArt::WorldTopTen:
      return {MsgTopTen, {430, 440}, CupSymbol, IconMotion::Turn};
    case DialogArt::TopTenEntry:
      return {MsgTopTen, {380, 300}, CupSymbol, IconMotion::Turn};
    case DialogArt::Tournament:
      return {MsgOnlineTournament, {610, 460}, StarSymbol, IconMotion::Pulse};
    case DialogArt::TournamentTopTen:
      return {MsgTopTen, {550, 420}, StarSymbol, IconMotion::Pulse};
    case DialogArt::Chat:
      return {MsgNuvGamesChat, {550, 420}, BubbleSymbol, IconMotion::Pulse};
    case DialogArt::Radio:
      return {MsgRadio, {420, 340}, RadioSymbol, IconMotion::Pulse};
    case DialogArt::Statistics:
      return {MsgStatistics, {470, 388}, BarsSymbol, IconMotion::Shine};
    case DialogArt::About:
      return {MsgAbout, {420, 320}, InfoSymbol, IconMotion::Turn};
    case DialogArt::Wait:
      return {MsgPleaseWaitNet, {540, 70}, GlobeSymbol, IconMotion::Shine};
  }
  return {MsgOptions, {300, 150}, InfoSymbol, IconMotion::Shine};
}

bool LoadLettering(const QStringList& inputs, Lettering& lettering) {
  lettering.serif = InputFontFamily(inputs, "DejaVuSerif-Bold.ttf");
  lettering.sans = InputFontFamily(inputs, "DejaVuSans-Bold.ttf");
  lettering.cjk = InputFontFamily(inputs, "wqy-microhei.ttc");
  return !lettering.serif.isEmpty() && !lettering.sans.isEmpty() && !lettering.cjk.isEmpty();
}

}  // namespace fibwick::packgen

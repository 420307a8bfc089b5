#include "ui/dialogs/options_rules.h"

namespace fibwick {

bool IsRandomBackSet(int backSet) {
  return backSet >= 8 && backSet <= 11;
}

ModificationChoice ModificationFor(int backSet, BackModification selected) {
  if (IsRandomBackSet(backSet)) return {BackModification::Random, {false, false, true}};
  if (selected == BackModification::Random) selected = BackModification::ChangeDecks;
  return {selected, {true, true, false}};
}

BackModification ModificationOf(const Settings& settings) {
  if (IsRandomBackSet(settings.BackSet)) return BackModification::Random;
  return settings.AlwaysOneBack ? BackModification::AlwaysOne : BackModification::ChangeDecks;
}

bool BackSetLoadable(int backSet, bool backPackPresent) {
  return backSet == 0 || backPackPresent;
}

int AvailableDesign(int item, bool graphicsLibraryPresent) {
  return graphicsLibraryPresent ? item : 0;
}

bool BackgroundChoosable(int menuDesign, int tableDesign) {
  return !(menuDesign == 1 && tableDesign == 1);
}

std::string& FontNameOf(Settings& settings, int slot) {
  const std::array<std::string*, FontSlotCount> names{
      &settings.FontLarge, &settings.FontSmall, &settings.FontSpecial1, &settings.FontSpecial2};
  return *names.at(static_cast<std::size_t>(slot));
}

int& FontScaleOf(Settings& settings, int slot) {
  const std::array<int*, FontSlotCount> scales{&settings.ScaleLarge, &settings.ScaleSmall,
                                               &settings.ScaleSpecial1, &settings.ScaleSpecial2};
  return *scales.at(static_cast<std::size_t>(slot));
}

void RestoreDefaultFonts(Settings& settings) {
  Settings defaults;
  for (int slot = 0; slot < FontSlotCount; ++slot) {
    FontNameOf(settings, slot) = FontNameOf(defaults, slot);
    FontScaleOf(settings, slot) = FontScaleOf(defaults, slot);
  }
}

}  // namespace fibwick

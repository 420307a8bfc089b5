#pragma once

#include <array>
#include <string>

#include "records/settings.h"

// The rules behind the options' choosers: which items are offered and what a choice falls back
// to when the pack it needs is missing.
namespace fibwick {

// The "Modification" radio group: the sets of ten pictures always change at random; the others
// offer the two kinds of weekday backs.
enum class BackModification { ChangeDecks, AlwaysOne, Random };
struct ModificationChoice {
  BackModification selected;
  std::array<bool, 3> enabled;  // in the group's order
};
bool IsRandomBackSet(int backSet);
ModificationChoice ModificationFor(int backSet, BackModification selected);
BackModification ModificationOf(const Settings& settings);

// A back set is loadable when it is built in or its pack can be opened.
bool BackSetLoadable(int backSet, bool backPackPresent);

// Every design but the first item draws from the graphics library.
int AvailableDesign(int item, bool graphicsLibraryPresent);
// The purple menu and table bring their own background.
bool BackgroundChoosable(int menuDesign, int tableDesign);

// The four font slots: large, small, special 1 and special 2.
inline constexpr int FontSlotCount = 4;
std::string& FontNameOf(Settings& settings, int slot);
int& FontScaleOf(Settings& settings, int slot);
void RestoreDefaultFonts(Settings& settings);

}  // namespace fibwick

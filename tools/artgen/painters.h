// Each painter adds one family of built-in pictures to the set.
#pragma once

#include <QString>

#include "art_set.h"

namespace fibwick::artgen {

// Faces of the built-in set and the suit symbols, rendered from an SVG deck; false when the
// deck cannot be read or lacks a card.
bool AddCardFaces(ArtSet& set, const QString& deckPath);
void AddCardBacks(ArtSet& set);
void AddBackground(ArtSet& set);
void AddTablePlates(ArtSet& set);
void AddClocks(ArtSet& set);
void AddButtonSkins(ArtSet& set);
void AddIcons(ArtSet& set);
void AddDialogBands(ArtSet& set);
void AddTitles(ArtSet& set);
void AddCursors(ArtSet& set);
void AddServiceIcons(ArtSet& set);
void AddAnimations(ArtSet& set);
void AddAwards(ArtSet& set);
void AddAccountPictures(ArtSet& set);
void AddFlags(ArtSet& set);

QImage ContactSheet(const ArtSet& set);

}  // namespace fibwick::artgen

#include "backs.h"

#include <array>
#include <cstdio>

#include "back_designs.h"
#include "back_kit.h"
#include "card_back.h"
#include "classic_backs.h"

namespace fibwick::packgen {

namespace {

using artgen::BackSize;

struct BackSet {
  const char* code;  // appended to the picture names
  int pictures;
  BackPainter draw;
};

// Back sets 1..12 in their order in the options.
const std::array<BackSet, 12> BackSets{{
    {"Cl1", 7, DrawHeraldicBack},
    {"Cl2", 7, DrawIlluminatedBack},
    {"Car", 7, DrawCarpetBack},
    {"Cro", 7, DrawCrossBack},
    {"Che", 7, DrawChessBack},
    {"Dia", 7, DrawDiamondBack},
    {"Kni", 7, DrawKnightlyBack},
    {"Ani", 10, DrawAnimalBack},
    {"Flo", 10, DrawFlowerBack},
    {"Pla", 10, DrawPlaceBack},
    {"Oth", 10, DrawOtherBack},
    {"Rus", 7, DrawRussianBack},
}};

QString PictureName(int picture, const char* code, BackSize size) {
  return QString::fromLatin1(artgen::BackBaseNames[static_cast<std::size_t>(picture)]) +
         QString::fromLatin1(code) + artgen::BackSuffix(size);
}

}  // namespace

bool AddBackSets(PackWriter& pack) {
  if (!EmojiFontPresent()) {
    std::fprintf(stderr, "the Noto Color Emoji font is missing: install fonts-noto-color-emoji\n");
    return false;
  }
  for (const BackSet& set : BackSets) {
    for (const BackSize size : artgen::BackSizes) {
      for (int picture = 0; picture < set.pictures; ++picture) {
        pack.AddPng(PictureName(picture, set.code, size),
                    artgen::DrawBack(size, [&](QPainter& p, const QSizeF& card) {
                      set.draw(p, card, picture);
                    }));
      }
    }
  }
  // The built-in set has no narrow big backs of its own.
  for (int picture = 0; picture < artgen::ClassicBackCount; ++picture) {
    pack.AddPng(PictureName(picture, "", BackSize::Narrow),
                artgen::DrawBack(BackSize::Narrow, [&](QPainter& p, const QSizeF& card) {
                  artgen::DrawClassicBack(p, card, picture);
                }));
  }
  return true;
}

}  // namespace fibwick::packgen

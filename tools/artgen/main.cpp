// Draws every built-in picture of the game into a folder, with the resource list that
// compiles them in and a labelled contact sheet for review.
// Usage: fibwick-artgen <card deck .svgz> <output folder>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "art_set.h"
#include "painters.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: fibwick-artgen <card deck .svgz> <output folder>\n");
    return 2;
  }
  const QString deck = QString::fromLocal8Bit(argv[1]);
  const QString folder = QString::fromLocal8Bit(argv[2]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot create %s\n", argv[2]);
    return 1;
  }

  using namespace fibwick::artgen;
  ArtSet set;
  if (!AddCardFaces(set, deck)) return 1;
  AddCardBacks(set);
  AddBackground(set);
  AddTablePlates(set);
  AddClocks(set);
  AddButtonSkins(set);
  AddIcons(set);
  AddDialogBands(set);
  AddTitles(set);
  AddCursors(set);
  AddServiceIcons(set);
  AddAnimations(set);
  AddAwards(set);
  AddAccountPictures(set);
  AddFlags(set);

  if (!WriteArtSet(set, folder)) return 1;
  const auto sheetPath = QDir(folder).filePath("contact-sheet.png");
  if (!ContactSheet(set).save(sheetPath)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(sheetPath));
    return 1;
  }
  return 0;
}

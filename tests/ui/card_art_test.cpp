#include "ui/card_art.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <set>

#include "ui/builtin_pictures.h"
#include "ui/packs.h"
#include "ui_test_support.h"

namespace fibwick {
namespace {

using testing_support::Solid;
using testing_support::WritePack;
using testing_support::WritePackFiles;

// A colour of its own for every picture name, so a test can tell where a picture came from.
QRgb ColourOf(const QString& name) {
  return 0xFF000000 | (qHash(name.toLower()) & 0xFFFFFF);
}

QImage Named(const QString& name, QSize size = {69, 94}) {
  return Solid(size.width(), size.height(), ColourOf(name));
}

// Every face of a set in one size, under the names the loader asks for.
std::map<QString, QImage> FacesOfSet(int set, CardSizeClass sizeClass, QSize size = {69, 94}) {
  std::map<QString, QImage> pictures;
  for (int slot = 13; slot <= 36; ++slot) {
    const QString name = FacePictureName(set, CardOfSlot(slot), sizeClass);
    pictures[name + ".png"] = Named(name, size);
  }
  return pictures;
}

struct Fixture : testing::Test {
  QTemporaryDir root;
  QString program;
  std::vector<QString> builtinAsked;
  std::unique_ptr<PackShelf> shelf;
  ArtSources sources;
  CardArt art;
  std::vector<Notice> notices;

  void SetUp() override {
    ASSERT_TRUE(root.isValid());
    program = root.filePath("Game");
    QDir().mkpath(program);
    shelf = std::make_unique<PackShelf>(program);
    sources.packs = shelf.get();
    sources.builtin = [this](const QString& name) {
      builtinAsked.push_back(name);
      return Named(name, name.startsWith("Fon") ? QSize(760, 500) : QSize(69, 94));
    };
  }

  bool Asked(const QString& name) const {
    return std::find(builtinAsked.begin(), builtinAsked.end(), name) != builtinAsked.end();
  }
};

// No pack, or a file of that name that is no ZIP archive (a download cut short): the built-in set.
TEST_F(Fixture, MissingOrDamagedFacePackFallsBackToTheBuiltInSet) {
  for (const bool damaged : {false, true}) {
    if (damaged) {
      QFile file(root.filePath("Game/NuvCards06A.dll"));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(QByteArray("PK\x03\x04 and then nothing of a real archive"));
    }
    Layout layout = MakeLayout(1, 0, 0, true);
    ArtChoice choice{.faceSet = 6};
    notices.clear();
    EXPECT_FALSE(LoadFaceSet(art, layout, choice, sources, notices));
    EXPECT_EQ(choice.faceSet, 0);
    ASSERT_EQ(notices, (std::vector<Notice>{{MsgCantFindTheFile, "NuvCards06A.dll"}}));
    EXPECT_EQ(NoticeText(notices[0]), "Can`t find the file NuvCards06A.dll");
    EXPECT_TRUE(Asked("Ch09") && Asked("Pi5A") && Asked("Cher") && Asked("CherB"));
    EXPECT_TRUE(Asked("Ob01Mo") && Asked("Ob07Su"));
    EXPECT_EQ(art.smallFaces[13].pixel(5, 5), ColourOf("Ch09"));
    EXPECT_TRUE(art.bigFaces[13].isNull());
  }
}

TEST_F(Fixture, FaceSetFromAPackInTheParentFolder) {
  std::map<QString, QImage> pictures;
  for (const auto& [name, picture] : FacesOfSet(6, CardSizeClass::Small)) {
    pictures[ResourceKey(name) + ".PNG"] = picture;  // case and extension ignored
  }
  pictures["CherModB.png"] = Named("CherModB");
  QImage symbol = Solid(20, 20, SilverKey);
  symbol.setPixel(10, 10, qRgb(255, 0, 0));
  pictures["CherMod.png"] = symbol;
  WritePack(root.filePath("NuvCards06A.dll"), pictures);

  Layout layout = MakeLayout(1, 0, 0, true);
  ArtChoice choice{.faceSet = 6};
  EXPECT_TRUE(LoadFaceSet(art, layout, choice, sources, notices));
  EXPECT_TRUE(notices.empty());
  EXPECT_EQ(art.smallFaces[13].pixel(0, 0), ColourOf("Ch09Mod"));
  EXPECT_EQ(art.smallFaces[21].pixel(0, 0), ColourOf("Ch2JCor"));
  EXPECT_EQ(art.smallFaces[33].pixel(0, 0), ColourOf("Ch5ACor"));
  EXPECT_EQ(qAlpha(art.symbols[0].pixel(0, 0)), 0);  // silver is the transparent key
  EXPECT_EQ(art.symbols[0].pixel(10, 10), qRgb(255, 0, 0));
  EXPECT_FALSE(Asked("Ch09"));
}

TEST_F(Fixture, EpicDiamondsLoseTheirNearSilverFrame) {
  QImage diamonds = Solid(20, 20, qRgb(195, 195, 195));
  diamonds.setPixel(10, 10, qRgb(255, 0, 0));
  std::map<QString, QImage> pictures = FacesOfSet(26, CardSizeClass::Small);
  pictures["BubiEpi.png"] = diamonds;
  WritePack(root.filePath("Game/NuvCards06A.dll"), pictures);
  Layout layout = MakeLayout(1, 0, 0, true);
  ArtChoice choice{.faceSet = 26};
  EXPECT_TRUE(LoadFaceSet(art, layout, choice, sources, notices));
  EXPECT_EQ(qAlpha(art.symbols[1].pixel(19, 19)), 0);
  EXPECT_EQ(art.symbols[1].pixel(10, 10), qRgb(255, 0, 0));
}

TEST_F(Fixture, NarrowSetInTheMediumWindowTakesTheNarrowBacks) {
  std::map<QString, QImage> pictures = FacesOfSet(33, CardSizeClass::Scaled, {126, 198});
  for (int back = 1; back <= 7; ++back) {
    const QString name = BackPictureName(0, back, CardSizeClass::Scaled, false);
    pictures[name + ".png"] = Named(name, {126, 198});
  }
  WritePack(root.filePath("Game/NuvCards06B.dll"), pictures);
  Layout layout = MakeLayout(3, 0, 0, true);
  ArtChoice choice{.faceSet = 33};
  EXPECT_TRUE(LoadFaceSet(art, layout, choice, sources, notices));
  EXPECT_FALSE(layout.wideCards);
  EXPECT_EQ(layout.cardWidth, 79);  // Scaled(61) = round(79.3)
  EXPECT_EQ(art.bigFaces[13].pixel(0, 0), ColourOf("Ch09DiaB"));
  EXPECT_EQ(art.bigBacks[2].pixel(0, 0), ColourOf("Ob03WeU"));
  EXPECT_TRUE(notices.empty());
}

// A pack made by hand may lack a face or hold one that is no picture: the table never shows a
// blank card, so the set counts as missing. Faces of another size are fitted to the small card.
TEST_F(Fixture, AnIncompleteSetIsNotDrawnHalf) {
  for (const bool broken : {false, true}) {
    std::map<QString, QImage> pictures = FacesOfSet(6, CardSizeClass::Small, {138, 188});
    if (broken) pictures.erase("Kr4KCor.png");
    WritePack(root.filePath("Game/NuvCards06A.dll"), pictures);
    Layout layout = MakeLayout(1, 0, 0, true);
    ArtChoice choice{.faceSet = 6};
    notices.clear();
    EXPECT_EQ(LoadFaceSet(art, layout, choice, sources, notices), !broken);
    EXPECT_EQ(choice.faceSet, broken ? 0 : 6);
    EXPECT_EQ(notices.size(), broken ? 1u : 0u);
    EXPECT_EQ(art.smallFaces[13].size(), QSize(69, 94));
    EXPECT_EQ(art.smallFaces[13].pixel(5, 5), ColourOf(broken ? "Ch09" : "Ch09Mod"));
  }
}

TEST_F(Fixture, MissingBackPackResetsTheBackSet) {
  Layout layout = MakeLayout(1, 0, 0, true);
  ArtChoice choice{.backSet = 3};
  EXPECT_TRUE(LoadFaceSet(art, layout, choice, sources, notices));
  EXPECT_EQ(notices, (std::vector<Notice>{{MsgCantFindTheFile, "NuvCards06B.dll"}}));
  EXPECT_EQ(choice.backSet, 0);
  EXPECT_EQ(art.smallBacks[0].pixel(3, 3), ColourOf("Ob01Mo"));
}

TEST_F(Fixture, NarrowBigCardsWithoutTheBackPackReturnToTheBuiltInFaces) {
  WritePack(root.filePath("Game/NuvCards06C.dll"), FacesOfSet(41, CardSizeClass::Scaled));
  Layout layout = MakeLayout(3, 0, 0, true);
  ArtChoice choice{.faceSet = 41, .backSet = 0};
  LoadFaceSet(art, layout, choice, sources, notices);
  EXPECT_EQ(notices, (std::vector<Notice>{{MsgCantFindTheFile, "NuvCards06B.dll"}}));
  EXPECT_EQ(choice.faceSet, 0);
  EXPECT_TRUE(layout.wideCards);
  EXPECT_EQ(layout.cardWidth, 92);
  EXPECT_TRUE(Asked("Ch09B") && Asked("Ob01MoB"));
  EXPECT_EQ(art.bigBacks[0].pixel(0, 0), ColourOf("Ob01MoB"));
}

// Without the pack, or with a pack that lacks the picture or holds no picture under its name.
TEST_F(Fixture, MissingBackgroundGivesTheBuiltInGreen) {
  for (const char* entry : {"", "Fon01GrB.jpg", "Fon05YeB.jpg"}) {
    if (*entry != '\0') {
      WritePackFiles(root.filePath("NuvBackG03.dll"), {{entry, QByteArray("no picture")}});
    }
    const Layout layout = MakeLayout(3, 0, 0, true);
    ArtChoice choice{.backgroundStyle = 5, .backgroundColour = 3};
    QImage background;
    notices.clear();
    EXPECT_FALSE(LoadBackground(background, layout, choice, false, sources, notices)) << entry;
    EXPECT_EQ(notices, (std::vector<Notice>{{MsgCantFindTheFile, "NuvBackG03.dll"}}));
    EXPECT_EQ(choice.backgroundStyle, 2);
    EXPECT_EQ(choice.backgroundColour, 0);
    EXPECT_EQ(background.size(), QSize(990, 650));
    EXPECT_EQ(background.pixel(500, 300), ColourOf("FonGB"));
  }
}

TEST_F(Fixture, PurpleDesignWithoutTheGraphicsPackFallsBackToDesignOne) {
  const Layout layout = MakeLayout(1, 0, 0, true);
  ArtChoice choice{.menuDesign = 1, .tableDesign = 1};
  QImage background;
  EXPECT_FALSE(LoadBackground(background, layout, choice, true, sources, notices));
  EXPECT_EQ(notices, (std::vector<Notice>{{MsgCantFindTheFile, "NuvCGraph1.dll"}}));
  EXPECT_EQ(choice.menuDesign, 0);
  EXPECT_EQ(choice.tableDesign, 0);
  EXPECT_EQ(background.pixel(0, 0), ColourOf("FonG"));
}

TEST_F(Fixture, BackgroundFromThePackAndStyleZero) {
  WritePack(root.filePath("Game/NuvBackG03.dll"), {{"Fon05YeB.jpg", Named("x", {40, 30})}});
  const Layout layout = MakeLayout(4, 0, 0, true);
  ArtChoice choice{.backgroundStyle = 5, .backgroundColour = 3};
  QImage background;
  EXPECT_TRUE(LoadBackground(background, layout, choice, false, sources, notices));
  EXPECT_EQ(background.size(), QSize(1290, 850));
  EXPECT_EQ(background.pixel(600, 400), ColourOf("x"));

  choice.backgroundStyle = 0;
  const QImage before = background;
  EXPECT_TRUE(LoadBackground(background, layout, choice, false, sources, notices));
  EXPECT_EQ(background, before);
  EXPECT_TRUE(notices.empty());
}

TEST(CardArt, WindowColours) {
  const std::vector<QColor> expected = {{0, 128, 0},   {128, 0, 0}, {128, 64, 0}, {128, 128, 0},
                                        {0, 128, 128}, {0, 0, 128}, {128, 0, 128}};
  for (int colour = 0; colour < 7; ++colour) {
    EXPECT_EQ(WindowColour({.backgroundStyle = 4, .backgroundColour = colour}), expected[colour]);
  }
  EXPECT_EQ(WindowColour({.backgroundStyle = 0, .backgroundColour = 3}), QColor(0, 128, 0));
  EXPECT_EQ(WindowColour({.menuDesign = 1}), QColor(120, 0, 200));
}

TEST(CardArt, ChooseBack) {
  std::mt19937 random(7);
  const QDate sunday(2026, 12, 13);
  EXPECT_EQ(ChooseBack(sunday, false, 0, random), 7);
  EXPECT_EQ(ChooseBack(sunday.addDays(1), false, 0, random), 1);
  EXPECT_EQ(ChooseBack(sunday.addDays(1), true, 12, random), 7);
  std::set<int> seen;
  for (int i = 0; i < 200; ++i) seen.insert(ChooseBack(sunday, true, 9, random));
  EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(BuiltinPictures, FoundIgnoringCaseAndExtension) {
  EXPECT_EQ(LoadBuiltinPicture("zztestswatch").size(), QSize(3, 2));
  EXPECT_EQ(LoadBuiltinPicture("ZZTESTSWATCH.jpg").pixel(0, 0), qRgb(0x20, 0x40, 0x60));
  EXPECT_TRUE(LoadBuiltinPicture("NoSuchPicture").isNull());
}

}  // namespace
}  // namespace fibwick

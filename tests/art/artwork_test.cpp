// The built-in pictures as the program finds them: compiled into fibwick_artwork under
// ":/art", each with its size and file form.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

enum class Form { Rgb, Rgba, Jpeg };

struct Expected {
  std::string file;
  int w;
  int h;
  Form form;
};

using AddPicture = std::function<void(const std::string&, int, int, Form)>;

std::string Frame(const std::string& base, int frame) {
  return base + (frame < 10 ? "_0" : "_") + std::to_string(frame);
}

void AddFilm(const AddPicture& add, const std::string& base, int frames, int w, int h) {
  for (int frame = 0; frame < frames; ++frame) add(Frame(base, frame), w, h, Form::Rgba);
}

const std::vector<std::string> LanguageCodes{"Eng", "Rus", "Deu", "Fra",
                                             "Spa", "Chi", "Ita", "Cze"};

void AddMenuAndDialogPictures(const AddPicture& add) {
  add("Logo", 760, 500, Form::Jpeg);
  add("GTitle", 300, 90, Form::Rgba);
  for (const auto& code : LanguageCodes) {
    add("Cap" + code, 400, 70, Form::Rgba);
    add("Elite" + code, 350, 40, Form::Rgba);
    add("Net__" + code, 350, 40, Form::Rgba);
  }
  add("CURARROW", 32, 32, Form::Rgba);
  for (const std::string cursor : {"CURHAND", "CURWAIT", "CUREDIT"})
    AddFilm(add, cursor, 8, 32, 32);
  for (const std::string icon :
       {"AdvGiftR",      "AdvGiftG",        "Android",      "GHelp48",      "GTour48",
        "GooglePlay",    "Earth48",         "Stats",        "Windows",      "GStill48Speed",
        "GStill48Opt",   "GStill48History", "GStill48WT",   "GStill48Pass", "GStill48Acc",
        "GStill48Count", "GStill48Tour",    "GStill48Chat", "GStill48Stat", "GStill48Pw",
        "GStill48About", "GNotice48",       "GNews48",      "GChat48",      "GRadio48"}) {
    add(icon, 48, 48, Form::Rgba);
  }
  for (const std::string icon : {"GPopCount", "GPopMenu", "GPopName", "GPopSpeed", "GPopHelp",
                                 "GPopAbout", "GPopRadio", "GPopChat"}) {
    add(icon, 16, 16, Form::Rgba);
  }
  add("GPanel220", 220, 125, Form::Rgba);
  for (const std::string siren : {"GSirenB", "GSirenR"}) AddFilm(add, siren, 2, 30, 30);
  for (const std::string button : {"MP_Play", "MP_Pause", "MP_Next", "MP_Volume"})
    add(button, 60, 60, Form::Rgba);
  for (int lamp = 0; lamp < 6; ++lamp) add("GMenuLamp" + std::to_string(lamp), 20, 30, Form::Rgba);
  AddFilm(add, "GifMenu1", 16, 160, 200);
  AddFilm(add, "GifMenu2", 16, 160, 200);
  // The still frames of the end animations are 25, 24 and 3.
  AddFilm(add, "GEndBest", 26, 160, 160);
  AddFilm(add, "GEndGood", 25, 160, 160);
  AddFilm(add, "GEndBads", 12, 160, 160);
  for (const std::string club : {"GClubA", "GClubB", "GClubC", "GClubE", "GClubF", "GClubG"})
    AddFilm(add, club, 12, 60, 75);
  AddFilm(add, "GPw", 12, 80, 80);
  AddFilm(add, "GWait", 12, 48, 48);
  add("GMedal", 100, 100, Form::Rgba);
  for (int place = 1; place <= 10; ++place)
    add(std::string(place < 10 ? "GPlace0" : "GPlace") + std::to_string(place), 100, 100,
        Form::Rgba);
  add("GNuvs128", 128, 128, Form::Rgba);
  add("GNuvsT128", 128, 128, Form::Rgba);
  add("FaceMan16", 16, 16, Form::Rgba);
  add("FaceWoman16", 16, 16, Form::Rgba);
  // The placeholders are written out as bitmaps, which keep no alpha.
  add("GAcNoM", 96, 120, Form::Rgb);
  add("GAcNoF", 96, 120, Form::Rgb);
  add("GTourOn", 24, 24, Form::Rgba);
  add("GTourOff", 24, 24, Form::Rgba);
  AddFilm(add, "GTopTen", 12, 240, 120);
  for (const auto& code : LanguageCodes) add("FlagO" + code, 96, 64, Form::Rgb);
  add("FlagOJap", 96, 64, Form::Rgb);
  add("FlagOKor", 96, 64, Form::Rgb);
}

std::vector<Expected> BuiltInPictures() {
  std::vector<Expected> all;
  const auto add = [&](const std::string& name, int w, int h, Form form) {
    all.push_back({name + (form == Form::Jpeg ? ".jpg" : ".png"), w, h, form});
  };
  for (const std::string suit : {"Ch", "Bu", "Kr", "Pi"}) {
    for (const std::string rank : {"09", "10", "2J", "3Q", "4K", "5A"}) {
      add(suit + rank, 69, 94, Form::Rgb);
      add(suit + rank + "B", 146, 198, Form::Rgba);
    }
  }
  for (const std::string symbol : {"Cher", "Bubi", "Kres", "Piki"}) {
    add(symbol, 20, 20, Form::Rgb);
    add(symbol + "B", 40, 40, Form::Rgba);
  }
  for (const std::string back :
       {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"}) {
    add(back, 69, 94, Form::Rgb);
    add(back + "B", 146, 198, Form::Rgba);
  }
  add("FonG", 760, 500, Form::Jpeg);
  add("FonGB", 1520, 1000, Form::Jpeg);
  for (const std::string strip : {"SPBlue", "SPGreen", "SPRed", "SPYellow", "SPFiolet"}) {
    add(strip, 160, 20, Form::Rgba);
    add(strip + "B", 320, 40, Form::Rgba);
  }
  add("RamkaFBSm", 155, 60, Form::Rgba);
  add("RamkaFBBg", 310, 120, Form::Rgba);
  add("RamkaERSm", 130, 90, Form::Rgba);
  add("RamkaERBg", 260, 180, Form::Rgba);
  add("GTimerR", 40, 40, Form::Rgba);
  add("GTimerY", 40, 40, Form::Rgba);
  add("AdvBar3", 350, 80, Form::Rgba);
  add("GClockBG", 115, 64, Form::Rgba);
  for (const std::string letter : {"B", "R", "A", "G", "Y", "V", "L", "N"}) {
    for (int digit = 0; digit <= 9; ++digit)
      add("G" + letter + "Clock" + std::to_string(digit), 20, 40, Form::Rgba);
    if (letter == "B") {
      add("GBClockP", 6, 22, Form::Rgba);
    } else {
      add("G" + letter + "ClockM", 20, 40, Form::Rgba);
    }
  }
  for (const std::string family : {"R", "Q"}) {
    for (const auto& [rows, capWidth] : {std::pair{29, 8}, std::pair{44, 13}, std::pair{59, 17}}) {
      const std::string base = family + std::to_string(rows) + "_";
      add(base + "L", capWidth, rows, Form::Rgba);
      add(base + "R", capWidth, rows, Form::Rgba);
      add(base + "2", 8, rows, Form::Rgba);
      add(base + "T", 100, rows, Form::Rgba);
    }
  }
  add("GFree", 8, 8, Form::Rgba);
  add("Account48", 48, 48, Form::Rgba);
  for (const std::string lamp : {"LampR24", "LampY24", "LampG24"}) add(lamp, 24, 24, Form::Rgba);
  for (const int width : {150, 280, 300, 430, 550, 610})
    add("GCap" + std::to_string(width), width, 64, Form::Rgba);
  for (const std::string ribbon : {"GLenta200x100", "GLenta280x090", "GLenta300x100",
                                   "GLenta360x100", "GLenta380x120", "GLenta590x116"}) {
    add(ribbon, std::stoi(ribbon.substr(6, 3)), std::stoi(ribbon.substr(10, 3)), Form::Rgba);
  }
  AddMenuAndDialogPictures(add);
  return all;
}

QString Resource(const std::string& file) {
  return QString::fromStdString(":/art/" + file);
}

QImage Load(const std::string& file) {
  return QImage(Resource(file));
}

// The colour type byte of a PNG's header: 2 is RGB, 6 is RGB with alpha, 8 bits each.
int PngColourType(const std::string& file) {
  QFile png(Resource(file));
  if (!png.open(QIODevice::ReadOnly)) return -1;
  const QByteArray head = png.read(26);
  if (head.size() < 26 || !head.startsWith("\x89PNG\r\n\x1a\n") || head[24] != 8) return -1;
  return head[25];
}

TEST(Artwork, EveryPictureHasItsSizeAndForm) {
  for (const auto& expected : BuiltInPictures()) {
    SCOPED_TRACE(expected.file);
    const QImage image = Load(expected.file);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), expected.w);
    EXPECT_EQ(image.height(), expected.h);
    switch (expected.form) {
      case Form::Jpeg:
        EXPECT_EQ(QImageReader(Resource(expected.file)).format(), "jpeg");
        break;
      case Form::Rgb:
        EXPECT_EQ(PngColourType(expected.file), 2);
        EXPECT_FALSE(image.hasAlphaChannel());
        break;
      case Form::Rgba:
        EXPECT_EQ(PngColourType(expected.file), 6);
        EXPECT_TRUE(image.hasAlphaChannel());
        break;
    }
  }
}

TEST(Artwork, HoldsNothingElse) {
  std::set<std::string> listed;
  for (const auto& expected : BuiltInPictures()) listed.insert(expected.file);
  std::set<std::string> compiled;
  for (QDirIterator it(":/art"); it.hasNext();)
    compiled.insert(QFileInfo(it.next()).fileName().toStdString());
  EXPECT_EQ(compiled, listed);
}

// The classic middle is the gradient the button paints at standard heights; row 3 is the
// highlight, the first and last rows the dark red edge.
TEST(ButtonSkins, ClassicMiddleRowsAreTheButtonGradient) {
  struct Case {
    std::string file;
    int row;
    QColor colour;
  };
  const std::vector<Case> cases{
      {"R29_2.png", 0, QColor(128, 0, 0)},     {"R29_2.png", 3, QColor(232, 173, 173)},
      {"R29_2.png", 15, QColor(136, 0, 0)},    {"R29_2.png", 28, QColor(128, 0, 0)},
      {"R44_2.png", 3, QColor(239, 180, 180)}, {"R44_2.png", 43, QColor(128, 0, 0)},
      {"R59_2.png", 29, QColor(150, 33, 33)},  {"R59_2.png", 58, QColor(128, 0, 0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file + " row " + std::to_string(c.row));
    const QImage middle = Load(c.file);
    for (int x = 0; x < middle.width(); ++x) EXPECT_EQ(middle.pixelColor(x, c.row), c.colour);
  }
}

// The caps end in the middle's own column, so a button shows no seam where they meet.
TEST(ButtonSkins, CapsJoinTheMiddleExactly) {
  for (const std::string base : {"R29_", "R44_", "R59_", "Q29_", "Q44_", "Q59_"}) {
    SCOPED_TRACE(base);
    const QImage middle = Load(base + "2.png");
    const QImage left = Load(base + "L.png");
    const QImage right = Load(base + "R.png");
    for (int y = 0; y < middle.height(); ++y) {
      EXPECT_EQ(left.pixel(left.width() - 1, y), middle.pixel(0, y)) << "row " << y;
      EXPECT_EQ(right.pixel(0, y), middle.pixel(0, y)) << "row " << y;
    }
  }
}

// The new family is recoloured only where a pixel is near pure red; its bezel must stay out
// of that range and its body inside it.
TEST(ButtonSkins, NewFamilyBodyIsNearRedAndBezelNeutral) {
  for (const std::string file : {"Q29_2.png", "Q44_2.png", "Q59_2.png"}) {
    SCOPED_TRACE(file);
    const QImage middle = Load(file);
    const int last = middle.height() - 1;
    for (int y = 0; y <= last; ++y) {
      const QColor c = middle.pixelColor(0, y);
      if (y < 2 || y > last - 2) {
        EXPECT_TRUE(c.red() == c.green() && c.green() == c.blue()) << "row " << y;
      } else {
        const double distance = std::hypot(c.red() - 255.0, c.green(), c.blue());
        EXPECT_LT(distance, 180.0) << "row " << y;
      }
    }
  }
}

TEST(CardArt, SmallSuitSymbolsStandOnTheSilverKey) {
  for (const std::string file : {"Cher.png", "Bubi.png", "Kres.png", "Piki.png"}) {
    SCOPED_TRACE(file);
    const QImage symbol = Load(file);
    for (const auto& [x, y] :
         {std::pair{0, 0}, std::pair{19, 0}, std::pair{0, 19}, std::pair{19, 19}}) {
      EXPECT_EQ(symbol.pixelColor(x, y), QColor(192, 192, 192));
    }
    EXPECT_NE(symbol.pixelColor(10, 10), QColor(192, 192, 192));
  }
}

// Big cards are flattened onto black before they are resampled: only the rounded corners may
// be transparent, or black edges would show on every scaled card.
TEST(CardArt, BigCardsAreOpaqueBesideTheirCorners) {
  constexpr int Corner = 8;
  for (const std::string name : {"Ch09B", "Bu2JB", "Kr4KB", "Pi5AB", "Ob01MoB", "Ob07SuB"}) {
    SCOPED_TRACE(name);
    const QImage card = Load(name + ".png");
    EXPECT_EQ(qAlpha(card.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(card.pixel(card.width() - 1, card.height() - 1)), 0);
    for (int y = 0; y < card.height(); ++y) {
      for (int x = 0; x < card.width(); ++x) {
        const bool inCorner = (x < Corner || x >= card.width() - Corner) &&
                              (y < Corner || y >= card.height() - Corner);
        if (!inCorner) {
          ASSERT_EQ(qAlpha(card.pixel(x, y)), 255) << x << ", " << y;
        }
      }
    }
  }
}

// The menu recolours its titles by rules written for a red source: every visible pixel must
// have red as its strongest channel, or a tint would turn parts of it the wrong colour.
TEST(MenuTitles, AreDrawnInRedOnly) {
  for (const auto& code : LanguageCodes) {
    for (const std::string base : {"Cap", "Elite", "Net__"}) {
      SCOPED_TRACE(base + code);
      const QImage title = Load(base + code + ".png");
      int visible = 0;
      for (int y = 0; y < title.height(); ++y) {
        for (int x = 0; x < title.width(); ++x) {
          const QColor c = title.pixelColor(x, y);
          if (c.alpha() < 32) continue;
          ++visible;
          ASSERT_GE(c.red(), c.green()) << x << ", " << y;
          ASSERT_GE(c.red(), c.blue()) << x << ", " << y;
        }
      }
      EXPECT_GT(visible, title.width() * title.height() / 20);
    }
  }
}

// The cursors are registered with these hot spots; each must lie on the drawn shape, and the
// corner away from it must stay clear.
TEST(Cursors, HotSpotsLieOnTheShape) {
  struct Case {
    std::string file;
    QPoint hotSpot;
  };
  const std::vector<Case> cases{{"CURARROW.png", {2, 2}},
                                {"CURHAND_00.png", {12, 2}},
                                {"CURWAIT_00.png", {16, 16}},
                                {"CUREDIT_00.png", {16, 16}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const QImage cursor = Load(c.file);
    EXPECT_GT(qAlpha(cursor.pixel(c.hotSpot)), 128);
    EXPECT_EQ(qAlpha(cursor.pixel(31, 0)), 0);
  }
}

}  // namespace

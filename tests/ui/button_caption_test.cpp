// The main window's big buttons fit their captions in every language at every window size.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "ui/layout.h"
#include "ui/skin_button.h"
#include "ui/text_helpers.h"

namespace fibwick {
namespace {

// Measured apart from the fitting: the caption's lines in its font against the room.
bool Within(const FittedText& caption, const QString& text, QRect room) {
  const QFontMetrics metrics(caption.font);
  const QRect drawn =
      caption.wrapped
          ? metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, text)
          : QRect(0, 0, metrics.horizontalAdvance(text), metrics.height());
  return drawn.width() <= room.width() && drawn.height() <= room.height();
}

struct ButtonKind {
  const char* name;
  std::vector<Message> captions;
  // The button's size in a window of this layout.
  QSize (*size)(const Layout&);
};

const std::vector<ButtonKind>& Kinds() {
  static const std::vector<ButtonKind> kinds = {
      {"menu",
       {MsgTopTen, MsgHistory, MsgOptions, MsgMode, MsgExit},
       [](const Layout& l) {
         const PixelRect r = LayoutMenuGeometry(l).topTen;
         return QSize(r.width, r.height);
       }},
      {"new player",
       {MsgNewPlayer},
       [](const Layout& l) {
         const PixelRect r = LayoutMenuGeometry(l).newPlayer;
         return QSize(r.width, r.height);
       }},
      // The answers under the claim plate, the game-over ones among them.
      {"table",
       {MsgIDontBelieve, MsgIPutStillButton, MsgPass, MsgNextGame, MsgExitToMenu},
       [](const Layout& l) { return QSize(Scaled(l, 150), ButtonHeight(l)); }},
  };
  return kinds;
}

TEST(ButtonCaptions, EveryMainWindowCaptionFitsItsButtonAtEverySize) {
  const FontRoles roles;
  for (int mode = 1; mode <= WindowSizeModeCount; ++mode) {
    const Layout layout = MakeLayout(mode, 1280, 1000, true);
    for (int language = 0; language < LanguageCount; ++language) {
      SetLanguage(language);
      for (const ButtonKind& kind : Kinds()) {
        for (const Message message : kind.captions) {
          ButtonFace face;
          face.size = kind.size(layout);
          face.text = Catalogue(message);
          face.font = RoleFont(roles, FontRole::Decor, MainButtonFontHeight(layout, roles), true);
          const FittedText caption = FitCaption(face);
          const std::string where = std::string(kind.name) + " mode " + std::to_string(mode) +
                                    " language " + std::to_string(language) + ": " +
                                    face.text.toStdString();
          EXPECT_TRUE(Within(caption, face.text, CaptionRoom(face))) << where;
          EXPECT_GE(PixelHeight(caption.font), ReadableFloorPx) << where;
        }
      }
    }
  }
  SetLanguage(0);
}

TEST(ButtonCaptions, AShortCaptionKeepsItsFontAndALongOneStepsDownOrWraps) {
  ButtonFace face;
  face.size = QSize(100, 30);
  face.font.setFamily("Comic Sans MS");
  face.font.setPixelSize(20);
  face.font.setBold(true);
  face.text = "Ok";
  EXPECT_EQ(FitCaption(face).font.pixelSize(), 20);
  EXPECT_FALSE(FitCaption(face).wrapped);

  face.text = QString::fromUtf8("Десятка лучших");
  const FittedText small = FitCaption(face);
  EXPECT_LT(small.font.pixelSize(), 20);
  EXPECT_TRUE(Within(small, face.text, CaptionRoom(face)));

  // A tall button takes the words on two lines rather than shrink them further.
  face.size = QSize(100, 60);
  const FittedText tall = FitCaption(face);
  EXPECT_TRUE(tall.wrapped);
  EXPECT_GT(tall.font.pixelSize(), small.font.pixelSize());
  EXPECT_TRUE(Within(tall, face.text, CaptionRoom(face)));
}

}  // namespace
}  // namespace fibwick

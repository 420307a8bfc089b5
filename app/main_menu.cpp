// The main menu screen of TForm1: its layout and its periodic lamps.
#include <QFontMetrics>
#include <QRegion>

#include "app/tform1.h"
#include "base/cp1251.h"
#include "base/round_even.h"
#include "records/catalogue.h"
#include "records/club_list.h"
#include "ui/balloon_hint.h"
#include "ui/builtin_pictures.h"
#include "ui/caption_tint.h"
#include "ui/hud.h"
#include "ui/skin_button.h"

namespace fibwick {
namespace {

int X(const Layout& l, double v) {
  return RoundEven(l.scaleX * v);
}
int Y(const Layout& l, double v) {
  return RoundEven(l.scaleY * v);
}

// Lamp offsets on each lamp board.
constexpr QPoint LampOffsets[3] = {{16, 15}, {41, 1}, {66, 15}};

void Skin(TNuvCardsButton* button, TColorSB colour, QColor font, const QString& text,
          const QFont& face) {
  button->SetColorSB(colour);
  button->SetFontColour(font);
  button->SetColorMouse(QColor(255, 255, 0));
  button->SetLightFont(true);
  button->setFont(face);
  button->setText(text);
}

}  // namespace

void TForm1::LayoutMainMenu() {
  PlaceWindow();
  const Layout& l = layout_;
  const int bh = ButtonHeight(l);
  const bool purple = settings_.MenuDesign == 1;
  const QFont bigFont = RoleFont(fonts_, FontRole::Decor, MainButtonFontHeight(l, fonts_), true);
  const QColor menuFont = purple ? QColor(200, 175, 50) : QColor(255, 255, 255);

  for (QAction* action : {actCount_, actExit_, actRename_}) action->setEnabled(false);
  imTitle_.rect = {X(l, 230), Y(l, 90) - Scaled(l, 5), X(l, 300), 3 * bh};
  ComposeOverBackground(imTitle_, background_, LoadBuiltinPicture("GTitle"));
  imCaption_.rect = {PlaceX(l, 180, 400), PlaceY(l, 12, 70), Scaled(l, 400), Scaled(l, 70)};
  imElite_.rect = {PlaceX(l, 205, 350), PlaceY(l, 183, 40), Scaled(l, 350), Scaled(l, 40)};
  const QString code = QString::fromUtf8(LanguageSuffix(CurrentLanguage()));
  ComposeOverBackground(imCaption_, background_,
                        TintPicture(LoadBuiltinPicture("Cap" + code), settings_.CaptionTint));
  const QString elite = settings_.NetworkGame ? "Net__" : "Elite";
  ComposeOverBackground(imElite_, background_,
                        TintPicture(LoadBuiltinPicture(elite + code), settings_.CaptionTint));

  for (int k = 0; k < 5; ++k) {
    PlaceButton(buttons_[static_cast<std::size_t>(k + 1)],
                {X(l, 180), Y(l, 265) + k * bh, X(l, 400), bh});
  }
  PlaceButton(panel4_, {X(l, 180), Y(l, 265) - bh - Scaled(l, 10), X(l, 400), bh});
  PlaceButton(buttons_[6], {X(l, 280), Y(l, 265) + 5 * bh + Scaled(l, 10), X(l, 200), bh});
  PlaceButton(buttons_[9], {X(l, 40), Y(l, 225), X(l, 100), bh});
  PlaceButton(bHistory_, {X(l, 40), Y(l, 255), X(l, 100), bh});
  PlaceButton(buttons_[10], {X(l, 620), Y(l, 225), X(l, 100), bh});
  PlaceButton(bMode_, {X(l, 620), Y(l, 255), X(l, 100), bh});
  PlaceButton(buttons_[11], {X(l, 330), Y(l, 465), X(l, 100), bh});

  Skin(buttons_[6], purple ? TColorSB::DCards : TColorSB::DNavy,
       purple ? menuFont : QColor(0, 255, 255), Catalogue(MsgNewPlayer), bigFont);
  const std::pair<TNuvCardsButton*, Message> menuButtons[] = {{buttons_[9], MsgTopTen},
                                                              {bHistory_, MsgHistory},
                                                              {buttons_[10], MsgOptions},
                                                              {bMode_, MsgMode},
                                                              {buttons_[11], MsgExit}};
  for (const auto& [button, message] : menuButtons) {
    Skin(button, purple ? TColorSB::DCards : TColorSB::DRed, menuFont, Catalogue(message), bigFont);
  }

  imageSvLeft_.rect = {X(l, 60) + RoundEven((l.scaleX - 1) * 50),
                       Y(l, 30) + RoundEven((l.scaleY - 1) * 100), 100, 200};
  imageSvRight_.rect = {X(l, 600) + RoundEven((l.scaleX - 1) * 50), imageSvLeft_.rect.top, 100,
                        200};
  // The boards have no picture of their own: the lamps stand on the background.
  FillWithBackground(imageSvLeft_, background_);
  FillWithBackground(imageSvRight_, background_);
  for (int i = 0; i < 6; ++i) {
    const PixelRect& board = i < 3 ? imageSvLeft_.rect : imageSvRight_.rect;
    const QPoint at = LampOffsets[i % 3];
    lampRects_[i] = QRect(board.left + at.x(), board.top + at.y(), 20, 30);
  }
  for (int i = 0; i < 6; ++i) {
    lampPictures_[static_cast<std::size_t>(i)] = LoadBuiltinPicture(QString("GMenuLamp%1").arg(i));
  }

  // The two animated pictures: frame 0 is the still one.
  const int gifTop = Y(l, 290) + RoundEven((l.scaleY - 1) * 100);
  rxGifAn1_.rect = {X(l, 7) + RoundEven((l.scaleX - 1) * 80), gifTop, 160, 200};
  rxGifAn2_.rect = {X(l, 592) + RoundEven((l.scaleX - 1) * 80), gifTop, 160, 200};
  // Each frame is composed over its background once, so running them is only a repaint.
  for (int g = 0; g < 2; ++g) {
    auto& frames = gifFrames_[static_cast<std::size_t>(g)];
    PictureControl& gif = g == 0 ? rxGifAn1_ : rxGifAn2_;
    frames.clear();
    for (int f = 0;; ++f) {
      const QImage frame =
          LoadBuiltinPicture(QString("GifMenu%1_%2").arg(g + 1).arg(f, 2, 10, QChar('0')));
      if (frame.isNull()) break;
      ComposeOverBackground(gif, background_, frame);
      frames.push_back(gif.buffer);
    }
    if (!frames.empty()) gif.buffer = frames.front();
  }

  // The icons of the online services, at their own size in two columns.
  struct IconPlace {
    bool right;
    int y;
    const char* picture;
    Message hint;
  };
  static constexpr IconPlace IconPlaces[] = {{false, 5, "AdvGiftR", MsgCouldNotConnectToServer},
                                             {false, 58, "Android", MsgCouldNotConnectToServer},
                                             {false, 111, "GHelp48", MsgHelp},
                                             {false, 164, "GTour48", MsgOnlineTournament},
                                             {true, 5, "AdvGiftG", MsgCouldNotConnectToServer},
                                             {true, 58, "Earth48", MsgCouldNotConnectToServer},
                                             {true, 111, "Stats", MsgStatistics},
                                             {true, 164, "Account48", MsgYouAreNotLoggedIn}};
  icons_.clear();
  for (const IconPlace& place : IconPlaces) {
    ServiceIcon icon;
    icon.control.rect = {place.right ? l.tableWidth - 53 : 5, place.y, 48, 48};
    icon.picture = place.picture;
    icon.hint = place.hint;
    ComposeOverBackground(icon.control, background_, LoadBuiltinPicture(icon.picture));
    icons_.push_back(std::move(icon));
  }
  const HudKit kit{layout_, background_, fonts_};
  ShowAccountState(kit, icons_.back().control, 1);

  if (MenuClocksShown()) {
    const int gapLeft = buttons_[9]->y() - imageSvLeft_.rect.top - 200;
    const int gapRight = buttons_[10]->y() - imageSvRight_.rect.top - 200;
    imClock1_.rect = {imageSvLeft_.rect.left - 7,
                      imageSvLeft_.rect.top + 200 + RoundEven(gapLeft / 2.0) - 36, 115, 64};
    imClock2_.rect = {imageSvRight_.rect.left - 7,
                      imageSvRight_.rect.top + 200 + RoundEven(gapRight / 2.0) - 36, 115, 64};
    DrawLocalClock(kit, imClock1_, QTime::currentTime());
    DrawIndicatorClock(IndicatorStyleForMinute(QTime::currentTime().minute(), false));
  }
  DrawClubList();
  ShowScreen(Screen::Menu);
}

void TForm1::DrawClubList() {
  const bool purple = settings_.MenuDesign == 1;
  const QFont listFont = ClubListFont(layout_, fonts_);
  // Names are shortened by their width in the small window's font at every size, so a larger
  // window never shows less of a name than the small one.
  const QFontMetrics metrics(ClubListMeasureFont(fonts_));
  const auto width = [&](std::string_view text) {
    return metrics.horizontalAdvance(QString::fromStdString(Cp1251ToUtf8(text)));
  };
  const auto list =
      ReadClubList(session_.ClubFile(settings_.NetworkGame), settings_.ClubListMode, width);
  for (int k = 1; k <= 5; ++k) {
    const std::string text = list ? list->buttons[static_cast<std::size_t>(k - 1)] : std::string();
    Skin(buttons_[static_cast<std::size_t>(k)], purple ? TColorSB::DCards : TColorSB::DNavy,
         purple ? QColor(200, 175, 50) : QColor(0, 255, 255),
         QString::fromStdString(Cp1251ToUtf8(text)), listFont);
  }
  Skin(panel4_, purple ? TColorSB::DCards : TColorSB::DBlue,
       purple ? QColor(128, 50, 50)
              : (settings_.NewButtons ? QColor(0, 0, 255) : QColor(200, 255, 255)),
       Catalogue(ClubListHeader(settings_.ClubListMode)), listFont);
  panel4_->SetKLightSB(purple ? 50 : 0);
}

void TForm1::MenuTick() {
  lampPattern_ = (lampPattern_ + 1) % 6;
  // Only what moves is drawn again; the rest of the menu stays as composed.
  QRegion lamps;
  for (const QRect& lamp : lampRects_) lamps += lamp;
  update(lamps);
  ++menuTicks_;
  if (settings_.GifAnimation && menuTicks_ % 5 == 0) {
    for (int g = 0; g < 2; ++g) {
      const auto& frames = gifFrames_[static_cast<std::size_t>(g)];
      if (frames.empty()) continue;
      PictureControl& gif = g == 0 ? rxGifAn1_ : rxGifAn2_;
      gif.buffer = frames[static_cast<std::size_t>(menuTicks_ / 5) % frames.size()];
      UpdateControl(gif);
    }
  }
  if (!imClock1_.visible) return;
  const QTime now = QTime::currentTime();
  DrawLocalClock(HudKit{layout_, background_, fonts_}, imClock1_, now);
  UpdateControl(imClock1_);
  // The indicator turns to the next figure once a minute, at its first second.
  if (now.second() != 1) {
    indicatorTurned_ = false;
  } else if (!indicatorTurned_) {
    indicatorTurned_ = true;
    DrawIndicatorClock(IndicatorStyleForMinute(now.minute(), false));
    UpdateControl(imClock2_);
  }
}

bool TForm1::MenuClocksShown() const {
  return MenuClocksVisible(layout_);
}

// No game service is reached from this version, so the figure and the hint say so.
void TForm1::DrawIndicatorClock(int style) {
  DrawIndicator(HudKit{layout_, background_, fonts_}, imClock2_, style, UnconnectedReading());
  indicatorHint_ = IndicatorHint(style, QString(), false, false);
}

void TForm1::ShowTopTenBalloon(TNuvCardsButton& button) {
  if (screen_ != Screen::Menu) return;
  BalloonHint::ShowText(Catalogue(MsgGamesInCycle) + ":", QString::number(GamesPerCycle), &button,
                        QPoint(button.width() / 2, 0), BalloonIcon::Information, BalloonStyle{},
                        5000);
}

void TForm1::ServiceIconClick(const ServiceIcon& icon) {
  // The online services arrive later; until then a click says so instead of doing nothing.
  const bool tournament = std::string_view(icon.picture) == "GTour48";
  ShowNotice(
      std::string(MessageText(tournament ? MsgLogInToYourAccount : MsgCouldNotConnectToServer)));
}

void TForm1::CaptionClick() {
  settings_.CaptionTint = NextCaptionTint(settings_.CaptionTint);
  LayoutMainMenu();
}

}  // namespace fibwick

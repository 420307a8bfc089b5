#include "ui/dialogs/cards_page.h"

#include <QStandardItemModel>

#include "ui/card_drawing.h"
#include "ui/packs.h"
#include "ui/text_helpers.h"

namespace fibwick {
namespace {

constexpr std::array<Message, FaceSetCount> FaceSetNames{MsgClassical1,
                                                         MsgMedieval1,
                                                         MsgModern,
                                                         MsgAncientEgypt,
                                                         MsgBaronesse,
                                                         MsgCeltic,
                                                         MsgCorona,
                                                         MsgCrown,
                                                         MsgEnglishPattern,
                                                         MsgFrankfurt,
                                                         MsgHistoricalCostumes,
                                                         MsgNativeAmericans,
                                                         MsgOldGardenRoses,
                                                         MsgParrots,
                                                         MsgRoyal,
                                                         MsgShakespeare,
                                                         MsgBigBen,
                                                         MsgFourReignsOfEnglishHistory,
                                                         MsgLargePrintLondon,
                                                         MsgClassical2,
                                                         MsgHearts,
                                                         MsgSeasons,
                                                         MsgRhineStyle,
                                                         MsgMedieval2,
                                                         MsgDoods,
                                                         MsgPlayboy,
                                                         MsgEpic,
                                                         MsgUSSR,
                                                         MsgPlastic,
                                                         MsgSkatGermanSuits,
                                                         MsgSkatTournamentSuits,
                                                         MsgSkatFrenchSuits,
                                                         MsgWhitePalekh,
                                                         MsgDiana,
                                                         MsgPrincely,
                                                         MsgForSolitaires,
                                                         MsgSatin,
                                                         MsgSlavic,
                                                         MsgMaya,
                                                         MsgBast,
                                                         MsgFrench,
                                                         MsgSpanish1,
                                                         MsgSpanish2,
                                                         MsgSpanish3,
                                                         MsgSpanish4,
                                                         MsgChinese,
                                                         MsgItalian,
                                                         MsgCzech};

constexpr int SampleStep = 63;
constexpr int SmallCardWidth = 71;
constexpr int SmallCardHeight = 96;

// Ace of spades, king of hearts, queen of diamonds, jack of clubs.
std::array<CardCode, 4> SampleCards() {
  std::array<CardCode, 4> cards{};
  for (std::size_t i = 0; i < cards.size(); ++i) {
    const auto rank = static_cast<RankIndex>(RankCount - static_cast<int>(i));
    cards[i] = MakeCard(rank, static_cast<SuitIndex>((i + 3) % SuitCount));
  }
  return cards;
}

// Four small cards of the set side by side, as a player would see them in a hand.
QImage SamplePicture(int set, const ArtSources& sources) {
  CardArt art;
  Layout layout = MakeLayout(1, 0, 0, true);
  ArtChoice choice{.faceSet = set};
  std::vector<Notice> ignored;  // the window reports what its own loading misses
  LoadFaceSet(art, layout, choice, sources, ignored);
  const auto cards = SampleCards();
  const int width = SampleStep * (static_cast<int>(cards.size()) - 1) + SmallCardWidth;
  QImage picture(width, SmallCardHeight, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  for (std::size_t i = 0; i < cards.size(); ++i) {
    DrawCardFace(picture, static_cast<int>(i) * SampleStep, 0, cards[i], art, layout);
  }
  return picture;
}

// The set's hearts symbol in front of its name; the built-in set's own for set 0.
std::array<QImage, FaceSetCount> SetIcons(const std::array<bool, FaceSetCount>& offered,
                                          const ArtSources& sources) {
  std::array<QImage, FaceSetCount> icons;
  icons[0] = sources.builtin(SymbolPictureName(0, 0));
  for (const std::string_view packName :
       {"NuvCards06A.dll", "NuvCards06B.dll", "NuvCards06C.dll"}) {
    const std::unique_ptr<Pack> pack =
        sources.packs != nullptr ? sources.packs->Open(packName) : nullptr;
    if (!pack) continue;
    for (int set = 1; set < FaceSetCount; ++set) {
      if (offered[static_cast<std::size_t>(set)] && FacePackName(set) == packName) {
        icons[static_cast<std::size_t>(set)] = pack->Picture(SymbolPictureName(set, 0));
      }
    }
  }
  return icons;
}

}  // namespace

CardsPage::CardsPage(Settings& settings, const QFont& font, const ArtSources& sources,
                     std::function<void()> changed)
    : settings_(settings),
      sources_(sources),
      changed_(std::move(changed)),
      offered_(OfferedFaceSets(sources)),
      faceSet_(new QComboBox(this)),
      sample_(new QLabel(this)) {
  setObjectName("CardsPage");
  faceSet_->setFont(font);
  faceSet_->setGeometry(12, 14, 300, 32);
  faceSet_->setMaxVisibleItems(16);
  faceSet_->setIconSize(QSize(16, 16));
  const auto icons = SetIcons(offered_, sources_);
  auto* model = qobject_cast<QStandardItemModel*>(faceSet_->model());
  for (int set = 0; set < FaceSetCount; ++set) {
    const QImage& icon = icons[static_cast<std::size_t>(set)];
    faceSet_->addItem(icon.isNull() ? QIcon() : QIcon(QPixmap::fromImage(icon)), {});
    faceSet_->setItemData(set, QSize(0, 18), Qt::SizeHintRole);
    if (!offered_[static_cast<std::size_t>(set)]) model->item(set)->setEnabled(false);
  }
  sample_->setGeometry(12, 58, SampleStep * 3 + SmallCardWidth, SmallCardHeight);
  ShowSet();
  connect(faceSet_, &QComboBox::activated, this, &CardsPage::ChooseSet);
}

void CardsPage::ChooseSet(int set) {
  if (set < 0 || set >= FaceSetCount || !offered_[static_cast<std::size_t>(set)]) set = 0;
  settings_.FaceSet = set;
  if (changed_) changed_();
  ShowSet();
}

void CardsPage::ShowSet() {
  faceSet_->setCurrentIndex(settings_.FaceSet);
  sample_->setPixmap(QPixmap::fromImage(SamplePicture(settings_.FaceSet, sources_)));
}

void CardsPage::Recaption() {
  for (int set = 0; set < FaceSetCount; ++set) {
    faceSet_->setItemText(set, Catalogue(FaceSetNames[static_cast<std::size_t>(set)]));
  }
}

}  // namespace fibwick

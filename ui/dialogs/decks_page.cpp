#include "ui/dialogs/decks_page.h"

#include "ui/card_names.h"
#include "ui/dialogs/options_rules.h"
#include "ui/text_helpers.h"

namespace fibwick {
namespace {

constexpr std::array<Message, BackSetCount> BackSetNames{
    MsgClassical1, MsgMedieval1, MsgMedieval2, MsgBackCarpet, MsgCross, MsgChess,  MsgDiamond,
    MsgKnightly,   MsgAnimals,   MsgFlowers,   MsgPlaces,     MsgOther, MsgRussian};
constexpr std::array<Message, 3> ModificationNames{MsgToChangeDecks, MsgAlwaysOne, MsgRandom};

}  // namespace

DecksPage::DecksPage(Settings& settings, const QFont& font, const QCursor& handCursor,
                     std::function<bool(int)> loadable, std::function<void()> changed)
    : settings_(settings),
      loadable_(std::move(loadable)),
      changed_(std::move(changed)),
      backSet_(new QComboBox(this)),
      modification_(new QGroupBox(this)),
      group_(new QButtonGroup(this)) {
  setObjectName("DecksPage");
  backSet_->setFont(font);
  backSet_->setGeometry(12, 14, 220, 32);
  backSet_->setMaxVisibleItems(BackSetCount);
  for (int set = 0; set < BackSetCount; ++set) backSet_->addItem({});
  modification_->setFont(font);
  modification_->setGeometry(250, 4, 208, 130);
  for (int item = 0; item < 3; ++item) {
    auto* button = new QRadioButton(modification_);
    button->setFont(font);
    button->setCursor(handCursor);
    button->setGeometry(12, 26 + item * 32, 190, 28);
    group_->addButton(button, item);
    items_[static_cast<std::size_t>(item)] = button;
  }
  backSet_->setCurrentIndex(settings_.BackSet);
  ShowModification();

  connect(backSet_, &QComboBox::activated, this, &DecksPage::ChooseSet);
  connect(group_, &QButtonGroup::idClicked, this, [this](int item) {
    settings_.AlwaysOneBack = static_cast<BackModification>(item) == BackModification::AlwaysOne;
    if (changed_) changed_();
  });
}

void DecksPage::ChooseSet(int set) {
  settings_.BackSet = loadable_(set) ? set : 0;
  backSet_->setCurrentIndex(settings_.BackSet);
  const BackModification selected = static_cast<BackModification>(group_->checkedId());
  const ModificationChoice choice = ModificationFor(settings_.BackSet, selected);
  settings_.AlwaysOneBack = choice.selected == BackModification::AlwaysOne;
  ShowModification();
  if (changed_) changed_();
}

void DecksPage::ShowModification() {
  const ModificationChoice choice = ModificationFor(settings_.BackSet, ModificationOf(settings_));
  for (std::size_t item = 0; item < items_.size(); ++item) {
    items_[item]->setEnabled(choice.enabled[item]);
  }
  items_[static_cast<std::size_t>(choice.selected)]->setChecked(true);
}

void DecksPage::Recaption() {
  for (int set = 0; set < BackSetCount; ++set) {
    backSet_->setItemText(set, Catalogue(BackSetNames[static_cast<std::size_t>(set)]));
  }
  modification_->setTitle(Catalogue(MsgModification));
  for (std::size_t item = 0; item < items_.size(); ++item) {
    items_[item]->setText(Catalogue(ModificationNames[item]));
  }
}

}  // namespace fibwick

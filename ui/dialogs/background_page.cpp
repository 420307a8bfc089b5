#include "ui/dialogs/background_page.h"

#include <array>

#include "ui/dialogs/options_rules.h"
#include "ui/text_helpers.h"

namespace fibwick {
namespace {

constexpr std::array<Message, 10> StyleNames{
    MsgSun,  MsgFelt,   MsgGradient, MsgCloth, MsgBackgroundCarpet,
    MsgTree, MsgCasino, MsgPattern,  MsgSilk,  MsgOrnament};
constexpr std::array<Message, 7> ColourNames{MsgGreen,     MsgRed,      MsgOrang, MsgYellow,
                                             MsgLightBlue, MsgDarkBlue, MsgViolet};

}  // namespace

BackgroundPage::BackgroundPage(Settings& settings, const QFont& font, std::function<void()> changed)
    : settings_(settings),
      changed_(std::move(changed)),
      group_(new QGroupBox(this)),
      style_(new QComboBox(group_)),
      colour_(new QComboBox(group_)) {
  setObjectName("BackgroundPage");
  group_->setFont(font);
  group_->setGeometry(12, 4, 300, 120);
  style_->setGeometry(12, 28, 276, 32);
  colour_->setGeometry(12, 72, 276, 32);
  for (std::size_t i = 0; i < StyleNames.size(); ++i) style_->addItem({});
  for (std::size_t i = 0; i < ColourNames.size(); ++i) colour_->addItem({});
  style_->setMaxVisibleItems(static_cast<int>(StyleNames.size()));
  style_->setCurrentIndex(settings_.BackgroundStyle - 1);
  colour_->setCurrentIndex(settings_.BackgroundColour);
  Enable();

  connect(style_, &QComboBox::activated, this, [this](int index) {
    settings_.BackgroundStyle = index + 1;
    if (changed_) changed_();
  });
  connect(colour_, &QComboBox::activated, this, [this](int index) {
    settings_.BackgroundColour = index;
    if (changed_) changed_();
  });
}

void BackgroundPage::Enable() {
  group_->setEnabled(BackgroundChoosable(settings_.MenuDesign, settings_.TableDesign));
}

void BackgroundPage::Recaption() {
  group_->setTitle(Catalogue(MsgBackground));
  for (std::size_t i = 0; i < StyleNames.size(); ++i) {
    style_->setItemText(static_cast<int>(i), Catalogue(StyleNames[i]));
  }
  for (std::size_t i = 0; i < ColourNames.size(); ++i) {
    colour_->setItemText(static_cast<int>(i), Catalogue(ColourNames[i]));
  }
}

}  // namespace fibwick

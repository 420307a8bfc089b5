#include "ui/dialogs/design_page.h"

#include "ui/dialogs/dialog_frame.h"
#include "ui/dialogs/options_rules.h"
#include "ui/text_helpers.h"

namespace fibwick {
namespace {

constexpr int LabelHeight = 24;
constexpr int ChooserHeight = 32;
constexpr std::array<Message, 3> ChooserNames{MsgMainMenuDesign, MsgGameTableDesign,
                                              MsgAuxiliaryWindowDesign};
// The auxiliary designs in chooser order, which is also the order of the dialog designs.
constexpr std::array<Message, DialogDesignCount> AuxNames{MsgGrayAristocratic, MsgGrayConcise,
                                                          MsgGrayWithRedRibbons, MsgPurple};

}  // namespace

DesignPage::DesignPage(Settings& settings, const QFont& font, const QCursor& handCursor,
                       DesignPageHooks hooks)
    : settings_(settings), hooks_(std::move(hooks)), font_(font) {
  setObjectName("DesignPage");
  menu_ = AddChooser(0, 2, [this](int item) { settings_.MenuDesign = item; });
  table_ = AddChooser(1, 2, [this](int item) { settings_.TableDesign = item; });
  aux_ = AddChooser(2, DialogDesignCount, [this](int item) { SetDialogDesign(settings_, item); });
  menu_->setCurrentIndex(settings_.MenuDesign);
  table_->setCurrentIndex(settings_.TableDesign);
  aux_->setCurrentIndex(DialogDesignOf(settings_));

  salute_ = new QGroupBox(this);
  salute_->setFont(font);
  salute_->setGeometry(300, 4, 158, 100);
  saluteButtons_ = new QCheckBox(salute_);
  saluteCards_ = new QCheckBox(salute_);
  int y = 26;
  for (auto [box, value] : {std::pair{saluteButtons_, &settings_.SaluteButtons},
                            std::pair{saluteCards_, &settings_.SaluteCards}}) {
    box->setFont(font);
    box->setCursor(handCursor);
    box->setGeometry(12, y, 140, 28);
    box->setChecked(*value);
    connect(box, &QCheckBox::toggled, this, [value](bool on) { *value = on; });
    y += 32;
  }
  Refresh();
}

QComboBox* DesignPage::AddChooser(int row, int items, const std::function<void(int)>& choose) {
  const int y = 4 + row * (LabelHeight + ChooserHeight + 8);
  QLabel*& label = labels_.at(static_cast<std::size_t>(row));
  label = new QLabel(this);
  label->setFont(font_);
  label->setGeometry(12, y, 270, LabelHeight);
  auto* box = new QComboBox(this);
  box->setFont(font_);
  box->setGeometry(12, y + LabelHeight, 270, ChooserHeight);
  for (int i = 0; i < items; ++i) box->addItem({});
  connect(box, &QComboBox::activated, this, [this, box, choose](int item) {
    choose(Available(*box, item));
    if (hooks_.changed) hooks_.changed();
  });
  return box;
}

int DesignPage::Available(QComboBox& box, int item) {
  const int available =
      AvailableDesign(item, hooks_.graphicsLibraryPresent && hooks_.graphicsLibraryPresent());
  box.setCurrentIndex(available);
  if (available != item && hooks_.missingLibrary) hooks_.missingLibrary();
  return available;
}

void DesignPage::Refresh() {
  salute_->setEnabled(hooks_.graphicsLibraryPresent && hooks_.graphicsLibraryPresent());
}

void DesignPage::Recaption() {
  for (std::size_t i = 0; i < labels_.size(); ++i) labels_[i]->setText(Catalogue(ChooserNames[i]));
  for (QComboBox* box : {menu_, table_}) {
    box->setItemText(0, Catalogue(MsgCustomizable));
    box->setItemText(1, Catalogue(MsgPurple));
  }
  for (std::size_t i = 0; i < AuxNames.size(); ++i) {
    aux_->setItemText(static_cast<int>(i), Catalogue(AuxNames[i]));
  }
  salute_->setTitle(Catalogue(MsgSalute));
  saluteButtons_->setText(Catalogue(MsgButtons));
  saluteCards_->setText(Catalogue(MsgSaluteCards));
}

}  // namespace fibwick

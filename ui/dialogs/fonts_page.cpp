#include "ui/dialogs/fonts_page.h"

#include "base/cp1251.h"
#include "ui/dialogs/options_rules.h"
#include "ui/text_helpers.h"

namespace fibwick {

FontsPage::FontsPage(Settings& settings, const QFont& font, const QStringList& families,
                     QAbstractButton* defaultButton, std::function<void()> changed)
    : settings_(settings),
      changed_(std::move(changed)),
      slot_(new QComboBox(this)),
      name_(new QComboBox(this)),
      scaleLabel_(new QLabel(this)),
      scale_(new QSpinBox(this)),
      default_(defaultButton),
      attention_(new QLabel(this)) {
  setObjectName("FontsPage");
  for (QWidget* control : std::initializer_list<QWidget*>{slot_, name_, scaleLabel_, scale_}) {
    control->setFont(font);
  }
  slot_->setGeometry(12, 14, 220, 32);
  for (int slot = 0; slot < FontSlotCount; ++slot) slot_->addItem({});
  name_->setGeometry(12, 56, 220, 32);
  name_->addItems(families);
  scaleLabel_->setGeometry(250, 14, 110, 32);
  scale_->setGeometry(360, 14, 90, 32);
  scale_->setRange(50, 150);
  default_->setParent(this);
  default_->setGeometry(250, 56, 200, 34);
  attention_->setFont(font);
  attention_->setGeometry(12, 100, 446, 110);
  attention_->setWordWrap(true);
  attention_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  slot_->setCurrentIndex(0);
  ShowSlot();

  connect(slot_, &QComboBox::activated, this, &FontsPage::ShowSlot);
  connect(name_, &QComboBox::activated, this, [this](int index) {
    FontNameOf(settings_, slot_->currentIndex()) =
        Utf8ToCp1251(name_->itemText(index).toStdString());
    Changed();
  });
  connect(scale_, &QSpinBox::valueChanged, this, [this](int percent) {
    int& scale = FontScaleOf(settings_, slot_->currentIndex());
    if (scale == percent) return;
    scale = percent;
    Changed();
  });
  connect(default_, &QAbstractButton::clicked, this, [this] {
    RestoreDefaultFonts(settings_);
    ShowSlot();
    Changed();
  });
}

// A name the system lacks stays shown as the slot's choice without joining the list.
void FontsPage::ShowSlot() {
  const QString name =
      QString::fromStdString(Cp1251ToUtf8(FontNameOf(settings_, slot_->currentIndex())));
  name_->setCurrentIndex(name_->findText(name));
  name_->setPlaceholderText(name);
  const QSignalBlocker quiet(scale_);
  scale_->setValue(FontScaleOf(settings_, slot_->currentIndex()));
}

void FontsPage::Changed() {
  if (changed_) changed_();
}

void FontsPage::Recaption() {
  slot_->setItemText(0, Catalogue(MsgLargeFont));
  slot_->setItemText(1, Catalogue(MsgSmallFont));
  slot_->setItemText(2, Catalogue(MsgSpecialFont) + " 1");
  slot_->setItemText(3, Catalogue(MsgSpecialFont) + " 2");
  scaleLabel_->setText(Catalogue(MsgScale));
  default_->setText(Catalogue(MsgDefault));
  // The text's line break is a Windows one written backwards: one line break is meant.
  attention_->setText(Catalogue(MsgFontSettingsWarning).remove('\r'));
}

}  // namespace fibwick

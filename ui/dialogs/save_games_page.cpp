#include "ui/dialogs/save_games_page.h"

#include "ui/text_helpers.h"

namespace fibwick {
namespace {

constexpr int SmallWindowMode = 1;

}  // namespace

SaveGamesPage::SaveGamesPage(Settings& settings, const QFont& font, const QCursor& handCursor)
    : settings_(settings),
      save_(new QCheckBox(this)),
      content_(new QComboBox(this)),
      delayLabel_(new QLabel(this)),
      delay_(new QSpinBox(this)) {
  setObjectName("SaveGamesPage");
  for (QWidget* control : std::initializer_list<QWidget*>{save_, content_, delayLabel_, delay_}) {
    control->setFont(font);
  }
  save_->setGeometry(12, 14, 440, 28);
  save_->setCursor(handCursor);
  content_->setGeometry(12, 56, 340, 32);
  content_->addItem({});
  content_->addItem({});
  delayLabel_->setGeometry(12, 104, 250, 28);
  delay_->setGeometry(270, 102, 100, 32);
  delay_->setRange(10, 5000);

  if (settings_.WindowSizeMode != SmallWindowMode) settings_.SaveGif = false;
  save_->setChecked(settings_.SaveGif);
  content_->setCurrentIndex(settings_.GifContent == 2 ? 1 : 0);
  delay_->setValue(settings_.GifDelay);
  Enable();

  connect(save_, &QCheckBox::toggled, this, [this](bool on) {
    settings_.SaveGif = on;
    Enable();
  });
  connect(content_, &QComboBox::activated, this,
          [this](int index) { settings_.GifContent = index + 1; });
  connect(delay_, &QSpinBox::valueChanged, this, [this](int ms) { settings_.GifDelay = ms; });
}

void SaveGamesPage::WindowSizeChanged() {
  if (settings_.WindowSizeMode != SmallWindowMode) save_->setChecked(false);
  Enable();
}

void SaveGamesPage::Enable() {
  save_->setEnabled(settings_.WindowSizeMode == SmallWindowMode);
  for (QWidget* control : std::initializer_list<QWidget*>{content_, delayLabel_, delay_}) {
    control->setEnabled(settings_.SaveGif);
  }
}

void SaveGamesPage::Recaption() {
  save_->setText(Catalogue(MsgSaveGamesAsGIFs));
  content_->setItemText(0, Catalogue(MsgSaveMainWindowOnly));
  content_->setItemText(1, Catalogue(MsgSaveScreenContents));
  delayLabel_->setText(Catalogue(MsgDelayBetweenFramesMsec));
}

}  // namespace fibwick

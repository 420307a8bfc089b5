#include "ui/dialogs/options_dialog.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTabBar>
#include <array>

#include "ui/card_names.h"
#include "ui/dialogs/caption_fit.h"
#include "ui/dialogs/fixed_texts.h"
#include "ui/dialogs/notice_dialog.h"
#include "ui/dialogs/options_rules.h"
#include "ui/layout.h"
#include "ui/packs.h"

namespace fibwick {
namespace {

constexpr int Width = 500;
constexpr int ContentHeight = 336;
constexpr int TabsLeft = 10;
// The tab labels shrink down to this size; a language that needs more room widens the window.
constexpr int SmallestTabPx = 12;
constexpr std::array<Message, LanguageCount> LanguageNames{
    MsgLanguageEnglish,  MsgLanguageRussian, MsgLanguageGerman,  MsgLanguageFrench,
    MsgLanguageSpanish,  MsgLanguageChinese, MsgLanguageItalian, MsgLanguageCzech,
    MsgLanguageJapanese, MsgLanguageKorean};

struct SizeChoice {
  int mode;
  Message name;
  QSize smallestScreen;  // the item is offered only on a screen at least this large
};
constexpr std::array<SizeChoice, WindowSizeModeCount> SizeChoices{{
    {1, MsgSmallWindow, {0, 0}},
    {2, MsgFullScreen, {0, 0}},
    {3, MsgAverageWindow1, {990, 670}},
    {4, MsgAverageWindow2, {1290, 870}},
    {5, MsgLargeWindow, {1520, 1020}},
}};

const SizeChoice& SizeChoiceOf(int mode) {
  for (const SizeChoice& choice : SizeChoices) {
    if (choice.mode == mode) return choice;
  }
  return SizeChoices[0];
}

void Call(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace

QString LargeFlagPicture(int language) {
  switch (language) {
    case 8:
      return "FlagOJap";
    case 9:
      return "FlagOKor";
    default: {
      const std::string_view suffix = LanguageSuffix(language);
      return "FlagO" + QString::fromLatin1(suffix.data(), static_cast<qsizetype>(suffix.size()));
    }
  }
}

std::vector<int> WindowSizeChoices(QSize screen) {
  std::vector<int> modes;
  for (const SizeChoice& choice : SizeChoices) {
    if (screen.width() >= choice.smallestScreen.width() &&
        screen.height() >= choice.smallestScreen.height()) {
      modes.push_back(choice.mode);
    }
  }
  return modes;
}

OptionsDialog::OptionsDialog(DialogContext& context, OptionsHooks hooks, QSize screen,
                             QWidget* parent)
    : DialogFrame(context, PicturesOf(DialogArt::Options), MsgOptions, QSize(Width, ContentHeight),
                  parent),
      hooks_(std::move(hooks)) {
  Settings& settings = context.settings;
  flag_ = new QLabel(Content());
  flag_->setGeometry(10, 4, 100, 68);
  flag_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ok_ = AddButton(OkText, QRect(Width - TabsLeft - 140, 20, 140, 34));
  connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);

  tabs_ = new QTabWidget(Content());
  tabs_->setGeometry(TabsLeft, 76, Width - 2 * TabsLeft, ContentHeight - 82);
  tabs_->setFont(ControlFont());
  // Narrow padding, drawn by the style sheet, so that the tabs need less room than the style's.
  tabs_->tabBar()->setFont(ControlFont());
  tabs_->tabBar()->setStyleSheet(QStringLiteral(
      "QTabBar::tab { padding: 4px 5px; border: 1px solid #a0a0a0; border-bottom: none;"
      " border-top-left-radius: 3px; border-top-right-radius: 3px; background: #d8d8d8; }"
      "QTabBar::tab:selected { background: #f8f8f8; }"));
  auto* general = new QWidget;
  tabs_->addTab(general, {});
  const QFont font = ControlFont();

  language_ = new QComboBox(general);
  language_->setGeometry(12, 14, 200, 32);
  language_->setFont(font);
  for (int language = 0; language < LanguageCount; ++language) {
    const QImage flag = context.sources.builtin(LargeFlagPicture(language));
    language_->addItem(
        QPixmap::fromImage(flag.scaled(24, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
        Catalogue(LanguageNames[static_cast<std::size_t>(language)]));
  }
  language_->setIconSize(QSize(24, 16));
  language_->setCurrentIndex(CurrentLanguage());
  connect(language_, &QComboBox::activated, this, [this](int index) {
    SetLanguage(index);
    Context().settings.Language = index;
    RecaptionFrame();
    Call(hooks_.languageChanged);
  });

  windowSize_ = new QComboBox(general);
  windowSize_->setGeometry(12, 56, 200, 32);
  windowSize_->setFont(font);
  for (const int mode : WindowSizeChoices(screen)) {
    windowSize_->addItem({}, mode);
    const std::string_view hint = SizeModeHint(mode);
    windowSize_->setItemData(windowSize_->count() - 1,
                             QString::fromLatin1(hint.data(), static_cast<qsizetype>(hint.size())),
                             Qt::ToolTipRole);
  }
  windowSize_->setCurrentIndex(windowSize_->findData(settings.WindowSizeMode));
  connect(windowSize_, &QComboBox::activated, this, [this](int index) {
    Context().settings.WindowSizeMode = windowSize_->itemData(index).toInt();
    saveGames_->WindowSizeChanged();
    Call(hooks_.windowSizeChanged);
  });

  multiplayer_ =
      AddSwitch(general, QRect(12, 96, 210, 28), settings.NetworkGame, hooks_.networkGameChanged);

  speed_ = AddButton({}, QRect(12, 136, 200, 34), general);
  speed_->setEnabled(static_cast<bool>(hooks_.openSpeed));
  connect(speed_, &QAbstractButton::clicked, this, [this] {
    Call(hooks_.openSpeed);
    Recaption();
  });
  passport_ = AddButton({}, QRect(12, 178, 200, 34), general);
  passport_->setEnabled(static_cast<bool>(hooks_.openPassport));
  connect(passport_, &QAbstractButton::clicked, this, [this] { Call(hooks_.openPassport); });

  multimedia_ = new QGroupBox(general);
  multimedia_->setGeometry(230, 4, 228, 212);
  multimedia_->setFont(font);
  int y = 26;
  const auto add = [&](bool& value, const std::function<void()>& changed) {
    QCheckBox* box = AddSwitch(multimedia_, QRect(12, y, 210, 28), value, changed);
    y += 30;
    return box;
  };
  sound_ = add(settings.SoundOn, {});
  music_ = add(settings.MusicOn, hooks_.musicChanged);
  gif_ = add(settings.GifAnimation, hooks_.gifAnimationChanged);
  fly_ = add(settings.FlyCards, {});
  cursor_ = add(settings.RedCursor, hooks_.cursorsChanged);
  newButtons_ = add(settings.NewButtons, {});
  connect(newButtons_, &QCheckBox::toggled, this, [this] {
    ApplyNewButtons();
    Call(hooks_.newButtonsChanged);
  });

  // The packs: the card libraries on the cards tab, every pack on the DLL tab.
  downloads_ = new PackDownloads(*this, QRect(120, 20, Width - 120 - 160, 34));
  cards_ = new CardsPage(settings, font, context.sources, [this] { Call(hooks_.faceSetChanged); });
  cardsTab_ = tabs_->addTab(cards_, {});
  int x = 12;
  for (const std::string suffix : {"06A", "06B", "06C"}) {
    downloads_->AddButton("NuvCards" + suffix + ".dll", QString::fromStdString(suffix),
                          QRect(x, 170, 90, 34), cards_);
    x += 100;
  }
  decks_ = new DecksPage(
      settings, font, context.handCursor,
      [this](int set) { return BackSetLoadable(set, PackPresent(BackPackName)); },
      [this] { Call(hooks_.backSetChanged); });
  tabs_->addTab(decks_, {});
  tabs_->addTab(AddGamePage(), {});
  fonts_ = new FontsPage(settings, font, QFontDatabase::families(), AddButton({}, {}), [this] {
    Call(hooks_.fontsChanged);
    // This window is in the fonts too, and stays open.
    RefontFrame();
  });
  tabs_->addTab(fonts_, {});
  background_ = new BackgroundPage(settings, font, [this] { Call(hooks_.backgroundChanged); });
  tabs_->addTab(background_, {});
  saveGames_ = new SaveGamesPage(settings, font, context.handCursor);
  tabs_->addTab(saveGames_, {});
  auto* packs = new QWidget;
  dllTab_ = tabs_->addTab(packs, {});
  for (std::size_t i = 0; i < std::size(DownloadablePacks); ++i) {
    const int column = static_cast<int>(i % 3);
    const int row = static_cast<int>(i / 3);
    downloads_->AddButton(DownloadablePacks[i], DownloadablePacks[i],
                          QRect(12 + column * 152, 14 + row * 44, 144, 34), packs);
  }
  design_ = new DesignPage(
      settings, font, context.handCursor,
      {.graphicsLibraryPresent = [this] { return PackPresent(GraphicsPackName); },
       .missingLibrary =
           [this] {
             ShowNotice(this, Context(),
                        Catalogue(MsgCantFindTheFile) + ' ' + FromUtf8(GraphicsPackName));
           },
       .changed =
           [this] {
             background_->Enable();
             Call(hooks_.designChanged);
           }});
  tabs_->addTab(design_, {});
  connect(tabs_, &QTabWidget::currentChanged, downloads_, &PackDownloads::Refresh);
  connect(tabs_, &QTabWidget::currentChanged, design_, &DesignPage::Refresh);
}

QWidget* OptionsDialog::AddGamePage() {
  auto* game = new QWidget;
  minor_ = new QGroupBox(game);
  minor_->setGeometry(12, 4, 446, 70);
  minor_->setFont(ControlFont());
  lastCards_ = AddSwitch(minor_, QRect(12, 28, 420, 28), Context().settings.MarkLastCards, {});
  return game;
}

bool OptionsDialog::PackPresent(std::string_view fileName) const {
  return Context().sources.packs != nullptr && Context().sources.packs->Open(fileName) != nullptr;
}

QCheckBox* OptionsDialog::AddSwitch(QWidget* parent, const QRect& rect, bool& value,
                                    const std::function<void()>& changed) {
  auto* box = new QCheckBox(parent);
  box->setGeometry(rect);
  box->setFont(ControlFont());
  box->setCursor(Context().handCursor);
  box->setChecked(value);
  connect(box, &QCheckBox::toggled, this, [&value, changed](bool on) {
    value = on;
    Call(changed);
  });
  return box;
}

void OptionsDialog::Recaption() {
  const Settings& settings = Context().settings;
  flag_->setPixmap(
      QPixmap::fromImage(Context().sources.builtin(LargeFlagPicture(CurrentLanguage()))));
  tabs_->setTabText(0, Catalogue(MsgGeneral));
  tabs_->setTabText(cardsTab_, Catalogue(MsgCardsOptions));
  tabs_->setTabText(dllTab_, Catalogue(MsgDllTab));
  downloads_->Recaption();
  cards_->Recaption();
  for (int i = 0; i < windowSize_->count(); ++i) {
    windowSize_->setItemText(i, Catalogue(SizeChoiceOf(windowSize_->itemData(i).toInt()).name));
  }
  multiplayer_->setText(Catalogue(MsgMultiplayer));
  multimedia_->setTitle(Catalogue(MsgMultimedia));
  sound_->setText(Catalogue(MsgSound));
  music_->setText(Catalogue(MsgMusic));
  gif_->setText(Catalogue(MsgGifAnimation));
  fly_->setText(Catalogue(MsgFlyCards));
  cursor_->setText(Catalogue(MsgRedMouseCursor));
  newButtons_->setText(Catalogue(MsgNewButtons));
  speed_->setText(Catalogue(MsgSpeed) + '=' + QString::number(settings.FlightSpeed));
  passport_->setText(Catalogue(MsgPassport));
  tabs_->setTabText(tabs_->indexOf(saveGames_), Catalogue(MsgSaveGames));
  saveGames_->Recaption();
  tabs_->setTabText(tabs_->indexOf(decks_), Catalogue(MsgDecks));
  decks_->Recaption();
  tabs_->setTabText(tabs_->indexOf(minor_->parentWidget()), Catalogue(MsgGamePage));
  minor_->setTitle(Catalogue(MsgMinor));
  lastCards_->setText(Catalogue(MsgToSelectTheLastCards));
  tabs_->setTabText(tabs_->indexOf(fonts_), Catalogue(MsgFonts));
  fonts_->Recaption();
  tabs_->setTabText(tabs_->indexOf(background_), Catalogue(MsgBG));
  background_->Recaption();
  tabs_->setTabText(tabs_->indexOf(design_), Catalogue(MsgDesign));
  design_->Recaption();
  WidenForTabs();
}

void OptionsDialog::WidenForTabs() {
  QTabBar& bar = *tabs_->tabBar();
  QFont font = BaseFont(bar);
  font.setPixelSize(std::min(PixelHeight(font), SmallestTabPx));
  bar.setFont(font);
  const int width = std::max(Width, bar.sizeHint().width() + 2 * TabsLeft + 4);
  SetContentWidth(width);
  tabs_->resize(width - 2 * TabsLeft, tabs_->height());
  ok_->move(width - TabsLeft - ok_->width(), ok_->y());
}

void OptionsDialog::done(int result) {
  if (downloads_->Running()) return;
  DialogFrame::done(result);
}

void ShowOptions(QWidget* parent, DialogContext& context, const OptionsHooks& hooks) {
  const QScreen* screen = parent != nullptr && parent->screen() != nullptr
                              ? parent->screen()
                              : QGuiApplication::primaryScreen();
  OptionsDialog dialog(context, hooks, screen != nullptr ? screen->size() : QSize(), parent);
  dialog.exec();
}

}  // namespace fibwick

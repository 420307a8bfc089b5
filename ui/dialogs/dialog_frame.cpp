#include "ui/dialogs/dialog_frame.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QShowEvent>
#include <algorithm>
#include <array>

#include "ui/animated_cursor.h"
#include "ui/card_names.h"
#include "ui/dialogs/caption_fit.h"
#include "ui/dialogs/notice_dialog.h"
#include "ui/packs.h"

namespace fibwick {

namespace {

// DialogDesign against the two fields the settings file keeps.
constexpr std::array<int, 3> AuxDesignOfDesign{2, 1, 3};

constexpr int TitleTop = 10;
// The system's grey text, which the disabled labels of both backgrounds share.
constexpr QColor GreyedText{128, 128, 128};
constexpr int BandCap = 36;  // the band's ends, flourishes included, are never stretched
// The purple picture's top rows and side columns that hold its ornaments.
constexpr int PurpleKeep = 72;
// The corner scrolls of the purple pictures are at most this far across.
constexpr int ScrollSize = 66;
// Which of the frame's role fonts a control was made in.
constexpr const char* FontUseProperty = "fibwickFontUse";
enum class FontUse { Button = 1, Label, Control };

// Copies the picture into `size`: `keepSides` columns at either side and `keepTop` rows at the
// top at their size, the spans between them stretched to the rest.
QImage StretchKeepingEdges(const QImage& picture, QSize size, int keepSides, int keepTop) {
  QImage fitted(size, QImage::Format_ARGB32_Premultiplied);
  fitted.fill(Qt::transparent);
  QPainter p(&fitted);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const int w = size.width();
  const int h = size.height();
  const int pw = picture.width();
  const int ph = picture.height();
  struct Span {
    int to, toLength, from, fromLength;
  };
  const Span columns[] = {{0, keepSides, 0, keepSides},
                          {keepSides, w - 2 * keepSides, keepSides, pw - 2 * keepSides},
                          {w - keepSides, keepSides, pw - keepSides, keepSides}};
  const Span rows[] = {{0, keepTop, 0, keepTop}, {keepTop, h - keepTop, keepTop, ph - keepTop}};
  for (const Span& row : rows) {
    for (const Span& column : columns) {
      if (row.toLength <= 0 || column.toLength <= 0 || row.fromLength <= 0 ||
          column.fromLength <= 0) {
        continue;
      }
      p.drawImage(QRect(column.to, row.to, column.toLength, row.toLength), picture,
                  QRect(column.from, row.from, column.fromLength, row.fromLength));
    }
  }
  return fitted;
}

QString Latin(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

int DialogDesignOf(const Settings& settings) {
  if (settings.AuxDesignPurple) return 3;
  const auto found =
      std::find(AuxDesignOfDesign.begin(), AuxDesignOfDesign.end(), settings.AuxDesign);
  return found == AuxDesignOfDesign.end() ? 0 : static_cast<int>(found - AuxDesignOfDesign.begin());
}

void SetDialogDesign(Settings& settings, int design) {
  settings.AuxDesignPurple = design == 3;
  if (design >= 0 && design < 3) settings.AuxDesign = AuxDesignOfDesign[design];
}

int HeaderHeight(int design) {
  // The purple design has no header picture, but its picture's top holds the icon and the
  // corner scrolls: the controls start below them.
  static constexpr std::array<int, DialogDesignCount> Heights{64, 64, 90, PurpleTopStrip};
  return design >= 0 && design < DialogDesignCount ? Heights[design] : Heights[0];
}

QFont FitFont(QFont font, const QString& text, int width, int smallest) {
  while (font.pixelSize() > smallest && QFontMetrics(font).horizontalAdvance(text) > width) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  return font;
}

QFont TitleFont(const QString& title, int bandWidth, const FontRoles& roles) {
  // A long title in a wordy language steps down rather than run into the band's flourishes.
  return FitFont(RoleFont(roles, FontRole::Serif, FontSize(40, roles, FontRole::Serif), true),
                 title, bandWidth - 2 * TitleMargin, ReadableFloorPx);
}

QImage FitBand(const QImage& band, int width) {
  if (band.isNull() || band.width() == width || width <= 0) return band;
  return StretchKeepingEdges(band, QSize(width, band.height()),
                             std::min(BandCap, std::min(band.width(), width) / 2), band.height());
}

QImage FitBackground(const QImage& picture, QSize size) {
  if (picture.isNull() || picture.size() == size || size.isEmpty()) return picture;
  const int sides = std::min({PurpleKeep, picture.width() / 2, size.width() / 2});
  const int top = std::min({PurpleKeep, picture.height() - 1, size.height()});
  return StretchKeepingEdges(picture, size, sides, top);
}

std::vector<QRect> PurpleOrnaments(QSize window, bool withIcon) {
  std::vector<QRect> ornaments{QRect(window.width() - ScrollSize, 0, ScrollSize, ScrollSize)};
  // The icon's seat is a ring a little wider than the icon; without an icon a scroll stands there.
  ornaments.push_back(withIcon ? QRect(IconLeft - 6, IconTop - 6, IconSize + 12, IconSize + 12)
                               : QRect(0, 0, ScrollSize, ScrollSize));
  return ornaments;
}

int NextIconFrame(int frame, int count) {
  return frame >= count || frame < 1 ? 1 : frame + 1;
}

QImage IconFrame(const QImage& background, QPoint position, const QImage& film, int frame) {
  QImage scratch(IconSize, IconSize, QImage::Format_ARGB32_Premultiplied);
  scratch.fill(Qt::black);
  QPainter p(&scratch);
  if (!background.isNull()) p.drawImage(QPoint(0, 0), background, QRect(position, scratch.size()));
  p.drawImage(QPoint(-(frame - 1) * IconSize, 0), film);
  return scratch;
}

std::optional<QImage> LoadLibraryPicture(const DialogContext& context, const QString& name) {
  if (context.sources.packs == nullptr) return std::nullopt;
  const std::unique_ptr<Pack> pack = context.sources.packs->Open(GraphicsPackName);
  if (!pack) return std::nullopt;
  return pack->Picture(name);
}

// The header image: the band with the title, the concise caption or the ribbon.
class DialogHeader : public QWidget {
 public:
  explicit DialogHeader(DialogFrame& frame) : QWidget(&frame), frame_(frame) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    switch (frame_.design_) {
      case 0:
        PaintBand(p);
        break;
      case 1:
        // A dialog without a caption picture of its own keeps the band.
        if (frame_.headerPicture_.isNull()) {
          PaintBand(p);
        } else {
          p.drawImage(QPoint(0, 0), frame_.headerPicture_);
        }
        break;
      case 2:
        p.drawImage(QPoint(10, 0), frame_.context_.sources.builtin(Latin(frame_.pictures_.ribbon)));
        p.drawImage(QPoint(-20, -5), frame_.headerPicture_);
        break;
      default:
        break;
    }
  }

 private:
  void PaintBand(QPainter& p) {
    p.drawImage(QPoint(0, 0),
                FitBand(frame_.context_.sources.builtin(Latin(frame_.pictures_.band)), width()));
    const FontRoles roles = FontRolesOf(frame_.context_.settings);
    const QString title = frame_.Title().toUpper();
    const QFont font = TitleFont(title, width(), roles);
    p.setFont(font);
    const int y = TitleTop + (FontSize(40, roles, FontRole::Serif) - font.pixelSize()) / 2;
    ShadowText(p, title, 0, width(), 'c', TitleColour, y);
  }

  DialogFrame& frame_;
};

DialogFrame::DialogFrame(DialogContext& context, DialogPictures pictures, Message title,
                         QSize contentSize, QWidget* parent)
    : QDialog(parent),
      context_(context),
      pictures_(std::move(pictures)),
      title_(title),
      contentSize_(contentSize) {
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
  header_ = new DialogHeader(*this);
  content_ = new QWidget(this);
  content_->resize(contentSize_);
  design_ = DialogDesignOf(context_.settings);
  // A window with no purple picture of its own (a notice, a question) shows the grey band and
  // leaves the player's choice to the others.
  if (design_ == 3 && pictures_.picture.empty()) design_ = 0;
  // The purple design lives on pictures loaded once; without them every dialog goes grey.
  if (design_ == 3) {
    purplePicture_ = LoadLibraryPicture(context_, Latin(pictures_.picture)).value_or(QImage());
    iconFilm_ = LoadLibraryPicture(context_, Latin(pictures_.icon)).value_or(QImage());
    if (purplePicture_.isNull()) FallBackToDesignZero(false);
  }
  timer48_.setInterval(IconTimerMs);
  connect(&timer48_, &QTimer::timeout, this, [this] {
    iconFrame_ = NextIconFrame(iconFrame_, IconFrameCount);
    update(QRect(iconPosition_, QSize(IconSize, IconSize)));
  });
  LayOut();
}

DialogFrame::~DialogFrame() = default;

QString DialogFrame::Title() const {
  return Catalogue(title_);
}

void DialogFrame::FallBackToDesignZero(bool withNotice) {
  SetDialogDesign(context_.settings, 0);
  design_ = 0;
  if (withNotice) {
    pendingNotice_ = Catalogue(MsgCantFindTheFile) + ' ' + Latin(GraphicsPackName);
  }
}

void DialogFrame::LayOut() {
  const int headerHeight = HeaderHeight(design_);
  const bool purple = design_ == 3;
  header_->setGeometry(0, 0, contentSize_.width(), headerHeight);
  header_->setVisible(headerHeight > 0 && !purple);
  content_->move(0, headerHeight);
  setFixedSize(contentSize_.width(), contentSize_.height() + headerHeight);
  if (purple) background_ = FitBackground(purplePicture_, size());
}

void DialogFrame::SetContentWidth(int width) {
  if (width == contentSize_.width()) return;
  contentSize_.setWidth(width);
  content_->resize(contentSize_);
  LayOut();
  header_->update();
}

QFont DialogFrame::ButtonFont() const {
  const FontRoles roles = FontRolesOf(context_.settings);
  return RoleFont(roles, FontRole::Decor, FontSize(20, roles, FontRole::Decor), true);
}

QFont DialogFrame::LabelFont() const {
  const FontRoles roles = FontRolesOf(context_.settings);
  return RoleFont(roles, FontRole::Decor, FontSize(20, roles, FontRole::Serif), true);
}

QFont DialogFrame::ControlFont() const {
  QFont font = LabelFont();
  font.setPixelSize(std::max(8, font.pixelSize() * 4 / 5));
  return font;
}

QColor DialogFrame::LabelColour() const {
  return design_ == 3 ? DesignTextColour : QColor(Qt::black);
}

QColor DialogFrame::GreyedLabelColour() const {
  return GreyedText;
}

SkinButton* DialogFrame::AddButton(const QString& text, const QRect& rect, QWidget* parent) {
  auto* button = new SkinButton(parent != nullptr ? parent : content_);
  button->setText(text);
  button->setGeometry(rect);
  button->setFocusPolicy(Qt::StrongFocus);
  if (defaultButton_ == nullptr) defaultButton_ = button;
  // The click effect starts on the click, before whatever the button does: this connection is
  // made before the dialog connects the button's work.
  connect(button, &QAbstractButton::clicked, this, [this] { PlayButtonSalute(context_); });
  buttons_.push_back(button);
  StyleButton(*button);
  return button;
}

QLabel* DialogFrame::AddLabel(const QString& text, const QRect& rect, Qt::Alignment alignment) {
  auto* label = new QLabel(text, content_);
  label->setGeometry(rect);
  label->setAlignment(alignment);
  StyleLabel(*label);
  return label;
}

void DialogFrame::StyleButton(SkinButton& button) const {
  const bool purple = design_ == 3;
  button.SetColorSB(purple ? TColorSB::DCards : TColorSB::DRed);
  button.SetFontColour(purple ? DesignTextColour : QColor(Qt::white));
  button.SetColorMouse(TitleColour);
  button.SetLightFont(true);
  button.SetGrayDis(true);
  button.SetNata(context_.settings.NewButtons);
  button.SetPictures(context_.sources.builtin);
  button.setFont(ButtonFont());
  button.setCursor(context_.handCursor);
}

void DialogFrame::StyleLabel(QLabel& label) const {
  label.setFont(LabelFont());
  QPalette palette = label.palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::WindowText, LabelColour());
  }
  // A label over a disabled box greys with it.
  palette.setColor(QPalette::Disabled, QPalette::WindowText, GreyedText);
  label.setPalette(palette);
}

void DialogFrame::ApplyFrame() {
  // The concise caption and the ribbon picture are drawn from the pack; without it the dialogs
  // go back to the built-in band, and the player is told once.
  if (design_ == 1 || design_ == 2) {
    const int language = CurrentLanguage();
    const std::string name = design_ == 1 ? CaptionPictureName(pictures_, language)
                                          : RibbonPictureName(pictures_, language);
    const std::optional<QImage> picture = LoadLibraryPicture(context_, Latin(name));
    if (picture) {
      headerPicture_ = *picture;
    } else {
      FallBackToDesignZero(true);
    }
  }
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, design_ == 3
                                         ? QColor(Qt::black)
                                         : QApplication::palette().color(QPalette::Window));
  setPalette(palette);
  setAutoFillBackground(true);
  setWindowTitle(Title());
  setCursor(context_.arrowCursor);
  // The new-buttons flag may have changed since the buttons were made.
  ApplyNewButtons();
  LayOut();
  if (design_ == 3 && !iconFilm_.isNull()) timer48_.start();
}

std::array<std::pair<int, QFont>, 3> DialogFrame::FontUses() const {
  return {{{static_cast<int>(FontUse::Button), ButtonFont()},
           {static_cast<int>(FontUse::Label), LabelFont()},
           {static_cast<int>(FontUse::Control), ControlFont()}}};
}

void DialogFrame::FitFrame() {
  for (QWidget* control : findChildren<QWidget*>()) {
    if (control->property(FontUseProperty).isValid()) continue;
    for (const auto& [use, font] : FontUses()) {
      if (control->font() == font) control->setProperty(FontUseProperty, use);
    }
  }
  FitCaptions(*this);
}

void DialogFrame::RefontFrame() {
  for (QWidget* control : findChildren<QWidget*>()) {
    const QVariant use = control->property(FontUseProperty);
    for (const auto& [role, font] : FontUses()) {
      if (use.isValid() && use.toInt() == role) SetBaseFont(*control, font);
    }
  }
  FitCaptions(*this);
  header_->update();
}

SkinButton* DialogFrame::ReturnButton() const {
  auto* focused = qobject_cast<SkinButton*>(focusWidget());
  for (SkinButton* button : {focused, defaultButton_}) {
    if (button != nullptr && isAncestorOf(button) && button->isVisible()) {
      return button->isEnabled() ? button : nullptr;
    }
  }
  return nullptr;
}

void DialogFrame::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QDialog::keyPressEvent(event);
    return;
  }
  if (SkinButton* button = ReturnButton()) button->click();
}

void DialogFrame::ApplyNewButtons() {
  for (SkinButton* button : buttons_) button->SetNata(context_.settings.NewButtons);
}

void DialogFrame::RecaptionFrame() {
  Recaption();
  setWindowTitle(Title());
  FitFrame();
  header_->update();
}

void DialogFrame::showEvent(QShowEvent* event) {
  Recaption();
  ApplyFrame();
  FitFrame();
  GiveEditCursors(*this, [this] { return context_.settings.RedCursor; });
  if (!pendingNotice_.isEmpty()) {
    QTimer::singleShot(0, this, [this] {
      const QString notice = std::exchange(pendingNotice_, QString());
      ShowNotice(this, context_, notice);
    });
  }
  QDialog::showEvent(event);
}

void DialogFrame::hideEvent(QHideEvent* event) {
  timer48_.stop();
  QDialog::hideEvent(event);
}

void DialogFrame::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (design_ != 3) return;
  QPainter p(this);
  p.drawImage(QPoint(0, 0), background_);
  if (!iconFilm_.isNull() && iconFrame_ > 0) {
    p.drawImage(iconPosition_, IconFrame(background_, iconPosition_, iconFilm_, iconFrame_));
  }
}

}  // namespace fibwick

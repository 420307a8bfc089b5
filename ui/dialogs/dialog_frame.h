#pragma once

#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "records/catalogue.h"
#include "ui/dialogs/dialog_context.h"
#include "ui/dialogs/dialog_pictures.h"
#include "ui/skin_button.h"

// The look every secondary window shares: a header (caption band, library caption or ribbon),
// the animated 48 x 48 icon, skinned buttons and role fonts, in one of four designs.
namespace fibwick {

// 0 grey aristocratic (built-in caption band with the title), 1 grey concise (the dialog's
// caption picture from the graphics pack), 2 grey with red ribbons, 3 purple (the whole dialog
// painted with its picture from the pack).
inline constexpr int DialogDesignCount = 4;
int DialogDesignOf(const Settings& settings);
void SetDialogDesign(Settings& settings, int design);
int HeaderHeight(int design);

inline constexpr QColor DesignTextColour{200, 175, 50};
inline constexpr QColor TitleColour{255, 255, 0};
inline constexpr int IconTimerMs = 80;

// The font made smaller, down to `smallest` pixels, until the text fits the width.
QFont FitFont(QFont font, const QString& text, int width, int smallest = 10);

// The band grown or shrunk to a width; its rounded ends and their flourishes keep their shape.
QImage FitBand(const QImage& band, int width);
// The title on the band stays clear of the band's flourishes.
inline constexpr int TitleMargin = 42;
// The font of the title, in upper case, on a band of this width.
QFont TitleFont(const QString& title, int bandWidth, const FontRoles& roles);

// The purple design's picture fitted to the window: its top rows (the icon's seat and the
// corner scrolls) and its side columns keep their size, the rest stretches.
QImage FitBackground(const QImage& picture, QSize size);
// Where the purple picture of a window of this size carries its icon's seat and its corner
// scrolls, which no control may cover: all within the header's height.
std::vector<QRect> PurpleOrnaments(QSize window, bool withIcon);

// The icon animation: the frame counter runs 1..count and wraps to 1.
int NextIconFrame(int frame, int count);
// The background patch under the icon with frame `frame` of the film over it.
QImage IconFrame(const QImage& background, QPoint position, const QImage& film, int frame);

// A picture of the graphics pack; nothing when the pack cannot be opened, a null picture when it
// lacks that name.
std::optional<QImage> LoadLibraryPicture(const DialogContext& context, const QString& name);

class DialogHeader;

class DialogFrame : public QDialog {
  Q_OBJECT

 public:
  DialogFrame(DialogContext& context, DialogPictures pictures, Message title, QSize contentSize,
              QWidget* parent);
  ~DialogFrame() override;

  DialogContext& Context() const { return context_; }
  QWidget* Content() const { return content_; }
  int Design() const { return design_; }
  // The catalogue title of the dialog; a few windows name themselves otherwise.
  virtual QString Title() const;
  // The "Can`t find the file" notice a design fallback raised; shown once the dialog is up.
  const QString& PendingNotice() const { return pendingNotice_; }
  const QImage& HeaderPicture() const { return headerPicture_; }

  // Controls in the frame's look, placed in content coordinates.
  SkinButton* AddButton(const QString& text, const QRect& rect, QWidget* parent = nullptr);
  QLabel* AddLabel(const QString& text, const QRect& rect,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

  // The role fonts of dialog buttons and labels.
  QFont ButtonFont() const;
  QFont LabelFont() const;
  // The smaller font of boxes, switches and tabs in a dialog with many of them.
  QFont ControlFont() const;
  QColor LabelColour() const;
  // A disabled label's text.
  QColor GreyedLabelColour() const;

  // The new-buttons flag of the settings onto every skinned button of the dialog.
  void ApplyNewButtons();
  // The role fonts again, after the player changed them, on every control made in one of them.
  void RefontFrame();

  // The button Return presses while the focus is on none of the dialog's buttons; the first one
  // added unless the dialog names another.
  void SetDefaultButton(SkinButton* button) { defaultButton_ = button; }
  SkinButton* DefaultButton() const { return defaultButton_; }
  // The button Return presses now: the focused one, else the default; none when disabled.
  SkinButton* ReturnButton() const;
  // The title and captions again, after a change of language.
  void RecaptionFrame();

  // A window whose captions need more room than its languages' shortest grows sideways.
  void SetContentWidth(int width);

  // Where the icon stands in the purple design.
  void SetIconPosition(QPoint position) { iconPosition_ = position; }
  // How fast the icon turns, for a dialog whose icon shows what it chooses.
  void SetIconInterval(int milliseconds) { timer48_.setInterval(milliseconds); }
  int IconInterval() const { return timer48_.interval(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Catalogue texts of the dialog's own controls, set each time it is shown.
  virtual void Recaption() {}

 private:
  void ApplyFrame();
  // Marks each control with the role font it was made in, then fits every caption.
  void FitFrame();
  // The role fonts by the number a control carries for the one it was made in.
  std::array<std::pair<int, QFont>, 3> FontUses() const;
  void FallBackToDesignZero(bool withNotice);
  void LayOut();
  void StyleButton(SkinButton& button) const;
  void StyleLabel(QLabel& label) const;

  DialogContext& context_;
  DialogPictures pictures_;
  Message title_;
  QSize contentSize_;
  int design_ = 0;
  DialogHeader* header_ = nullptr;
  QWidget* content_ = nullptr;
  QImage purplePicture_;  // the pack's picture of the purple design
  QImage background_;     // the same fitted to the window
  QImage iconFilm_;
  QImage headerPicture_;  // the pack picture of designs 1 and 2
  QTimer timer48_;
  int iconFrame_ = 0;
  QPoint iconPosition_{IconLeft, IconTop};
  QString pendingNotice_;
  std::vector<SkinButton*> buttons_;
  SkinButton* defaultButton_ = nullptr;

  friend class DialogHeader;
};

}  // namespace fibwick

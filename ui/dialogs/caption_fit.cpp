#include "ui/dialogs/caption_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <algorithm>

#include "ui/skin_button.h"
#include "ui/text_helpers.h"

namespace fibwick {
namespace {

constexpr const char* BaseFontProperty = "fibwickBaseFont";
// Whether a label was made to wrap before any fitting.
constexpr const char* WrapsProperty = "fibwickWraps";
// A group box's title stands between its frame's rounded corners.
constexpr int GroupTitleMargins = 16;
// The widths a grid's columns were given.
constexpr const char* SectionsProperty = "fibwickSections";
// A grid heading keeps clear of its section's edges.
constexpr int HeadingMargins = 6;

bool PlainLabel(const QLabel& label) {
  return !label.text().isEmpty() && label.textFormat() != Qt::RichText &&
         !Qt::mightBeRichText(label.text());
}

QSize SwitchRoom(const QAbstractButton& box) {
  QStyleOptionButton option;
  option.initFrom(&box);
  const bool radio = qobject_cast<const QRadioButton*>(&box) != nullptr;
  return box.style()
      ->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents,
                       &option, &box)
      .size();
}

QSize ChooserRoom(const QComboBox& box) {
  QStyleOptionComboBox option;
  option.initFrom(&box);
  option.editable = box.isEditable();
  QSize room =
      box.style()
          ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box)
          .size();
  bool icons = false;
  for (int i = 0; i < box.count(); ++i) icons = icons || !box.itemIcon(i).isNull();
  if (icons) room.rwidth() -= box.iconSize().width() + 4;
  return room;
}

// The chooser's widest item in a font: the one every size has to fit.
QString WidestItem(const QComboBox& box, const QFont& font) {
  const QFontMetrics metrics(font);
  QString widest;
  for (int i = 0; i < box.count(); ++i) {
    if (metrics.horizontalAdvance(box.itemText(i)) > metrics.horizontalAdvance(widest)) {
      widest = box.itemText(i);
    }
  }
  return widest;
}

QWidget* TabRoomOf(QTabBar& bar) {
  auto* tabs = qobject_cast<QTabWidget*>(bar.parentWidget());
  return tabs != nullptr ? static_cast<QWidget*>(tabs) : &bar;
}

// Tabs share one row: the font steps down until the row fits; at the floor the labels with a
// blank take two lines, longest first.
void FitTabs(QTabBar& bar, const QFont& base) {
  const int room = TabRoomOf(bar)->width();
  for (int i = 0; i < bar.count(); ++i) bar.setTabText(i, bar.tabText(i).replace('\n', ' '));
  QFont font = base;
  for (int px = std::max(PixelHeight(base), ReadableFloorPx); px >= ReadableFloorPx; --px) {
    font.setPixelSize(px);
    bar.setFont(font);
    if (bar.sizeHint().width() <= room) return;
  }
  std::vector<int> order(static_cast<std::size_t>(bar.count()));
  for (int i = 0; i < bar.count(); ++i) order[static_cast<std::size_t>(i)] = i;
  const QFontMetrics metrics(font);
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    return metrics.horizontalAdvance(bar.tabText(a)) > metrics.horizontalAdvance(bar.tabText(b));
  });
  for (const int i : order) {
    if (bar.sizeHint().width() <= room) return;
    QString text = bar.tabText(i);
    const qsizetype blank = text.indexOf(' ', text.size() / 2);
    const qsizetype split = blank >= 0 ? blank : text.lastIndexOf(' ');
    if (split < 0) continue;
    text[split] = '\n';
    bar.setTabText(i, text);
  }
}

void FitHeadings(QHeaderView& header, const QFont& base) {
  QAbstractItemModel* model = header.model();
  if (model == nullptr) return;
  const auto heading = [&](int section) {
    return model->headerData(section, header.orientation()).toString().replace('\n', ' ');
  };
  const auto room = [&](int section, const QFont& font) {
    return QSize(header.sectionSize(section) - HeadingMargins, 3 * QFontMetrics(font).height());
  };
  // One font serves every heading: the size at which the longest fits on one line, or with the
  // longest broken at the floor.
  QFont font = base;
  bool wrap = false;
  for (int px = std::max(PixelHeight(base), ReadableFloorPx); px >= ReadableFloorPx; --px) {
    font.setPixelSize(px);
    // Measured in the font as the header resolves it, which is the one it draws in.
    header.setFont(font);
    font = header.font();
    wrap = false;
    bool all = true;
    for (int s = 0; s < header.count(); ++s) {
      all = all && TextFits(heading(s), font, room(s, font), false);
    }
    if (all) break;
    wrap = true;
  }
  // The columns' own widths, before any heading borrowed from them.
  QVariantList widths = header.property(SectionsProperty).toList();
  if (widths.size() != header.count()) {
    widths.clear();
    for (int s = 0; s < header.count(); ++s) widths << header.sectionSize(s);
    header.setProperty(SectionsProperty, widths);
  }
  int widest = 0;
  for (int s = 0; s < header.count(); ++s) {
    header.resizeSection(s, widths[s].toInt());
    if (widths[s].toInt() > widths[widest].toInt()) widest = s;
  }
  for (int s = 0; s < header.count(); ++s) {
    QString text = heading(s);
    if (wrap && !TextFits(text, font, room(s, font), false)) text.replace(' ', '\n');
    model->setHeaderData(s, header.orientation(), text);
    // A single word too long even at the floor borrows the room from the widest column.
    const int lacking =
        QFontMetrics(font).horizontalAdvance(text) + HeadingMargins - header.sectionSize(s);
    if (text.contains('\n') || lacking <= 0 || s == widest) continue;
    header.resizeSection(widest, header.sectionSize(widest) - lacking);
    header.resizeSection(s, header.sectionSize(s) + lacking);
  }
}

void FitControl(QWidget& control, const QString& text, QSize room, bool mayWrap) {
  const FittedText fitted = FitText(text, BaseFont(control), room, mayWrap);
  control.setFont(fitted.font);
  if (auto* label = qobject_cast<QLabel*>(&control)) {
    label->setWordWrap(fitted.wrapped || label->property(WrapsProperty).toBool());
  }
}

}  // namespace

QFont BaseFont(const QWidget& control) {
  const QVariant base = control.property(BaseFontProperty);
  return base.isValid() ? base.value<QFont>() : control.font();
}

void SetBaseFont(QWidget& control, const QFont& font) {
  control.setProperty(BaseFontProperty, font);
  control.setFont(font);
}

std::vector<CaptionSpot> CaptionSpots(QWidget& root) {
  std::vector<CaptionSpot> spots;
  for (QWidget* w : root.findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && PlainLabel(*label)) {
      spots.push_back(
          {label, label->text(), label->font(), label->contentsRect().size(), label->wordWrap()});
    } else if (auto* box = qobject_cast<QAbstractButton*>(w);
               box != nullptr && qobject_cast<SkinButton*>(w) == nullptr &&
               (qobject_cast<QCheckBox*>(w) != nullptr || qobject_cast<QRadioButton*>(w))) {
      if (!box->text().isEmpty())
        spots.push_back({box, box->text(), box->font(), SwitchRoom(*box)});
    } else if (auto* group = qobject_cast<QGroupBox*>(w);
               group != nullptr && !group->title().isEmpty()) {
      spots.push_back({group, group->title(), group->font(),
                       QSize(group->width() - GroupTitleMargins, group->height())});
    } else if (auto* chooser = qobject_cast<QComboBox*>(w)) {
      const QString widest = WidestItem(*chooser, chooser->font());
      if (!widest.isEmpty()) {
        spots.push_back({chooser, widest, chooser->font(), ChooserRoom(*chooser)});
      }
    } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < bar->count(); ++i) {
        if (bar->tabRect(i).right() >= TabRoomOf(*bar)->width()) {
          spots.push_back({bar, bar->tabText(i), bar->font(), QSize(0, 0)});
          continue;
        }
        spots.push_back({bar, bar->tabText(i), bar->font(), bar->tabRect(i).size(),
                         bar->tabText(i).contains('\n')});
      }
    } else if (auto* header = qobject_cast<QHeaderView*>(w);
               header != nullptr && header->isVisible() && header->model() != nullptr) {
      for (int s = 0; s < header->count(); ++s) {
        const QString text = header->model()->headerData(s, header->orientation()).toString();
        spots.push_back({header, text, header->font(),
                         QSize(header->sectionSize(s) - HeadingMargins, header->height()),
                         text.contains('\n')});
      }
    }
  }
  return spots;
}

void FitCaptions(QWidget& root) {
  for (QWidget* w : root.findChildren<QWidget*>()) {
    if (!w->property(BaseFontProperty).isValid()) w->setProperty(BaseFontProperty, w->font());
    if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && PlainLabel(*label)) {
      if (!label->property(WrapsProperty).isValid()) {
        label->setProperty(WrapsProperty, label->wordWrap());
      }
      FitControl(*label, label->text(), label->contentsRect().size(), true);
    } else if (auto* box = qobject_cast<QAbstractButton*>(w);
               box != nullptr &&
               (qobject_cast<QCheckBox*>(w) != nullptr || qobject_cast<QRadioButton*>(w))) {
      FitControl(*box, box->text(), SwitchRoom(*box), false);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      FitControl(*group, group->title(), QSize(group->width() - GroupTitleMargins, group->height()),
                 false);
    } else if (auto* chooser = qobject_cast<QComboBox*>(w)) {
      FitControl(*chooser, WidestItem(*chooser, BaseFont(*chooser)), ChooserRoom(*chooser), false);
    } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
      FitTabs(*bar, BaseFont(*bar));
    } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
      FitHeadings(*header, BaseFont(*header));
    }
  }
}

}  // namespace fibwick

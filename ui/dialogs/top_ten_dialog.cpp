#include "ui/dialogs/top_ten_dialog.h"

#include <QPainter>

#include "base/cp1251.h"
#include "base/fixed_field.h"
#include "records/club_file.h"
#include "ui/dialogs/film_view.h"
#include "ui/dialogs/fixed_texts.h"

namespace fibwick {
namespace {

constexpr int Width = 450;
// The board's coordinates count from the top of the window; the header takes this much.
constexpr int BoardTop = 64;
constexpr int RowPitch = 30;
// The two animations below the rows, in the board's coordinates.
constexpr QPoint BannerAt{50, 460};
constexpr QPoint ClubAt{340, 465};
constexpr int BoardHeight = 590;
constexpr QColor Maroon{128, 0, 0};
constexpr QColor Navy{0, 0, 128};
constexpr QColor Podium{208, 0, 0};

QString FromFile(std::string_view cp1251) {
  return QString::fromStdString(Cp1251ToUtf8(cp1251));
}

class Board : public QWidget {
 public:
  Board(const TopTenDialog& form, QWidget* parent) : QWidget(parent), form_(form) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(0, -BoardTop);
    const bool purple = form_.Design() == 3;
    const FontRoles roles = FontRolesOf(form_.Context().settings);
    const auto font = [&](int size, bool bold) {
      return RoleFont(roles, FontRole::Serif, FontSize(size, roles, FontRole::Serif), bold);
    };
    p.setFont(FitFont(font(20, true), form_.BoardTitle(), Width - 20));
    p.setPen(purple ? DesignTextColour : Maroon);
    TextCentred(p, 0, Width, 85, form_.BoardTitle());
    p.setFont(font(18, true));
    p.setPen(purple ? DesignTextColour : Navy);
    TextCentred(p, 70, 230, 120, Catalogue(MsgTopTen));
    TextCentred(p, 250, 400, 120, Catalogue(MsgScoreClub));
    p.setPen(QPen(purple ? DesignTextColour : Navy, 1));
    p.drawLine(70, 144, 400, 144);
    p.setFont(font(18, false));
    int y = 150;
    for (const TopTenRow& row : form_.Rows()) {
      p.setPen(row.podium ? Podium : purple ? QColor(Qt::white) : Navy);
      TextAt(p, 70, y, row.place);
      TextAt(p, 95, y, row.name);
      TextRight(p, 380, y, row.score);
      y += RowPitch;
    }
  }

 private:
  const TopTenDialog& form_;
};

}  // namespace

std::vector<TopTenRow> TopTenRows(const std::vector<std::string>& clubLines) {
  std::vector<TopTenRow> rows;
  if (!HasClubStructure(clubLines)) return rows;
  for (int place = 1; place <= TopTenCount; ++place) {
    const std::string& line = clubLines[static_cast<std::size_t>(ClubMemberCount + place - 1)];
    rows.push_back({QString::number(place) + '.', FromFile(TrimRight(Columns(line, 1, 20))),
                    FromFile(Trim(Columns(line, 21, 26))), place <= 3});
  }
  return rows;
}

TopTenDialog::TopTenDialog(DialogContext& context, QWidget* parent)
    : DialogFrame(context, PicturesOf(DialogArt::WorldTopTen), MsgTopTen,
                  QSize(Width, BoardHeight - BoardTop + 56), parent),
      rows_(TopTenRows(ReadClubFile(ClubFileInUse(context)).value_or(std::vector<std::string>{}))) {
  auto* board = new Board(*this, Content());
  board->setGeometry(0, 0, Width, Content()->height() - 56);
  const bool animate = context.settings.GifAnimation;
  auto* banner = new FilmView(context.sources.builtin, "GTopTen", true, animate, 1, Content());
  banner->move(BannerAt - QPoint(0, BoardTop));
  auto* club =
      new FilmView(context.sources.builtin, context.settings.NetworkGame ? "GClubG" : "GClubF",
                   true, animate, 1, Content());
  club->move(ClubAt - QPoint(0, BoardTop));
  ok_ = AddButton(OkText, QRect((Width - 200) / 2, Content()->height() - 50, 200, 36));
  connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
  ok_->setFocus();
}

QString TopTenDialog::BoardTitle() const {
  return Context().settings.NetworkGame ? NetBoardTitle : LocalBoardTitle;
}

void ShowTopTen(QWidget* parent, DialogContext& context) {
  TopTenDialog dialog(context, parent);
  dialog.exec();
}

}  // namespace fibwick

// Skins of the push buttons: a left cap, a right cap and a middle per height, in red; the
// button recolours them at run time. The classic family's middle rows are the same gradient
// the button paints at standard heights, so pictures and painted rows join without a seam.
// The new family is a red lacquer body in a neutral silver bezel: the recolouring swaps
// channels everywhere but lightens only what is near red, so the bezel stays silver.
#include <QLinearGradient>
#include <array>
#include <vector>

#include "paint_kit.h"
#include "painters.h"

namespace fibwick::artgen {

namespace {

struct Row {
  int red;
  int greenBlue = 0;
};

using Rows = std::vector<Row>;

const Rows Classic29{{128},      {17},       {135, 91},  {232, 173}, {223, 163}, {215, 153},
                     {207, 145}, {200, 136}, {194, 127}, {188, 117}, {184, 108}, {180, 99},
                     {178, 89},  {176, 80},  {152, 36},  {136},      {144},      {153},
                     {161},      {170},      {178},      {187},      {195},      {204},
                     {212},      {221},      {229},      {238},      {128}};

const Rows Classic44{
    {128},      {11},       {132, 93},  {239, 180}, {233, 175}, {227, 169}, {221, 162}, {215, 156},
    {210, 150}, {206, 144}, {201, 139}, {196, 133}, {193, 127}, {189, 121}, {186, 115}, {183, 109},
    {181, 103}, {178, 97},  {178, 91},  {176, 85},  {176, 79},  {175, 74},  {153, 34},  {136},
    {141},      {147},      {153},      {158},      {164},      {170},      {175},      {181},
    {187},      {192},      {198},      {204},      {209},      {215},      {221},      {227},
    {232},      {238},      {244},      {128}};

const Rows Classic59{
    {128},      {9},        {131, 94},  {243, 183}, {237, 178}, {232, 174}, {228, 169}, {224, 165},
    {219, 159}, {214, 156}, {210, 151}, {206, 147}, {202, 142}, {199, 138}, {196, 134}, {193, 129},
    {190, 125}, {189, 120}, {185, 116}, {183, 111}, {181, 107}, {180, 102}, {177, 97},  {176, 93},
    {175, 89},  {174, 84},  {173, 80},  {172, 75},  {172, 71},  {150, 33},  {132},      {136},
    {140},      {144},      {148},      {153},      {157},      {161},      {165},      {170},
    {174},      {178},      {182},      {187},      {191},      {195},      {200},      {204},
    {208},      {212},      {217},      {221},      {225},      {229},      {234},      {238},
    {242},      {246},      {128}};

// The new family's rows: a two-line bezel above and below a lacquered red body whose colours
// all stay within 180 of pure red.
Rows LacquerRows(int count) {
  Rows rows;
  rows.push_back({96, 96});
  rows.push_back({214, 214});
  const int body = count - 4;
  for (int i = 0; i < body; ++i) {
    const double t = (i + 0.5) / body;
    QColor c;
    if (t < 0.46) {
      c = Mix(QColor(255, 112, 112), QColor(232, 44, 44), t / 0.46);
    } else if (t < 0.86) {
      c = Mix(QColor(200, 0, 0), QColor(150, 0, 0), (t - 0.46) / 0.4);
    } else {
      c = Mix(QColor(150, 0, 0), QColor(184, 16, 16), (t - 0.86) / 0.14);
    }
    rows.push_back({c.red(), c.green()});
  }
  rows.push_back({168, 168});
  rows.push_back({78, 78});
  return rows;
}

QColor RowColour(const Row& row, bool neutral) {
  return neutral ? QColor(row.red, row.red, row.red)
                 : QColor(row.red, row.greenBlue, row.greenBlue);
}

// The rows as a picture of the given width; bezel rows of the new family are grey.
QImage RowPicture(const Rows& rows, int width, bool lacquer) {
  QImage image(width, static_cast<int>(rows.size()), QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    const auto& row = rows[static_cast<std::size_t>(y)];
    const bool bezel = lacquer && (y < 2 || y >= image.height() - 2);
    for (int x = 0; x < width; ++x) image.setPixelColor(x, y, RowColour(row, bezel));
  }
  return image;
}

struct Family {
  char letter;
  bool lacquer;
};

struct Height {
  int rows;
  int capWidth;
  const Rows* classic;
};

const std::array<Height, 3> Heights{
    {{29, 8, &Classic29}, {44, 13, &Classic44}, {59, 17, &Classic59}}};

// The left end of the button; the right cap is its mirror image. The last column is the
// middle's own rows, fully opaque, so the middle joins it exactly.
QImage LeftCap(const QImage& middle, int capWidth, bool lacquer) {
  const int rows = middle.height();
  const QImage texture = middle.scaled(capWidth * 3, rows);
  return DrawScaled(capWidth, rows, 1.0, [&](QPainter& p) {
    const double radius = capWidth - 1.5;
    const QRectF body(0, 0, capWidth * 3, rows);
    p.fillPath(RoundedRect(body, radius), QBrush(texture));
    p.setClipRect(QRectF(0, 0, capWidth - 1, rows));
    p.setBrush(Qt::NoBrush);
    if (lacquer) {
      QLinearGradient outer(0, 0, 0, rows), inner(0, 0, 0, rows);
      outer.setColorAt(0, QColor(96, 96, 96));
      outer.setColorAt(1, QColor(78, 78, 78));
      inner.setColorAt(0, QColor(214, 214, 214));
      inner.setColorAt(1, QColor(168, 168, 168));
      p.setPen(QPen(QBrush(outer), 1.0));
      p.drawPath(RoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5));
      p.setPen(QPen(QBrush(inner), 1.0));
      p.drawPath(RoundedRect(body.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1.5));
    } else {
      p.setPen(QPen(QColor(128, 0, 0), 1.0));
      p.drawPath(RoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5));
    }
  });
}

// A whole button of the default width, for the contact sheet and for anyone who wants one.
QImage Sample(const QImage& left, const QImage& middle, const QImage& right) {
  constexpr int Width = 100;
  QImage image(Width, left.height(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.drawImage(QRect(left.width(), 0, Width - 2 * left.width(), left.height()), middle);
  p.drawImage(0, 0, left);
  p.drawImage(Width - right.width(), 0, right);
  p.end();
  return image;
}

}  // namespace

void AddButtonSkins(ArtSet& set) {
  for (const Family family : {Family{'R', false}, Family{'Q', true}}) {
    set.SetGroup(family.lacquer ? "Button skins, new family" : "Button skins, classic family");
    for (const auto& height : Heights) {
      const Rows rows = family.lacquer ? LacquerRows(height.rows) : *height.classic;
      const QString base = QString("%1%2_").arg(family.letter).arg(height.rows);
      const QImage middle = RowPicture(rows, 8, family.lacquer);
      const QImage left = LeftCap(middle, height.capWidth, family.lacquer);
      const QImage right = left.mirrored(true, false);
      set.Add(base + "L", left);
      set.Add(base + "R", right);
      set.Add(base + "2", middle);
      set.Add(base + "T", Sample(left, middle, right));
    }
  }
}

}  // namespace fibwick::artgen

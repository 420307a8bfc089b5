#include <cstdio>
#include <set>

#include "calendar_art.h"

namespace fibwick::packgen {

bool AddSignCards(PackWriter& pack, const SignPictures& pictures,
                  std::span<const CalendarText> drawn,
                  const std::function<void(QPainter&, std::size_t index)>& draw) {
  if (pictures.size() != std::set<CalendarText>(drawn.begin(), drawn.end()).size()) {
    std::fprintf(stderr, "the calendar shows %zu pictures of this kind, %zu are drawn\n",
                 pictures.size(), drawn.size());
    return false;
  }
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    const auto picture = pictures.find(drawn[i]);
    if (picture == pictures.end()) {
      std::fprintf(stderr, "calendar text %d: the calendar shows no picture of it\n", drawn[i]);
      return false;
    }
    QImage card(PageSize, QImage::Format_ARGB32_Premultiplied);
    card.fill(Qt::transparent);
    {
      QPainter p(&card);
      p.setRenderHint(QPainter::Antialiasing);
      draw(p, i);
    }
    pack.AddPng(QString::fromStdString(picture->second), card);
  }
  return true;
}

}  // namespace fibwick::packgen

// The built-in back set in the two sizes the program holds itself; the narrow big backs of
// the same designs are in a pack.
#include "card_back.h"
#include "classic_backs.h"
#include "painters.h"

namespace fibwick::artgen {

void AddCardBacks(ArtSet& set) {
  const auto add = [&](BackSize size) {
    for (int back = 0; back < ClassicBackCount; ++back) {
      const auto name = QString::fromLatin1(BackBaseNames[static_cast<std::size_t>(back)]);
      set.Add(name + BackSuffix(size), DrawBack(size, [back](QPainter& p, const QSizeF& card) {
                DrawClassicBack(p, card, back);
              }));
    }
  };
  set.SetGroup("Card backs, small (69 x 94)");
  add(BackSize::Small);
  set.SetGroup("Card backs, big (146 x 198)");
  add(BackSize::Wide);
}

}  // namespace fibwick::artgen

// The built-in table cloth: green felt with a fine fibre grain, lit from the middle.
#include "painters.h"
#include "table_cloth.h"

namespace fibwick::artgen {

void AddBackground(ArtSet& set) {
  set.SetGroup("Background");
  set.Add("FonG", Felt(760, 500, GreenFelt), FileKind::Jpeg);
  set.Add("FonGB", Felt(1520, 1000, GreenFelt), FileKind::Jpeg);
}

}  // namespace fibwick::artgen

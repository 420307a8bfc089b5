#include "input_fonts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <cstdio>

namespace fibwick::packgen {

QString InputFontFamily(const QStringList& inputs, const QString& fileName) {
  for (const QString& input : inputs) {
    if (QFileInfo(input).fileName() != fileName) continue;
    const int id = QFontDatabase::addApplicationFont(input);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty()) return families.front();
    std::fprintf(stderr, "%s: not a font\n", qPrintable(input));
    return {};
  }
  std::fprintf(stderr, "%s: not among the inputs\n", qPrintable(fileName));
  return {};
}

}  // namespace fibwick::packgen

#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QSet>
#include <QString>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "packs/drawn_pack.h"
#include "ui/packs.h"

// The packs the build drew into the program's folder, read as the program reads them.
namespace fibwick::testing_support {

inline QString ProgramFolder() {
  return qEnvironmentVariable("FIBWICK_PROGRAM_FOLDER");
}

// The pack of that name in the program's folder, opened once for the whole test program.
inline const Pack& DrawnPack(std::string_view fileName) {
  static std::map<std::string, std::unique_ptr<Pack>> opened;
  auto& pack = opened[std::string(fileName)];
  if (!pack) pack = OpenDrawnPack(fileName);
  if (!pack) throw std::runtime_error(std::string(fileName) + " is not in the program's folder");
  return *pack;
}

inline QString Latin(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Something is drawn: some pixels are not see-through and they are not all of one colour.
inline bool Drawn(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 2) {
    for (int x = 0; x < image.width(); x += 2) {
      const QRgb pixel = image.pixel(x, y);
      if (qAlpha(pixel) > 32) colours.insert(pixel);
      if (colours.size() > 8) return true;
    }
  }
  return false;
}

}  // namespace fibwick::testing_support

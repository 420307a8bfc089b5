// The packs the build drew beside the program, in FIBWICK_PROGRAM_FOLDER.
#pragma once

#include <QDir>
#include <memory>
#include <string_view>

#include "ui/packs.h"

namespace fibwick {

inline std::unique_ptr<Pack> OpenDrawnPack(std::string_view fileName) {
  const QDir folder(qEnvironmentVariable("FIBWICK_PROGRAM_FOLDER"));
  return Pack::Open(folder.filePath(QString::fromUtf8(fileName.data(), fileName.size())));
}

}  // namespace fibwick

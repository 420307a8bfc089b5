#include "ui/sound/sound_output.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace fibwick {
namespace {

MakeSoundOutput LoadModule() {
  const QString beside = QDir(QCoreApplication::applicationDirPath())
                             .filePath(QStringLiteral(FIBWICK_AUDIO_MODULE_NAME));
  for (const QString& path : {beside, QStringLiteral(FIBWICK_AUDIO_MODULE)}) {
    // Never unloaded: the outputs it made live until the program ends.
    QLibrary module(path);
    if (auto make = reinterpret_cast<MakeSoundOutput>(module.resolve(MakeSoundOutputSymbol))) {
      return make;
    }
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<SoundOutput> OpenSoundOutput() {
  static const MakeSoundOutput make = LoadModule();
  return make != nullptr ? std::unique_ptr<SoundOutput>(make()) : nullptr;
}

}  // namespace fibwick

#pragma once

#include <QIODevice>
#include <optional>
#include <vector>

#include "ui/sound/ima_adpcm.h"

// The menu tune: our MIDI song, rendered with a General MIDI soundfont when the program is
// built and compiled in as IMA ADPCM.
namespace fibwick {

// The built-in tune, read in place from the program's resources.
std::optional<AdpcmWav> MenuTune();

// A tune's samples as 16-bit PCM, round and round: decoded a block at a time as the sound
// output asks, so the tune is never held whole as samples.
class AdpcmLoop final : public QIODevice {
 public:
  explicit AdpcmLoop(const AdpcmWav& wav);
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override;

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  void DecodeNextBlock();

  AdpcmWav wav_;
  std::size_t blocks_;
  std::size_t block_ = 0;  // the next to decode
  std::vector<std::int16_t> decoded_;
  std::size_t decodedBytes_ = 0;
  std::size_t at_ = 0;  // bytes of decoded_ already read
};

}  // namespace fibwick

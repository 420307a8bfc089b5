#include "ui/sound/menu_tune.h"

#include <QResource>
#include <algorithm>
#include <cstring>

namespace fibwick {

std::optional<AdpcmWav> MenuTune() {
  // Stored uncompressed, so the bytes are read where the program holds them.
  const QResource resource(QStringLiteral(":/sound/MenuTune.wav"));
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
    return {};
  }
  return ReadAdpcmWav(
      {reinterpret_cast<const char*>(resource.data()), static_cast<std::size_t>(resource.size())});
}

AdpcmLoop::AdpcmLoop(const AdpcmWav& wav)
    : wav_(wav),
      blocks_((wav.frames + wav.FramesPerBlock() - 1) / wav.FramesPerBlock()),
      decoded_(static_cast<std::size_t>(wav.FramesPerBlock() * wav.channels)) {
  open(QIODevice::ReadOnly);
}

qint64 AdpcmLoop::bytesAvailable() const {
  // Endless while there is a tune at all.
  return (blocks_ > 0 ? qint64{1} << 40 : 0) + QIODevice::bytesAvailable();
}

void AdpcmLoop::DecodeNextBlock() {
  if (block_ == blocks_) block_ = 0;
  const std::size_t blockAlign = static_cast<std::size_t>(wav_.blockAlign);
  const std::size_t from = block_ * blockAlign;
  const auto block =
      wav_.data.subspan(std::min(from, wav_.data.size()),
                        std::min(blockAlign, wav_.data.size() - std::min(from, wav_.data.size())));
  const std::size_t perBlock = static_cast<std::size_t>(wav_.FramesPerBlock());
  const std::size_t left = wav_.frames - block_ * perBlock;
  const auto frames = std::min<std::size_t>(
      left, static_cast<std::size_t>(DecodeAdpcmBlock(wav_, block, decoded_.data())));
  decodedBytes_ = frames * static_cast<std::size_t>(wav_.channels) * 2;
  at_ = 0;
  ++block_;
}

qint64 AdpcmLoop::readData(char* data, qint64 maxSize) {
  qint64 done = 0;
  for (int emptyBlocks = 0; done < maxSize && emptyBlocks <= static_cast<int>(blocks_);) {
    if (at_ == decodedBytes_) {
      DecodeNextBlock();
      emptyBlocks = decodedBytes_ == 0 ? emptyBlocks + 1 : 0;
      continue;
    }
    const auto n =
        std::min<std::size_t>(static_cast<std::size_t>(maxSize - done), decodedBytes_ - at_);
    std::memcpy(data + done, reinterpret_cast<const char*>(decoded_.data()) + at_, n);
    done += static_cast<qint64>(n);
    at_ += n;
  }
  return done;
}

}  // namespace fibwick

#include "ui/sound/wav_file.h"

#include <QtEndian>
#include <cstdint>

#include "ui/sound/riff_wave.h"

namespace fibwick {
namespace {

void Append32(QByteArray& out, std::uint32_t value) {
  char bytes[4];
  qToLittleEndian(value, bytes);
  out.append(bytes, 4);
}
void Append16(QByteArray& out, std::uint16_t value) {
  char bytes[2];
  qToLittleEndian(value, bytes);
  out.append(bytes, 2);
}

}  // namespace

int WavClip::LengthMs() const {
  const int frame = BytesPerFrame();
  if (frame <= 0 || sampleRate <= 0) return 0;
  return static_cast<int>(pcm.size() / frame * 1000 / sampleRate);
}

std::optional<WavClip> ReadWav(const QByteArray& file) {
  const auto chunks = SplitWav(std::span(file.constData(), static_cast<std::size_t>(file.size())));
  if (!chunks || chunks->format.size() < 16 || Read16(chunks->format, 0) != 1) return {};
  WavClip clip;
  clip.channels = Read16(chunks->format, 2);
  clip.sampleRate = static_cast<int>(Read32(chunks->format, 4));
  clip.bitsPerSample = Read16(chunks->format, 14);
  const bool sane = (clip.channels == 1 || clip.channels == 2) &&
                    (clip.bitsPerSample == 8 || clip.bitsPerSample == 16) &&
                    clip.sampleRate >= 4000 && clip.sampleRate <= 192000;
  if (!sane) return {};
  clip.pcm = QByteArray(chunks->data.data(), static_cast<qsizetype>(chunks->data.size()));
  clip.pcm.truncate(clip.pcm.size() - clip.pcm.size() % clip.BytesPerFrame());
  return clip;
}

QByteArray WavFileOf(const WavClip& clip) {
  QByteArray out;
  out.reserve(44 + clip.pcm.size());
  const auto dataBytes = static_cast<std::uint32_t>(clip.pcm.size());
  out.append("RIFF");
  Append32(out, 36 + dataBytes);
  out.append("WAVEfmt ");
  Append32(out, 16);
  Append16(out, 1);
  Append16(out, static_cast<std::uint16_t>(clip.channels));
  Append32(out, static_cast<std::uint32_t>(clip.sampleRate));
  Append32(out, static_cast<std::uint32_t>(clip.sampleRate * clip.BytesPerFrame()));
  Append16(out, static_cast<std::uint16_t>(clip.BytesPerFrame()));
  Append16(out, static_cast<std::uint16_t>(clip.bitsPerSample));
  out.append("data");
  Append32(out, dataBytes);
  out.append(clip.pcm);
  return out;
}

}  // namespace fibwick

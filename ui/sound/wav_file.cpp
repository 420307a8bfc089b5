#include "ui/sound/wav_file.h"

#include <QtEndian>
#include <algorithm>
#include <cstdint>

namespace fibwick {
namespace {

std::uint32_t Read32(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<std::uint32_t>(bytes.constData() + at);
}
std::uint16_t Read16(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<std::uint16_t>(bytes.constData() + at);
}
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
  if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return {};
  WavClip clip;
  bool haveFormat = false;
  qsizetype at = 12;
  while (at + 8 <= file.size()) {
    const QByteArray id = file.mid(at, 4);
    const qsizetype size = Read32(file, at + 4);
    const qsizetype body = at + 8;
    if (id == "fmt ") {
      if (size < 16 || body + 16 > file.size() || Read16(file, body) != 1) return {};
      clip.channels = Read16(file, body + 2);
      clip.sampleRate = static_cast<int>(Read32(file, body + 4));
      clip.bitsPerSample = Read16(file, body + 14);
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) return {};
      clip.pcm = file.mid(body, std::min(size, file.size() - body));
      const bool sane = (clip.channels == 1 || clip.channels == 2) &&
                        (clip.bitsPerSample == 8 || clip.bitsPerSample == 16) &&
                        clip.sampleRate >= 4000 && clip.sampleRate <= 192000;
      if (!sane) return {};
      clip.pcm.truncate(clip.pcm.size() - clip.pcm.size() % clip.BytesPerFrame());
      return clip;
    }
    at = body + size + (size & 1);  // chunks are padded to even sizes
  }
  return {};
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

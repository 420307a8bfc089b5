#pragma once

#include <zip.h>

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <vector>

#include "ui/sound/wav_file.h"

namespace fibwick::sound_testing {

// The 16-bit samples of a clip, all channels interleaved.
inline std::vector<std::int16_t> Samples(const WavClip& clip) {
  std::vector<std::int16_t> samples(static_cast<std::size_t>(clip.pcm.size() / 2));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = qFromLittleEndian<std::int16_t>(clip.pcm.constData() + 2 * i);
  }
  return samples;
}

// The loudest sample of a stretch, as a fraction of full scale.
inline double Peak(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
  int peak = 0;
  for (std::size_t i = from; i < std::min(to, samples.size()); ++i) {
    peak = std::max(peak, std::abs(int(samples[i])));
  }
  return peak / 32768.0;
}

// A 440 Hz tone of that length at a quarter of full scale, 16-bit mono.
inline WavClip ToneClip(int milliseconds) {
  WavClip clip{.sampleRate = 22050, .channels = 1, .bitsPerSample = 16, .pcm = {}};
  const int frames = 22050 * milliseconds / 1000;
  for (int i = 0; i < frames; ++i) {
    const auto s = static_cast<std::int16_t>(8000 * std::sin(2 * 3.14159265 * 440 * i / 22050.0));
    char bytes[2];
    qToLittleEndian(s, bytes);
    clip.pcm.append(bytes, 2);
  }
  return clip;
}

// Writes a real pack: a ZIP archive of the entries given.
inline void WritePack(const QString& path, const std::map<QString, QByteArray>& entries) {
  int error = 0;
  zip_t* archive = zip_open(path.toUtf8().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) throw std::runtime_error("cannot create pack");
  for (const auto& [name, data] : entries) {
    // libzip reads the buffer when the archive is closed; the map outlives that.
    zip_source_t* source =
        zip_source_buffer(archive, data.constData(), static_cast<zip_uint64_t>(data.size()), 0);
    zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE);
  }
  if (zip_close(archive) != 0) throw std::runtime_error("cannot write pack");
}

}  // namespace fibwick::sound_testing

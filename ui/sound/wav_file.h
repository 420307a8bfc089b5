#pragma once

#include <QByteArray>
#include <optional>

// WAV files as the cues and the voices come: uncompressed PCM.
namespace fibwick {

struct WavClip {
  int sampleRate = 0;
  int channels = 0;
  int bitsPerSample = 0;  // 8 or 16
  QByteArray pcm;         // the samples of the data chunk

  int BytesPerFrame() const { return channels * bitsPerSample / 8; }
  // How long the clip plays, rounded down to whole milliseconds.
  int LengthMs() const;
};

// The clip of a RIFF/WAVE file of 8- or 16-bit PCM, mono or stereo; nothing when the bytes are
// not such a file (a truncated data chunk is cut to what is there).
std::optional<WavClip> ReadWav(const QByteArray& file);

// A whole file holding the clip.
QByteArray WavFileOf(const WavClip& clip);

}  // namespace fibwick

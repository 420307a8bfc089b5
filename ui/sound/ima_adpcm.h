#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// IMA ADPCM as WAV files carry it (format 0x11): four bits a sample, in blocks that restart each
// channel from a sample of its own. The menu tune is kept so, at a quarter of its PCM size.
// No toolkit here: the build-time renderer writes what the program reads.
namespace fibwick {

inline constexpr int AdpcmBlockBytesPerChannel = 1024;

struct AdpcmWav {
  int sampleRate = 0;
  int channels = 0;
  int blockAlign = 0;  // bytes of one block, every channel's part together
  std::uint32_t frames = 0;
  std::span<const char> data;  // the blocks, within the file's bytes

  int FramesPerBlock() const;
  int LengthMs() const;
};

// Nothing when the bytes are not such a file of one or two channels.
std::optional<AdpcmWav> ReadAdpcmWav(std::span<const char> file);

// Decodes one block (the last may be short) into interleaved samples, at most FramesPerBlock
// frames; returns the frames written.
int DecodeAdpcmBlock(const AdpcmWav& wav, std::span<const char> block, std::int16_t* out);

// A whole file of interleaved 16-bit samples.
std::vector<char> AdpcmWavFile(std::span<const std::int16_t> samples, int channels, int sampleRate);

}  // namespace fibwick

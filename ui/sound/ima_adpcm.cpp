#include "ui/sound/ima_adpcm.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "ui/sound/riff_wave.h"

namespace fibwick {
namespace {

constexpr std::uint16_t ImaAdpcmFormat = 0x11;
constexpr int HeaderBytes = 4;  // per channel: the first sample and the step index
constexpr int GroupBytes = 4;   // per channel: eight samples

constexpr std::array<int, 89> StepSizes = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,   21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,   73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,  253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,  876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749, 3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493, 10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr std::array<int, 16> IndexSteps = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

struct Channel {
  int sample = 0;
  int index = 0;

  // The decoder's step; the encoder takes it too, so both follow the same sample.
  std::int16_t Step(int nibble) {
    const int step = StepSizes[static_cast<std::size_t>(index)];
    int delta = step >> 3;
    if (nibble & 4) delta += step;
    if (nibble & 2) delta += step >> 1;
    if (nibble & 1) delta += step >> 2;
    sample = std::clamp(sample + (nibble & 8 ? -delta : delta), -32768, 32767);
    index = std::clamp(index + IndexSteps[static_cast<std::size_t>(nibble)], 0, 88);
    return static_cast<std::int16_t>(sample);
  }

  int Nibble(int target) const {
    int step = StepSizes[static_cast<std::size_t>(index)];
    int difference = target - sample;
    int nibble = 0;
    if (difference < 0) {
      nibble = 8;
      difference = -difference;
    }
    for (int bit = 4; bit > 0; bit >>= 1, step >>= 1) {
      if (difference >= step) {
        nibble |= bit;
        difference -= step;
      }
    }
    return nibble;
  }
};

void Put16(std::vector<char>& out, std::uint32_t value) {
  out.push_back(static_cast<char>(value & 0xff));
  out.push_back(static_cast<char>(value >> 8 & 0xff));
}

void Put32(std::vector<char>& out, std::uint32_t value) {
  Put16(out, value & 0xffff);
  Put16(out, value >> 16);
}

void PutTag(std::vector<char>& out, std::string_view tag) {
  out.insert(out.end(), tag.begin(), tag.end());
}

int FramesPerBlock(int blockAlign, int channels) {
  return (blockAlign - HeaderBytes * channels) * 2 / channels + 1;
}

}  // namespace

int AdpcmWav::FramesPerBlock() const {
  return fibwick::FramesPerBlock(blockAlign, channels);
}

int AdpcmWav::LengthMs() const {
  return sampleRate > 0 ? static_cast<int>(std::uint64_t{frames} * 1000 / sampleRate) : 0;
}

std::optional<AdpcmWav> ReadAdpcmWav(std::span<const char> file) {
  const auto chunks = SplitWav(file);
  if (!chunks || chunks->format.size() < 16 || Read16(chunks->format, 0) != ImaAdpcmFormat ||
      chunks->fact.size() < 4) {
    return {};
  }
  AdpcmWav wav;
  wav.channels = Read16(chunks->format, 2);
  wav.sampleRate = static_cast<int>(Read32(chunks->format, 4));
  wav.blockAlign = Read16(chunks->format, 12);
  wav.frames = Read32(chunks->fact, 0);
  wav.data = chunks->data;
  const bool sane = (wav.channels == 1 || wav.channels == 2) && Read16(chunks->format, 14) == 4 &&
                    wav.sampleRate >= 4000 && wav.sampleRate <= 192000 &&
                    wav.blockAlign > HeaderBytes * wav.channels &&
                    wav.blockAlign % (GroupBytes * wav.channels) == 0;
  if (!sane) return {};
  return wav;
}

int DecodeAdpcmBlock(const AdpcmWav& wav, std::span<const char> block, std::int16_t* out) {
  const int channels = wav.channels;
  if (block.size() < static_cast<std::size_t>(HeaderBytes * channels)) return 0;
  std::array<Channel, 2> state;
  for (int c = 0; c < channels; ++c) {
    state[c].sample = static_cast<std::int16_t>(Read16(block, HeaderBytes * c));
    state[c].index = std::min<int>(static_cast<unsigned char>(block[HeaderBytes * c + 2]), 88);
    out[c] = static_cast<std::int16_t>(state[c].sample);
  }
  const std::size_t groups =
      (std::min<std::size_t>(block.size(), wav.blockAlign) - HeaderBytes * channels) /
      (GroupBytes * channels);
  std::size_t at = HeaderBytes * channels;
  for (std::size_t g = 0; g < groups; ++g) {
    for (int c = 0; c < channels; ++c, at += GroupBytes) {
      for (int i = 0; i < 8; ++i) {
        const auto byte = static_cast<unsigned char>(block[at + i / 2]);
        const int nibble = i % 2 == 0 ? byte & 0x0f : byte >> 4;
        out[(1 + g * 8 + i) * channels + c] = state[c].Step(nibble);
      }
    }
  }
  return static_cast<int>(1 + groups * 8);
}

std::vector<char> AdpcmWavFile(std::span<const std::int16_t> samples, int channels,
                               int sampleRate) {
  const int blockAlign = AdpcmBlockBytesPerChannel * channels;
  const int perBlock = FramesPerBlock(blockAlign, channels);
  const std::size_t frames = samples.size() / static_cast<std::size_t>(channels);
  const auto sample = [&](std::size_t frame, int c) -> int {
    return frame < frames ? samples[frame * channels + c] : 0;
  };
  std::vector<char> data;
  std::array<Channel, 2> state;
  for (std::size_t first = 0; first < frames; first += perBlock) {
    for (int c = 0; c < channels; ++c) {
      state[c].sample = sample(first, c);
      Put16(data, static_cast<std::uint16_t>(state[c].sample));
      data.push_back(static_cast<char>(state[c].index));
      data.push_back(0);
    }
    for (int group = 0; group < (perBlock - 1) / 8; ++group) {
      for (int c = 0; c < channels; ++c) {
        for (int i = 0; i < 8; i += 2) {
          const std::size_t frame = first + 1 + group * 8 + i;
          const int low = state[c].Nibble(sample(frame, c));
          state[c].Step(low);
          const int high = state[c].Nibble(sample(frame + 1, c));
          state[c].Step(high);
          data.push_back(static_cast<char>(low | high << 4));
        }
      }
    }
  }
  std::vector<char> file;
  PutTag(file, "RIFF");
  Put32(file, static_cast<std::uint32_t>(4 + 28 + 12 + 8 + data.size()));
  PutTag(file, "WAVEfmt ");
  Put32(file, 20);
  Put16(file, ImaAdpcmFormat);
  Put16(file, static_cast<std::uint16_t>(channels));
  Put32(file, static_cast<std::uint32_t>(sampleRate));
  Put32(file, static_cast<std::uint32_t>(std::uint64_t{static_cast<std::uint32_t>(sampleRate)} *
                                         blockAlign / perBlock));
  Put16(file, static_cast<std::uint16_t>(blockAlign));
  Put16(file, 4);
  Put16(file, 2);  // the extra format bytes: frames per block
  Put16(file, static_cast<std::uint16_t>(perBlock));
  PutTag(file, "fact");
  Put32(file, 4);
  Put32(file, static_cast<std::uint32_t>(frames));
  PutTag(file, "data");
  Put32(file, static_cast<std::uint32_t>(data.size()));
  file.insert(file.end(), data.begin(), data.end());
  return file;
}

}  // namespace fibwick

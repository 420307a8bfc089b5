#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The chunks of a RIFF/WAVE file that this game reads, without the toolkit, so the build-time
// tools read and write the same files as the program.
namespace fibwick {

struct WavChunks {
  std::span<const char> format;
  std::span<const char> fact;  // empty when the file has none
  std::span<const char> data;  // cut to the bytes that are there when the file is truncated
};

// Nothing when the bytes are not RIFF/WAVE or the format does not come before the data.
std::optional<WavChunks> SplitWav(std::span<const char> file);

std::uint16_t Read16(std::span<const char> bytes, std::size_t at);
std::uint32_t Read32(std::span<const char> bytes, std::size_t at);

}  // namespace fibwick

#include "ui/sound/riff_wave.h"

#include <algorithm>
#include <string_view>

namespace fibwick {
namespace {

std::string_view Tag(std::span<const char> bytes, std::size_t at) {
  return {bytes.data() + at, 4};
}

}  // namespace

std::uint16_t Read16(std::span<const char> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::uint32_t Read32(std::span<const char> bytes, std::size_t at) {
  return Read16(bytes, at) | std::uint32_t{Read16(bytes, at + 2)} << 16;
}

std::optional<WavChunks> SplitWav(std::span<const char> file) {
  if (file.size() < 12 || Tag(file, 0) != "RIFF" || Tag(file, 8) != "WAVE") return {};
  WavChunks chunks;
  std::size_t at = 12;
  while (at + 8 <= file.size()) {
    const std::size_t size = Read32(file, at + 4);
    const std::size_t body = at + 8;
    const auto chunk = file.subspan(body, std::min(size, file.size() - body));
    if (Tag(file, at) == "fmt ") {
      chunks.format = chunk;
    } else if (Tag(file, at) == "fact") {
      chunks.fact = chunk;
    } else if (Tag(file, at) == "data") {
      if (chunks.format.empty()) return {};
      chunks.data = chunk;
      return chunks;
    }
    at = body + size + (size & 1);  // chunks are padded to even sizes
  }
  return {};
}

}  // namespace fibwick

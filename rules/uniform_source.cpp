#include "rules/uniform_source.h"

#include <chrono>

namespace fibwick {

ClockSeededSource::ClockSeededSource()
    : engine_(static_cast<std::uint64_t>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

int ClockSeededSource::Draw(int n) {
  return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

}  // namespace fibwick

#pragma once

#include <cstdint>
#include <random>

namespace fibwick {

// Where the shuffle and the computer player take their chances from; tests script the draws.
class UniformSource {
 public:
  virtual ~UniformSource() = default;
  // A uniform integer 0..n-1.
  virtual int Draw(int n) = 0;
};

class ClockSeededSource final : public UniformSource {
 public:
  ClockSeededSource();
  explicit ClockSeededSource(std::uint64_t seed) : engine_(seed) {}
  int Draw(int n) override;

 private:
  std::mt19937_64 engine_;
};

}  // namespace fibwick

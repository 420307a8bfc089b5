#pragma once

#include <array>
#include <cstddef>

namespace fibwick {

// A fixed array addressed 1..N, so code reads with the positions the rules talk about.
template <class T, std::size_t N>
struct Slots {
  std::array<T, N> items{};

  static constexpr int Size() { return static_cast<int>(N); }
  T& operator[](int position) { return items[static_cast<std::size_t>(position - 1)]; }
  const T& operator[](int position) const { return items[static_cast<std::size_t>(position - 1)]; }
  void Fill(const T& value) { items.fill(value); }

  friend bool operator==(const Slots&, const Slots&) = default;
};

}  // namespace fibwick

#pragma once
// A fixed array indexed from 1, as the game state's arrays are: slot 1 is the
// first card of a hand, position 1 the first card of the deck or the table.

#include <array>
#include <cassert>
#include <cstddef>

namespace tavik {

template <typename T, int N>
class OneBased {
  public:
    constexpr T& operator[](int i) {
        assert(i >= 1 && i <= N);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    constexpr const T& operator[](int i) const {
        assert(i >= 1 && i <= N);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    static constexpr int size() { return N; }
    constexpr void fill(const T& v) { items_.fill(v); }
    constexpr auto begin() { return items_.begin(); }
    constexpr auto end() { return items_.end(); }
    constexpr auto begin() const { return items_.begin(); }
    constexpr auto end() const { return items_.end(); }
    constexpr bool operator==(const OneBased&) const = default;

  private:
    std::array<T, N> items_{};
};

}  // namespace tavik

#pragma once
// Exact rounding for the table layout. Every figure of the layout is a ratio of
// whole numbers (a window of 990 x 650 pixels is 1.3 times the 760 x 500 design,
// a full-screen window is its client size over the design size), so the layout
// rounds exact fractions: nearest() takes halves to the even neighbour, and 1.3 x 45
// is 58.5 and rounds to 58 whatever binary floating point would have made of it.

#include <cstdint>
#include <numeric>

namespace tavik::ui {

// A fraction num / den with den > 0, kept in lowest terms.
struct Ratio {
    std::int64_t num = 0;
    std::int64_t den = 1;

    constexpr Ratio() = default;
    constexpr Ratio(std::int64_t n) : num(n), den(1) {}  // NOLINT: whole numbers convert
    constexpr Ratio(std::int64_t n, std::int64_t d) : num(d < 0 ? -n : n), den(d < 0 ? -d : d) {
        const std::int64_t g = std::gcd(num, den);
        if (g > 1) {
            num /= g;
            den /= g;
        }
    }
    constexpr double value() const { return static_cast<double>(num) / static_cast<double>(den); }

    friend constexpr Ratio operator+(Ratio a, Ratio b) {
        return Ratio(a.num * b.den + b.num * a.den, a.den * b.den);
    }
    friend constexpr Ratio operator-(Ratio a, Ratio b) {
        return Ratio(a.num * b.den - b.num * a.den, a.den * b.den);
    }
    friend constexpr Ratio operator*(Ratio a, Ratio b) {
        return Ratio(a.num * b.num, a.den * b.den);
    }
    friend constexpr Ratio operator/(Ratio a, Ratio b) {
        return Ratio(a.num * b.den, a.den * b.num);
    }
    friend constexpr bool operator<(Ratio a, Ratio b) { return a.num * b.den < b.num * a.den; }
    friend constexpr bool operator==(Ratio a, Ratio b) { return a.num == b.num && a.den == b.den; }
};

// The nearest whole number, halves going to the even neighbour (92.5 -> 92, 93.5 -> 94).
constexpr int nearest(Ratio r) {
    std::int64_t q = r.num / r.den;  // truncated toward zero
    std::int64_t rest = r.num % r.den;
    if (rest < 0) {  // floor for negative fractions
        q -= 1;
        rest += r.den;
    }
    const std::int64_t twice = 2 * rest;
    if (twice > r.den || (twice == r.den && q % 2 != 0)) q += 1;
    return static_cast<int>(q);
}

// nearest(num / den) for whole numbers.
constexpr int nearest(std::int64_t num, std::int64_t den) {
    return nearest(Ratio(num, den));
}

}  // namespace tavik::ui

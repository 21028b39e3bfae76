// Rounding of 64-bit working values into 32-bit fields.
#pragma once

#include <cmath>
#include <limits>

namespace quorin {

// The 32-bit value of `x`; a result beyond the float range is stored as the
// infinity of its sign, as an overflowing store does.
inline float single(double x) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (x > kMax) return std::numeric_limits<float>::infinity();
    if (x < -kMax) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(x);
}

// True when `x` does not fit a 32-bit field (overflow or not a number).
inline bool overflowsSingle(double x) {
    return !std::isfinite(x) ||
           std::fabs(x) > double(std::numeric_limits<float>::max());
}

}  // namespace quorin

#pragma once

#include <algorithm>
#include <functional>

namespace zorbel {

// A uniform value r with 0 <= r < 1, drawn afresh on every call.
using UniformRandom = std::function<double()>;

// rand(n) = floor(r * n): a whole number from 0 to n - 1, and 0 when n is 0.
// It draws r even when n is 0, so that every rand() of the game uses up one value.
// The clamp guards against r * n rounding up to n in floating point.
inline int randBelow(const UniformRandom &random, int n)
{
    const double r = random();
    if (n <= 0)
        return 0;
    return std::clamp(static_cast<int>(r * n), 0, n - 1);
}

} // namespace zorbel

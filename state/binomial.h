#pragma once

#include <limits>

namespace fortunara {

// The number of ways to choose k of n things, C(n, k); 0 when k is outside 0..n. Exact for every
// count the game has (C(90, 6) = 622,614,630); a count beyond the range of long long gives its
// largest value.
constexpr long long Binomial(long long n, long long k) {
    if (k < 0 || k > n) return 0;
    if (k > n - k) k = n - k;
    long long result = 1;
    for (long long i = 1; i <= k; ++i) {
        // Each step gives C(n - k + i, i) exactly.
        const long long factor = n - k + i;
        if (result > std::numeric_limits<long long>::max() / factor) return std::numeric_limits<long long>::max();
        result = result * factor / i;
    }
    return result;
}

}  // namespace fortunara

#pragma once

#include <array>
#include <numeric>
#include <vector>

#include "systems/core/development.h"

namespace fortunara::test {

using Combo = std::array<int, 6>;
using Combos = std::vector<Combo>;

// A development of the numbers 1..n (entered in this order) with the given guarantee and option.
inline SystemRequest RequestFor(int n, int guaranteeMode = 1, int reductionOption = 0) {
    SystemRequest request;
    request.quantity = n;
    request.numbers.resize(static_cast<std::size_t>(std::min(n, kHighestPosition)));
    std::iota(request.numbers.begin(), request.numbers.end(), 1);
    request.guaranteeMode = guaranteeMode;
    request.reductionOption = reductionOption;
    return request;
}

inline SystemRequest RequestWithNumbers(const std::vector<int>& numbers) {
    SystemRequest request = RequestFor(static_cast<int>(numbers.size()));
    request.numbers = numbers;
    return request;
}

}  // namespace fortunara::test

#include "state/binomial.h"

#include <gtest/gtest.h>

#include <limits>

namespace fortunara {
namespace {

TEST(Binomial, CountsOfTheGameAndTheEdges) {
    struct Case {
        long long n;
        long long k;
        long long count;
    };
    const Case cases[] = {
        {90, 6, 622614630},
        {14, 6, 3003},
        {6, 6, 1},
        {5, 6, 0},
        {4, 2, 6},
        {0, 0, 1},
        {6, -1, 0},
        {-3, 2, 0},
        {90, 1, 90},
        {89, 5, 41507642},
        {3000000000LL, 5, std::numeric_limits<long long>::max()},
    };
    for (const Case& c : cases) EXPECT_EQ(Binomial(c.n, c.k), c.count) << "C(" << c.n << ", " << c.k << ")";
}

}  // namespace
}  // namespace fortunara

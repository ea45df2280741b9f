#pragma once

#include <vector>

#include "statistics/core/distributions.h"
#include "statistics/core/number_chance.h"

namespace fortunara {

// The chance of each value of a distribution table's property in one draw, exactly, by counting
// the draws of six different numbers of `pool` (90 in the game) place by place, with the positions
// that do not take part reading 0 as in the tables. For the sum, the jolly (one of the numbers left)
// and the superstar (one of `pool` of its own) count when the draw's kind says so. Element v is the
// chance of value v: 0 to 6, or 0 to kLargestSum for the sum.
std::vector<double> PropertyChances(DistributionKind property, const PositionFlags& positions, DrawKind drawKind,
                                    int pool = 90);

// How often each value is expected over the draws of a range (counted by kind, element
// [jolly][superstar]): the draws of each kind times the chance of the value in a draw of it.
std::vector<double> ExpectedFrequencies(DistributionKind property, const PositionFlags& positions,
                                        const KindCounts& draws);

}  // namespace fortunara

#include "vertible/core/vertible_numbers.h"

#include <gtest/gtest.h>

namespace fortunara {
namespace {

struct Case {
    int value;
    int expected;
};

TEST(VertibleNumbers, VertibleTriesNineThenUnitsNineThenTwinsThenSwapsTheDigits) {
    const Case cases[] = {{0, 9},   {9, 90}, {10, 1},  {11, 19}, {19, 11}, {12, 21}, {44, 49},
                          {49, 44}, {80, 8}, {89, 88}, {88, 89}, {5, 50},  {1, 10},  {87, 78}};
    for (const Case& c : cases) EXPECT_EQ(VertibleNumber(c.value), c.expected) << "g = " << c.value;
}

TEST(VertibleNumbers, DiametralIsFortyFiveOnWithinNinety) {
    const Case cases[] = {{44, 89}, {45, 90}, {46, 1}, {89, 44}, {0, 45}};
    for (const Case& c : cases) EXPECT_EQ(DiametralNumber(c.value), c.expected) << "g = " << c.value;
}

}  // namespace
}  // namespace fortunara

#pragma once

#include <string>

namespace fortunara::test {

// Compares a long output with its golden file tests/data/golden/NAME, whose lines were checked once
// by hand. On a difference (or when the file is missing) the output is written beside it as
// NAME.actual, for a diff or for review, and the first differing line is described; an empty
// result means the output is the golden one.
std::string GoldenDifference(const std::string& name, const std::string& actual);

}  // namespace fortunara::test

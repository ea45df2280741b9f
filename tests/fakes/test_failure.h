#pragma once

#include <functional>
#include <string>

namespace fortunara::test {

// How a fake reports something no test scripted (a question, a modal window). Each test main sets
// the reporter of its framework; without one the fake stops the test binary at once, so that a
// forgotten script can never pass unnoticed or leave the test waiting.
void SetFailureReporter(std::function<void(const std::string& what)> reporter);
void ReportUnscripted(const std::string& what);

}  // namespace fortunara::test

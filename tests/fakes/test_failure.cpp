#include "tests/fakes/test_failure.h"

#include <cstdio>
#include <cstdlib>

namespace fortunara::test {

namespace {

std::function<void(const std::string&)>& Reporter() {
    static std::function<void(const std::string&)> reporter;
    return reporter;
}

}  // namespace

void SetFailureReporter(std::function<void(const std::string& what)> reporter) {
    Reporter() = std::move(reporter);
}

void ReportUnscripted(const std::string& what) {
    if (Reporter()) return Reporter()(what);
    std::fprintf(stderr, "non previsto dal test: %s\n", what.c_str());
    std::abort();
}

}  // namespace fortunara::test

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "systems/core/development.h"
#include "tests/systems/system_test_support.h"

namespace fortunara {
namespace {

using test::RequestFor;

const std::string kRule(53, '_');

SystemRun Printed(SystemRequest request) {
    request.print = true;
    return RunDevelopment(request);
}

int Separators(const std::string& line) {
    int count = 0;
    for (std::size_t at = line.find(" | "); at != std::string::npos; at = line.find(" | ", at + 1)) ++count;
    return count;
}

TEST(SystemReport, TenNumbersPrintSeventyLinesOfThree) {
    const SystemRequest request = RequestFor(10);
    const SystemRun run = Printed(request);
    const std::vector<std::string>& report = run.report;
    ASSERT_EQ(report.size(), 9u + 70u + 1u);
    EXPECT_EQ(report[0], "\x1bM");
    EXPECT_EQ(report[1], kRule);
    EXPECT_EQ(report[2], " ");
    EXPECT_EQ(report[3], "    SISTEMA RIDOTTO N -  0 ");
    EXPECT_EQ(report[4], kRule);
    EXPECT_EQ(report[5], " ");
    EXPECT_EQ(report[6], "   I NUMERI :  1   2   3   4   5   6   7   8   9   10   ");
    EXPECT_EQ(report[7], kRule);
    EXPECT_EQ(report[8], " ");
    EXPECT_EQ(report[9], " 01 02 03 04 05 06 |  01 02 03 04 05 07 |  01 02 03 04 05 08");
    EXPECT_EQ(report[78], " 04 05 07 08 09 10 |  04 06 07 08 09 10 |  05 06 07 08 09 10");
    for (std::size_t i = 9; i < 79; ++i) {
        EXPECT_EQ(Separators(report[i]), 2) << report[i];
        EXPECT_EQ(report[i].size(), 3u * 18u + 2u * 3u);
    }
    EXPECT_EQ(report.back(), "");  // the closing empty line
}

TEST(SystemReport, AnOpenLastLineIsEndedWithoutAnEmptyLine) {
    const SystemRun run = Printed(RequestFor(7));  // seven combinations: 3 + 3 + 1
    ASSERT_EQ(run.report.size(), 9u + 3u);
    EXPECT_EQ(run.report.back(), " 02 03 04 05 06 07 | ");
}

TEST(SystemReport, GuaranteeHeadNamesTheSystem) {
    SystemRequest request = RequestFor(10, 3);
    request.numbers = {5, 12, 3, 40, 41, 90, 7, 8, 9, 0};
    const SystemRun run = Printed(request);
    EXPECT_EQ(run.report[3], "    SISTEMA  DI 10 NUMERI IN 35 COMBINAZIONI A GARANZIA DI TERNO");
    EXPECT_EQ(run.report[6], "   I NUMERI :  5   12   3   40   41   90   7   8   9   0   ");
    EXPECT_EQ(run.report[9].substr(0, 18), " 05 12 03 40 41 90");
    EXPECT_EQ(run.report.size(), 9u + 12u);  // 35 combinations: 11 full lines and one open
}

TEST(SystemReport, ReducedHeadShowsTheReductionOption) {
    EXPECT_EQ(Printed(RequestFor(8, 1, 2)).report[3], "    SISTEMA RIDOTTO N -  2 ");
    EXPECT_EQ(Printed(RequestFor(8, 1, -1)).report[3], "    SISTEMA RIDOTTO N -  0 ");  // none selected
}

TEST(SystemReport, StoppedRunsKeepWhatWasPrinted) {
    const SystemRun capacity = Printed(RequestFor(40));
    EXPECT_EQ(capacity.end, RunEnd::CapacityReached);
    EXPECT_EQ(capacity.report.size(), 9u + 10000u);  // no closing empty line
    EXPECT_EQ(Separators(capacity.report.back()), 2);

    const SystemRun tooFew = Printed(RequestFor(5));
    EXPECT_EQ(tooFew.report.size(), 6u);  // the head was printed before the check

    // EnteredNumbers ends at 90: the number line stops there, before any combination.
    const SystemRun beyond = Printed(RequestFor(95));
    EXPECT_EQ(beyond.end, RunEnd::PositionWithoutNumber);
    EXPECT_EQ(beyond.Count(), 0);
    ASSERT_EQ(beyond.report.size(), 7u);
    EXPECT_EQ(beyond.report.back().substr(beyond.report.back().size() - 5), " 90  ");
}

TEST(SystemReport, NothingWithoutPrinting) {
    EXPECT_TRUE(RunDevelopment(RequestFor(10)).report.empty());
}

}  // namespace
}  // namespace fortunara

#include <gtest/gtest.h>

#include "checks/core/record_chart.h"
#include "checks/core/system_record.h"
#include "tests/statistics/draw_builder.h"

namespace fortunara {
namespace {

using test::FillerDraw;
using test::MakeDraw;

TEST(SystemRecord, EveryDrawOfTheRangeInScanOrder) {
    test::TempFolder folder;
    test::WriteDraws(folder, {MakeDraw("01GEN2020", {1, 2, 3, 40, 50, 60}, 70), FillerDraw("02GEN2020"),
                              MakeDraw("03GEN2020", {6, 5, 4, 3, 2, 1}, 7), FillerDraw("04GEN2020"),
                              MakeDraw("05GEN2020", {1, 2, 3, 4, 5, 9}, 6)});
    // Two tickets: 1-6 and 1 2 3 7 8 9.
    const std::vector<int> numbers = {1, 2, 3, 4, 5, 6, 1, 2, 3, 7, 8, 9};
    const Tickets tickets = TicketsOf(numbers, 6);

    const SystemRecord back = RecordOverRange(folder.path(), tickets, {9, 1});  // cut at the newest
    ASSERT_EQ(back.error, "");
    EXPECT_EQ(back.checked, 5);
    ASSERT_EQ(back.draws.size(), 3U);
    EXPECT_EQ(back.draws[0].record, 5);
    EXPECT_EQ(back.draws[0].date, "05GEN2020");
    EXPECT_EQ(back.draws[0].counts, (WinCounts{0, 1, 0, 1, 0}));  // 1-5 and the jolly 6; 1 2 3 9
    EXPECT_EQ(back.draws[1].record, 3);
    EXPECT_EQ(back.draws[1].counts, (WinCounts{1, 0, 0, 0, 1}));
    EXPECT_EQ(back.draws[2].record, 1);
    EXPECT_EQ(back.draws[2].counts, (WinCounts{2, 0, 0, 0, 0}));
    EXPECT_EQ(back.total, (WinCounts{3, 1, 0, 1, 1}));

    const SystemRecord forth = RecordOverRange(folder.path(), tickets, {2, 4});
    ASSERT_EQ(forth.draws.size(), 1U);
    EXPECT_EQ(forth.draws[0].record, 3);
    EXPECT_EQ(forth.checked, 3);

    // An archive that cannot be opened is said, not passed off as a record without wins.
    test::TempFolder broken;
    std::filesystem::create_directories(broken.path() / "dati" / "estraz09.txt");
    EXPECT_NE(RecordOverRange(broken.path(), tickets, {1, 1}).error, "");
}

TEST(SystemRecord, HistoryAddsCostAndReturnsFromTheOldestDrawBesideWhatChanceReturns) {
    test::TempFolder folder;
    test::WriteDraws(folder, {MakeDraw("01GEN2020", {1, 2, 3, 40, 50, 60}, 70), FillerDraw("02GEN2020"),
                              MakeDraw("03GEN2020", {6, 5, 4, 3, 2, 1}, 7), FillerDraw("04GEN2020"),
                              MakeDraw("05GEN2020", {1, 2, 3, 4, 5, 9}, 6)});
    const std::vector<int> numbers = {1, 2, 3, 4, 5, 6, 1, 2, 3, 7, 8, 9};
    // Terno 10,00, quaterna 100,00, cinque + 1 1.000,00, sestina 10.000,00; no cinquina.
    Prizes prizes;
    prizes.cents = {1000, 10000, 0, 100000, 1000000};
    const RecordHistory history = ComputeRecordHistory(folder.path(), TicketsOf(numbers, 6), {5, 1}, 200, prizes);
    ASSERT_EQ(history.record.error, "");
    // Record 1: two terni; record 3: a terno and a sestina; record 5: a quaterna and a cinque + 1.
    const std::vector<long long> returns = {2000, 2000, 1003000, 1003000, 1113000};
    // Per ticket of six, of C(90, 6) draws: a terno in 20 * C(84, 3), a quaterna in 15 * C(84, 2), five in
    // 6 * 84 of which 6 with the jolly, a sestina in 1.
    const double perDraw = 2 * (1905680.0 * 1000 + 52290.0 * 10000 + 6.0 * 100000 + 1.0 * 1000000) / 622614630.0;
    ASSERT_EQ(history.points.size(), 5U);
    for (std::size_t i = 0; i < 5; ++i) {
        const RecordPoint& point = history.points[i];
        EXPECT_EQ(point.record, static_cast<int>(i) + 1);
        EXPECT_EQ(point.date, "0" + std::to_string(i + 1) + "GEN2020");
        EXPECT_EQ(point.costCents, 200 * (static_cast<long long>(i) + 1));
        EXPECT_EQ(point.returnsCents, returns[i]);
        EXPECT_NEAR(point.expectedCents, perDraw * static_cast<double>(i + 1), 1e-6);
    }
    const ChartData chart = RecordChart(history);
    EXPECT_EQ(chart.notes.front(),
              "DAL 05GEN2020 AL 01GEN2020: ESTRAZIONI 5  VINCENTI 3  COSTO 10,00 euro  VINCITE 11.130,00 euro");
    ASSERT_EQ(chart.series.size(), 3U);
    EXPECT_EQ(chart.series[1].points.back().y, 11130.0);
}

}  // namespace
}  // namespace fortunara

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace fortunara

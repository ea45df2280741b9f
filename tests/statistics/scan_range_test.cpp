#include "statistics/core/scan_range.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "statistics/core/distributions.h"
#include "statistics/core/number_delays.h"
#include "statistics/core/number_search.h"
#include "tests/statistics/draw_builder.h"

namespace fortunara {
namespace {

using test::MakeDraw;
using test::TempFolder;

// Draw k of the in-memory archive carries k as its jolly, so a walk shows which records it read.
std::vector<DrawRecord> NumberedArchive(int count) {
    std::vector<DrawRecord> archive;
    for (int k = 1; k <= count; ++k) archive.push_back(MakeDraw("01GEN2009", {1, 2, 3, 4, 5, 6}, k));
    return archive;
}

TEST(WalkRange, VisitsEveryRecordOnceInScanOrderABlockAtATime) {
    struct Case {
        const char* name;
        ScanRange range;
        int block;
        int stopAfterBlocks;  // 0: walk to the end
        std::vector<int> records;
        int blocks;
    };
    const Case cases[] = {
        {"backwards, blocks fit", {6, 1}, 3, 0, {6, 5, 4, 3, 2, 1}, 2},
        {"backwards, a short last block", {7, 1}, 3, 0, {7, 6, 5, 4, 3, 2, 1}, 3},
        {"forwards, a short last block", {2, 6}, 2, 0, {2, 3, 4, 5, 6}, 3},
        {"one draw", {4, 4}, 3, 0, {4}, 1},
        {"one block holds the range", {3, 9}, 100, 0, {3, 4, 5, 6, 7, 8, 9}, 1},
        {"the visitor stops the walk", {9, 1}, 2, 2, {9, 8, 7, 6}, 2},
        {"beyond the archive the reader gives nothing", {12, 8}, 2, 0, {}, 0},
    };
    const std::vector<DrawRecord> archive = NumberedArchive(10);
    for (const Case& c : cases) {
        const DrawBlockReader read = [&archive](int first, int last) {
            first = std::max(first, 1);
            last = std::min(last, static_cast<int>(archive.size()));
            return first > last ? std::vector<DrawRecord>{}
                                : std::vector<DrawRecord>(archive.begin() + first - 1, archive.begin() + last);
        };
        std::vector<int> records;
        int blocks = 0;
        WalkRange(
            c.range, read,
            [&](std::span<const DrawRecord> block) {
                ++blocks;
                for (const DrawRecord& draw : block) records.push_back(draw.Jolly());
                return c.stopAfterBlocks == 0 || blocks < c.stopAfterBlocks;
            },
            c.block);
        EXPECT_EQ(records, c.records) << c.name;
        EXPECT_EQ(blocks, c.blocks) << c.name;
    }
}

// Each statistic read from the archive a block at a time gives what it gives over the whole range
// held at once, in both directions and over ranges that end inside a block.
TEST(VisitScan, StatisticsOverManyBlocksMatchTheWholeRange) {
    TempFolder folder;
    std::mt19937 generator(11);
    std::uniform_int_distribution<int> number(1, 90);
    std::vector<DrawRecord> archive;
    const char* dates[] = {"01GEN2009", "05MAR2010", "17NOV2011"};
    for (int k = 0; k < 3 * kScanBlockRecords + 17; ++k) {
        archive.push_back(MakeDraw(dates[k % 3],
                                   {number(generator), number(generator), number(generator), number(generator),
                                    number(generator), number(generator)},
                                   number(generator), number(generator)));
    }
    test::WriteDraws(folder, archive);
    const int count = static_cast<int>(archive.size());

    const PositionFlags all = PositionsFromList({1, 2, 3, 4, 5, 6, 7, 8});
    SearchRequest request;
    request.marked[7] = request.marked[45] = request.marked[90] = true;
    request.positions = all;
    request.months[2] = true;  // "MAR"
    const ScanRange ranges[] = {{count, 1}, {1, count}, {count - 5, kScanBlockRecords + 3}, {200, 200}};
    for (const ScanRange& range : ranges) {
        std::vector<DrawRecord> scanOrder(archive.begin() + std::min(range.from, range.to) - 1,
                                          archive.begin() + std::max(range.from, range.to));
        if (range.from > range.to) std::reverse(scanOrder.begin(), scanOrder.end());
        const std::string name = std::to_string(range.from) + " -> " + std::to_string(range.to);

        const DelayTable delays = ComputeDelays(folder.path(), range, all);
        const DelayTable delaysWhole = ComputeDelays(scanOrder, all);
        EXPECT_EQ(delays.scanned, delaysWhole.scanned) << name;
        for (int n = 1; n <= 90; ++n) {
            const auto at = static_cast<std::size_t>(n);
            EXPECT_EQ(delays.numbers[at].frequency, delaysWhole.numbers[at].frequency) << name << " n " << n;
            EXPECT_EQ(delays.numbers[at].delay, delaysWhole.numbers[at].delay) << name << " n " << n;
            EXPECT_EQ(delays.numbers[at].maxDelay, delaysWhole.numbers[at].maxDelay) << name << " n " << n;
        }
        for (DistributionKind kind :
             {DistributionKind::Parity, DistributionKind::Sum, DistributionKind::Interruptions}) {
            const DistributionTable table = ComputeDistribution(kind, folder.path(), range, all);
            const DistributionTable whole = ComputeDistribution(kind, scanOrder, all);
            EXPECT_EQ(table.frequency, whole.frequency) << name;
            EXPECT_EQ(table.delay, whole.delay) << name;
        }
        const SearchResult search = SearchArchive(request, folder.path(), range);
        const SearchResult searchWhole = SearchArchive(request, scanOrder);
        EXPECT_EQ(search.total, searchWhole.total) << name;
        EXPECT_EQ(search.delay, searchWhole.delay) << name;
        EXPECT_EQ(search.maxDelay, searchWhole.maxDelay) << name;
        ASSERT_EQ(search.hits.size(), searchWhole.hits.size()) << name;
        for (std::size_t h = 0; h < search.hits.size(); ++h) {
            EXPECT_EQ(SearchHitText(search.hits[h]), SearchHitText(searchWhole.hits[h])) << name;
        }
    }
}

}  // namespace
}  // namespace fortunara

#include "state/picture_animation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fortunara {
namespace {

// The cells shown on each of the next `ticks` timer ticks.
std::vector<int> CellsOverTicks(PictureAnimation& animation, int ticks) {
    std::vector<int> cells;
    for (int i = 0; i < ticks; ++i) {
        animation.Tick();
        cells.push_back(animation.Cell());
    }
    return cells;
}

std::vector<int> Concat(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Each frame shown `ticks` times in a row, for pictures that change every second tick.
std::vector<int> Held(const std::vector<int>& frames, int ticks) {
    std::vector<int> cells;
    for (int frame : frames) cells.insert(cells.end(), static_cast<std::size_t>(ticks), frame);
    return cells;
}

TEST(PictureAnimation, StartsAtRestWithoutMoving) {
    struct Row {
        PictureKind kind;
        int rest;
        int cells;
    };
    const Row rows[] = {
        {PictureKind::Uscita, 0, 12},    {PictureKind::Info, 5, 10},   {PictureKind::Setup, 0, 15},
        {PictureKind::Stampante, 0, 10}, {PictureKind::Copia, 10, 11}, {PictureKind::Cerca, 0, 10},
        {PictureKind::Nuova, 0, 16},     {PictureKind::Salva, 0, 8},
    };
    for (const Row& row : rows) {
        PictureAnimation animation(row.kind);
        SCOPED_TRACE(static_cast<int>(row.kind));
        EXPECT_EQ(animation.Kind(), row.kind);
        EXPECT_EQ(animation.RestCell(), row.rest);
        EXPECT_EQ(animation.Cell(), row.rest);
        EXPECT_EQ(animation.CellCount(), row.cells);
        EXPECT_FALSE(animation.Hovering());
        // Without a hover the timer changes nothing.
        for (int i = 0; i < 50; ++i) EXPECT_FALSE(animation.Tick());
        EXPECT_EQ(animation.Cell(), row.rest);
        EXPECT_EQ(animation.Frame(), 0);
    }
}

TEST(PictureAnimation, ExitDoorOpensAndClosesOneCellPerTick) {
    PictureAnimation exit(PictureKind::Uscita);
    exit.Hover();
    const std::vector<int> expected{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0, 1, 2};
    EXPECT_EQ(CellsOverTicks(exit, 26), expected);
}

TEST(PictureAnimation, InformationSwingsThroughItsTable) {
    PictureAnimation info(PictureKind::Info);
    info.Hover();
    // The first frame shown is frame 1, i.e. the table's second entry; frame 0 shows 5 again.
    const std::vector<int> expected{6, 7, 8, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(CellsOverTicks(info, 20), expected);
}

TEST(PictureAnimation, SettingsGearTurnsForthAndBack) {
    PictureAnimation setup(PictureKind::Setup);
    setup.Hover();
    std::vector<int> expected;
    for (int c = 1; c <= 14; ++c) expected.push_back(c);
    for (int c = 14; c >= 0; --c) expected.push_back(c);
    expected.push_back(0);
    expected.push_back(1);
    EXPECT_EQ(CellsOverTicks(setup, 31), expected);
}

TEST(PictureAnimation, CopyHoldsItsLastCellBeforeStartingOver) {
    PictureAnimation copy(PictureKind::Copia);
    copy.Hover();
    // Two ticks per frame: frames 1..10, then cell 10 for nine more frames, then 0 and 1.
    const std::vector<int> expected = Concat({{10},
                                              Held({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 2),
                                              Held({10, 10, 10, 10, 10, 10, 10, 10, 10}, 2),
                                              Held({0, 1}, 2)});
    // The first tick only counts: the rest cell 10 stays.
    EXPECT_EQ(CellsOverTicks(copy, 43), expected);
}

TEST(PictureAnimation, TwoTickPicturesRunThroughTheirStrips) {
    for (const auto& [kind, frames] : {std::pair{PictureKind::Stampante, 10}, std::pair{PictureKind::Cerca, 10},
                                       std::pair{PictureKind::Nuova, 16}, std::pair{PictureKind::Salva, 8}}) {
        SCOPED_TRACE(static_cast<int>(kind));
        PictureAnimation animation(kind);
        animation.Hover();
        std::vector<int> frameCells;
        for (int f = 1; f < frames; ++f) frameCells.push_back(f);
        frameCells.push_back(0);
        frameCells.push_back(1);
        const std::vector<int> expected = Concat({{0}, Held(frameCells, 2)});
        EXPECT_EQ(CellsOverTicks(animation, 1 + 2 * (frames + 1)), expected);
    }
}

TEST(PictureAnimation, TickReportsOnlyRealChanges) {
    PictureAnimation exit(PictureKind::Uscita);
    exit.Hover();
    std::vector<bool> changed;
    for (int i = 0; i < 24; ++i) changed.push_back(exit.Tick());
    // Cells 11 -> 11 (frames 11, 12) and 0 -> 0 (frames 23, 0) show no change.
    for (int i = 0; i < 24; ++i) EXPECT_EQ(changed[static_cast<std::size_t>(i)], i != 11 && i != 23) << "tick " << i;

    PictureAnimation copy(PictureKind::Copia);
    copy.Hover();
    EXPECT_FALSE(copy.Tick());  // counts only
    EXPECT_TRUE(copy.Tick());   // 10 -> 1
}

TEST(PictureAnimation, ResetStopsAndRestartsFromFrameOne) {
    PictureAnimation info(PictureKind::Info);
    info.Hover();
    CellsOverTicks(info, 7);
    EXPECT_EQ(info.Frame(), 7);
    info.Reset();
    EXPECT_FALSE(info.Hovering());
    EXPECT_EQ(info.Frame(), 0);
    EXPECT_EQ(info.Cell(), 5);
    EXPECT_FALSE(info.Tick());
    EXPECT_EQ(info.Cell(), 5);

    info.Hover();
    EXPECT_TRUE(info.Tick());
    EXPECT_EQ(info.Frame(), 1);
    EXPECT_EQ(info.Cell(), 6);
}

TEST(PictureAnimation, ResetClearsAHalfCountedFrame) {
    PictureAnimation print(PictureKind::Stampante);
    print.Hover();
    CellsOverTicks(print, 5);  // frame 2 shown, one tick counted towards frame 3
    ASSERT_EQ(print.Cell(), 2);
    print.Reset();
    print.Hover();
    // A stale tick count would move on the first tick; a cleared one needs two.
    EXPECT_FALSE(print.Tick());
    EXPECT_TRUE(print.Tick());
    EXPECT_EQ(print.Cell(), 1);
}

TEST(PictureAnimation, ShowRestKeepsTheCountersRunning) {
    PictureAnimation copy(PictureKind::Copia);
    copy.Hover();
    CellsOverTicks(copy, 8);  // frame 4 shown
    ASSERT_EQ(copy.Cell(), 4);
    copy.ShowRest();
    EXPECT_EQ(copy.Cell(), 10);
    EXPECT_TRUE(copy.Hovering());
    EXPECT_EQ(copy.Frame(), 4);
    CellsOverTicks(copy, 2);
    EXPECT_EQ(copy.Frame(), 5);
    EXPECT_EQ(copy.Cell(), 5);
}

TEST(PictureAnimation, HoveringAgainDoesNotRestart) {
    PictureAnimation setup(PictureKind::Setup);
    setup.Hover();
    CellsOverTicks(setup, 3);
    setup.Hover();
    setup.Tick();
    EXPECT_EQ(setup.Cell(), 4);
}

}  // namespace
}  // namespace fortunara

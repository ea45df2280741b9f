// The main window's logic without windows: the combination table, the archive views' spans and
// texts, the range selectors' captions and start positions, the clipboard texts and the sounds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/archive_table.h"
#include "app/core/combination_table.h"
#include "app/core/main_window_sounds.h"
#include "archive/core/draw_record.h"
#include "state/clip_text.h"
#include "state/range_selector.h"
#include "tests/fakes/fake_sounds.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

using Row = std::vector<std::string>;

TEST(CombinationTable, RowsAsTheTabShowsThem) {
    const std::vector<CombinationRow> table = CombinationTable();
    ASSERT_EQ(table.size(), 91u);
    struct Case {
        int q;
        Row cells;  // columns 0 to 5
    };
    const std::vector<Case> cases = {
        {1, {"1", "", "", "", "", ""}},
        {2, {"2", "", "", "", "", ""}},
        {3, {"3", "1", "", "", "", ""}},
        {6, {"6", "20", "15", "6", "1", ""}},                   // 1 / 6 rounds to nothing
        {14, {"14", "364", "1.001", "2.002", "3.003", "501"}},  // 500.5 rounds up
        {90, {"90", "117.480", "2.555.190", "43.949.268", "622.614.630", "103.769.105"}},
    };
    for (const Case& c : cases) {
        const CombinationRow& row = table[static_cast<std::size_t>(c.q)];
        EXPECT_EQ(Row(row.begin(), row.begin() + 6), c.cells) << "q = " << c.q;
    }
    EXPECT_EQ(Row(table[0].begin(), table[0].begin() + 6),
              (Row{"Q. ", "TERNI", "QUATERNE", "CINQUINE", "SESTINE", "+JOLLY"}));
}

TEST(CombinationTable, JollyIsReadBackFromTheGroupedText) {
    EXPECT_EQ(JollyCell("622.614.630"), "103.769.105");
    EXPECT_EQ(JollyCell("3.003"), "501");
    EXPECT_EQ(JollyCell(""), "");
}

TEST(ArchiveTableSpan, NeverLeavesTheArchive) {
    struct Case {
        const char* name;
        int value;
        int records;
        RecordSpan expected;
    };
    const std::vector<Case> cases = {
        {"newest of a large archive", 4253, 4253, {4253, 4231}},
        {"23 draws exactly", 23, 4253, {23, 1}},
        {"below 23 reaches record 1", 20, 4253, {20, 1}},
        {"below 16 shows 16 to 1", 15, 4253, {16, 1}},
        {"at the minimum", 1, 4253, {16, 1}},
        {"ten draws", 10, 10, {10, 1}},
        {"one draw", 1, 1, {1, 1}},
        {"value past a shrunken archive", 50, 30, {30, 8}},
        {"empty archive", 0, 0, {0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(ArchiveTableSpan(c.value, c.records), c.expected) << c.name;
}

TEST(ArchiveTable, FillsBothOrdersFromTheArchive) {
    test::TempFolder folder;
    folder.WriteArchive("01GEN2009170503040206070802GEN20090102030405060700");
    const ArchiveTableFill sorted = FillArchiveTable(folder.path(), 2, ArchiveOrder::Ascending);
    EXPECT_EQ(sorted.recordCount, 2);
    EXPECT_EQ(sorted.span, (RecordSpan{2, 1}));
    ASSERT_EQ(sorted.rows.size(), 2u);
    EXPECT_EQ(Row(sorted.rows[0].begin(), sorted.rows[0].end()),
              (Row{"02GEN2009", " 1", " 2", " 3", " 4", " 5", " 6", " 7", ""}));
    EXPECT_EQ(Row(sorted.rows[1].begin(), sorted.rows[1].end()),
              (Row{"01GEN2009", " 2", " 3", " 4", " 5", " 6", " 17", " 7", " 8"}));
    EXPECT_EQ(sorted.lastDrawShown[1], 2);
    EXPECT_EQ(sorted.lastDrawShown[6], 17);

    const ArchiveTableFill stored = FillArchiveTable(folder.path(), 2, ArchiveOrder::Wheels);
    EXPECT_EQ(Row(stored.rows[1].begin(), stored.rows[1].end()),
              (Row{"01GEN2009", " 17", " 5", " 3", " 4", " 2", " 6", " 7", " 8"}));
    EXPECT_EQ(stored.lastDrawShown[1], 17);
}

TEST(ArchiveTable, SingleDrawOnlyForRecordsThatExist) {
    test::TempFolder folder;
    folder.WriteArchive("01GEN20091705030402060700");
    const SingleDrawView shown = ShowOneDraw(folder.path(), 1);
    EXPECT_TRUE(shown.shown);
    EXPECT_EQ(Row(shown.row.begin(), shown.row.end()),
              (Row{"01GEN2009", " 2", " 3", " 4", " 5", " 6", " 17", " 7", ""}));
    for (int value : {0, 2, -5}) EXPECT_FALSE(ShowOneDraw(folder.path(), value).shown) << value;
}

TEST(RangeSelector, StartPositionsAndCaptions) {
    struct Case {
        int records;
        int from;
        int to;
        SelectorLimits limits;
    };
    for (const Case& c : std::vector<Case>{{4253, 4253, 4153, {1, 4253}},
                                           {101, 101, 1, {1, 101}},
                                           {100, 100, 1, {1, 100}},
                                           {10, 10, 1, {1, 10}},
                                           {0, 0, 0, {0, 0}}}) {
        EXPECT_EQ(InitialFromPosition(c.records), c.from) << c.records;
        EXPECT_EQ(InitialToPosition(c.records), c.to) << c.records;
        EXPECT_EQ(SelectorLimitsFor(c.records).minimum, c.limits.minimum) << c.records;
        EXPECT_EQ(SelectorLimitsFor(c.records).maximum, c.limits.maximum) << c.records;
    }
    EXPECT_EQ(SelectorCaption(SelectorEnd::From, "01GEN2009"), "DAL: 01GEN2009");
    EXPECT_EQ(SelectorCaption(SelectorEnd::To, "01GEN2009"), "AL: 01GEN2009");
    EXPECT_EQ(SelectorCaption(SelectorEnd::To, ""), "AL: ");
    EXPECT_EQ(SpanCaption(100), "SETT. :  100");
    EXPECT_EQ(SpanCaption(0), "SETT. :  0");
}

TEST(ClipText, GridCellsAndSearchHits) {
    EXPECT_EQ(GridClipText({{"01GEN2009", " 2"}, {"03GEN2009", " 17"}}), "01GEN2009\t 2\r03GEN2009\t 17");
    EXPECT_EQ(GridClipText({}), "");
    // Hit lines are the hit number's text form, a blank, the date and the matched numbers.
    EXPECT_EQ(SearchListClipText({" 10 12MAR2020  5 17  ( 3) ", " 11 10MAR2020  5 44  ( 4) "}),
              " 10\t12MAR2020\t 5 17  ( 3) \r 11\t10MAR2020\t 5 44  ( 4) \r\r");
    // Hit numbers of one or three digits keep the date whole.
    EXPECT_EQ(SearchListClipText({" 1 01GEN2009  5  ( 0) ", " 100 08GEN2009  9  ( 7) "}),
              " 1\t01GEN2009\t 5  ( 0) \r 100\t08GEN2009\t 9  ( 7) \r\r");
    EXPECT_EQ(SearchListClipText({" 2 08GEN2009"}), " 2\t08GEN2009\t\r\r");
    EXPECT_EQ(SearchListClipText({}), "");
}

TEST(MainWindowSounds, VoiceMusicAndExit) {
    ProgramState state;
    state.programFolder = "/p";
    test::FakeSounds sounds;
    SpeakTabName(state, sounds, 0);
    SpeakTabName(state, sounds, 6);
    state.VoiceOn = 0;
    SpeakTabName(state, sounds, 3);
    EXPECT_EQ(sounds.log,
              (Row{"WAV_Voice /p/PARLATO2.wav", "WAV_Voice Sound", "WAV_Voice /p/PARLATO8.wav", "WAV_Voice Sound"}));

    sounds.log.clear();
    state.MusicOn = 1;
    OnSoundCompleted(state, sounds, "WAV_Voice");
    OnSoundCompleted(state, sounds, "MIDI");
    state.MusicOn = 0;
    OnSoundCompleted(state, sounds, "MIDI");
    EXPECT_EQ(sounds.log, (Row{"MIDI CLOSE", "MIDI /p/SONG.mid", "MIDI OPEN", "MIDI PLAY"}));

    sounds.log.clear();
    CloseSoundDevices(sounds);
    EXPECT_EQ(sounds.log, (Row{"MMControl1 CLOSE", "WAV_Voice CLOSE", "MIDI CLOSE"}));
}

}  // namespace
}  // namespace fortunara

// The entry of a draw number by number, and its save: record text, duplicate scan, replace or append.
#include "archive/core/draw_entry.h"

#include <gtest/gtest.h>

#include "archive/core/archive_lock.h"
#include "archive/core/draw_save.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

using Step = DrawEntry::Step;
using test::TempFolder;

std::string Dated(int k) {
    return std::string(k < 10 ? "0" : "") + std::to_string(k) + "GEN2009" + "0102030405060708";
}

TEST(ReadPromptNumber, WholeNumbersUpToNinetyOnly) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {{"12", 12},
                 {" 7 ", 7},
                 {"90", 90},
                 {"007", 7},
                 {"0", 0},
                 {"91", std::nullopt},
                 {"-5", std::nullopt},
                 {"3.5", std::nullopt},
                 {"12abc", std::nullopt},
                 {"", std::nullopt},
                 {"  ", std::nullopt},
                 {"99999999999999999999", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(ReadPromptNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(DrawEntry, EightNumbersWithAnswersAskedAgain) {
    DrawEntry entry;
    // Each answer with the step it gives and the position it asks for next.
    const struct {
        std::optional<std::string> answer;
        Step step;
        int next;
        std::optional<int> taken;
    } script[] = {
        {"12", Step::Next, 2, 12},
        {"91", Step::AskAgain, 2, std::nullopt},
        {"x", Step::AskAgain, 2, std::nullopt},
        {"5", Step::Next, 3, 5},
        {"12", Step::AskAgain, 3, 12},  // a repeated number is shown, then asked again
        {"77", Step::Next, 4, 77},
        {"31", Step::Next, 5, 31},
        {"90", Step::Next, 6, 90},
        {"3", Step::Next, 7, 3},
        {"90", Step::AskAgain, 7, 90},  // the jolly differs from the six
        {"44", Step::Next, 8, 44},
        {"44", Step::Done, 9, 44},  // the superstar may equal the jolly or a main number
    };
    for (const auto& line : script) {
        const int asked = entry.Position();
        EXPECT_EQ(entry.Take(line.answer), line.step) << "answer " << line.answer.value_or("-");
        EXPECT_EQ(entry.Position(), line.next);
        EXPECT_EQ(entry.Taken(), line.taken);
        if (line.taken) {
            EXPECT_EQ(entry.TakenPosition(), asked);
        }
    }
}

TEST(DrawEntry, ZeroOrCancelStopsAtAnyPoint) {
    for (const std::optional<std::string>& stop : {std::optional<std::string>("0"), std::optional<std::string>()}) {
        DrawEntry entry;
        EXPECT_EQ(entry.Take("12"), Step::Next);
        EXPECT_EQ(entry.Take(stop), Step::Stop);
        EXPECT_EQ(entry.Taken(), std::nullopt);
        EXPECT_EQ(entry.Position(), 2);
    }
}

TEST(EnteredDrawRecord, NumbersWithALeadingBlank) {
    const std::array<int, 11> numbers = {0, 12, 5, 77, 31, 90, 3, 44, 8};
    EXPECT_EQ(EnteredDrawRecord("12GEN2010", numbers), "12GEN201012 5773190 344 8");
    EXPECT_EQ(EnteredDrawRecord("12GEN2010", {}), "12GEN2010 0 0 0 0 0 0 0 0");
}

TEST(FindDateAmongNewest, OnlyTheNewest105Records) {
    TempFolder folder;
    std::string archive;
    for (int k = 1; k <= 120; ++k)
        archive += k == 15 || k == 16 || k == 118 ? Dated(3) : "01FEB2009" + Dated(1).substr(9);
    folder.WriteArchive(archive);
    // Records 16 to 120 are the 105 newest; record 15 is one too old.
    const DateMatches matches = FindDateAmongNewest(folder.path(), "03GEN2009");
    EXPECT_EQ(matches.recordCount, 120);
    EXPECT_EQ(matches.records, (std::vector<int>{118, 16}));
    EXPECT_TRUE(FindDateAmongNewest(folder.path(), "03gen2009").records.empty());
}

TEST(CheckAppendOrder, AnOlderDateOrOneFartherBackNamesTheNewerDraw) {
    TempFolder folder;
    std::string archive;
    for (int k = 1; k <= 120; ++k) archive += "01GEN" + std::to_string(1900 + k) + Dated(1).substr(9);
    folder.WriteArchive(archive);
    const struct {
        const char* date;
        std::string text;
    } cases[] = {
        {"01GEN2021", ""},
        {"15GEN2019", "L'ESTRAZIONE 120 DEL 01GEN2020 E' PIU' RECENTE DEL 15GEN2019"},
        // Among the 105 newest the save's own search finds it.
        {"01GEN2019", "L'ESTRAZIONE 120 DEL 01GEN2020 E' PIU' RECENTE DEL 01GEN2019"},
        {"01GEN1910",
         "L'ESTRAZIONE 120 DEL 01GEN2020 E' PIU' RECENTE DEL 01GEN1910\nIL 01GEN1910 C'E' GIA': E' L'ESTRAZIONE 10"},
    };
    for (const auto& c : cases) {
        const AppendOrder order = CheckAppendOrder(folder.path(), c.date);
        EXPECT_EQ(order.InOrder(), c.text.empty()) << c.date;
        EXPECT_EQ(AppendOrderText(order, c.date), c.text) << c.date;
    }
    // A date already there, farther back, in an archive whose newest draw is older still.
    folder.WriteArchive(archive + "01GEN1800" + Dated(1).substr(9));
    EXPECT_EQ(AppendOrderText(CheckAppendOrder(folder.path(), "01GEN1910"), "01GEN1910"),
              "IL 01GEN1910 C'E' GIA': E' L'ESTRAZIONE 10");
}

TEST(ChooseSaveTarget, TheAnswerAboutTheLastMatchDecides) {
    const std::vector<int> matches = {118, 16};
    const auto answers = [](bool first, bool second) {
        return [first, second](int record) { return record == 118 ? first : second; };
    };
    EXPECT_EQ(ChooseSaveTarget(matches, answers(true, true)), 16);
    EXPECT_EQ(ChooseSaveTarget(matches, answers(true, false)), 0);
    EXPECT_EQ(ChooseSaveTarget(matches, answers(false, true)), 16);
    EXPECT_EQ(ChooseSaveTarget({}, answers(true, true)), 0);
}

TEST(WriteDraw, ReplaceKeepsTheBackupAppendPadsAPartialRecord) {
    TempFolder folder;
    const std::string old = Dated(1) + Dated(2);
    folder.WriteArchive(old);
    const ArchiveLock lock(folder.path());
    const DrawWrite replaced = WriteDraw(folder.path(), Dated(9), 1, lock);
    ASSERT_TRUE(replaced.ok()) << replaced.error;
    EXPECT_EQ(replaced.record, 1);
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), Dated(9) + Dated(2));
    EXPECT_EQ(folder.ReadFile("dati/estraz09.bak"), old);

    // 63 bytes: two records and a partial third; the append pads the third with blanks.
    folder.WriteArchive(old + "03FEB2009 1 2");
    const DrawWrite appended = WriteDraw(folder.path(), Dated(4), 0, lock);
    ASSERT_TRUE(appended.ok()) << appended.error;
    EXPECT_EQ(appended.record, 4);
    EXPECT_EQ(appended.recordCount, 4);
    EXPECT_EQ(folder.ReadFile("dati/estraz09.txt"), old + "03FEB2009 1 2            " + Dated(4));
    EXPECT_EQ(folder.ReadFile("dati/estraz09.bak"), old);  // an append rewrites nothing
}

}  // namespace
}  // namespace fortunara

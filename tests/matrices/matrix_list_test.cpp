#include <gtest/gtest.h>

#include "matrices/core/matrix_list.h"
#include "tests/support/temp_folder.h"

namespace fortunara {

void PrintTo(const MatrixListEntry& entry, std::ostream* out) {
    *out << entry.fileName << " / " << entry.listText;
}

namespace {

using test::TempFolder;

TEST(MatrixList, ListTextFromTheFileName) {
    const struct {
        const char* name;
        const char* text;
    } cases[] = {
        {"12N03006.SIS", "12 NUMERI  30 SESTINE"},
        {"07N00806.SIS", "07 NUMERI  8 SESTINE"},
        {"12N02510.SIS", "12 NUMERI  25 DECINE"},
        {"90N12010.SIS", "90 NUMERI  120 DECINE"},
        {"10N00101.SIS", "10 NUMERI  1 AMBATE"},
        {"10N00102.SIS", "10 NUMERI  1 AMBI"},
        {"10N00103.SIS", "10 NUMERI  1 TERZINE"},
        {"10N00104.SIS", "10 NUMERI  1 QUARTINE"},
        {"10N00105.SIS", "10 NUMERI  1 CINQUINE"},
        {"10N00107.SIS", "10 NUMERI  1 SETTINE"},
        {"10N00108.SIS", "10 NUMERI  1 OTTINE"},
        {"10N00109.SIS", "10 NUMERI  1 NOVINE"},
        {"10N99911.SIS", "10 NUMERI  999 "},  // no label for an unknown type code
        {"10N0056.SIS", "10 NUMERI  5 "},     // "6." is no type code
        {"7N", "7N NUMERI  0 "},              // a short name does not read past its end
    };
    for (const auto& c : cases) EXPECT_EQ(MatrixListText(c.name), c.text) << c.name;
    EXPECT_EQ(MatrixQuantity("07N00806.SIS"), 7);
    EXPECT_EQ(MatrixQuantity("STOP"), 0);
    EXPECT_EQ(MatrixQuantity(""), 0);
}

TEST(MatrixList, MatricesOfAQuantityInIndexOrder) {
    TempFolder folder;
    folder.WriteFile("matrion/SISTEMI.TXT",
                     "\"\"\r\n\"07N00806.SIS\"\r\n\"12N03006.SIS\"\r\n\"12N02510.SIS\"\r\n\"STOP\"\r\n"
                     "\"12N09906.SIS\"\r\n");  // nothing after "STOP" belongs to the index
    const MatrixList twelve = ListMatrices(folder.path(), 12);
    ASSERT_TRUE(twelve.ok());
    EXPECT_EQ(twelve.entries, (std::vector<MatrixListEntry>{{"12N03006.SIS", "12 NUMERI  30 SESTINE"},
                                                            {"12N02510.SIS", "12 NUMERI  25 DECINE"}}));
    EXPECT_EQ(ListMatrices(folder.path(), 7).entries,
              (std::vector<MatrixListEntry>{{"07N00806.SIS", "07 NUMERI  8 SESTINE"}}));
    // No matrix for 13; the empty header and "STOP" read as 0 but are no matrices; nothing
    // outside 1..90 has matrices.
    for (const int quantity : {13, 0, -1, 91}) {
        const MatrixList none = ListMatrices(folder.path(), quantity);
        EXPECT_TRUE(none.ok());
        EXPECT_TRUE(none.entries.empty()) << quantity;
    }
}

TEST(MatrixList, HeaderTextIsNeverAMatrix) {
    // Only the registered names count, whatever the header line holds.
    EXPECT_TRUE(MatricesFor({}, 12).empty());
    TempFolder folder;
    folder.WriteFile("matrion/SISTEMI.TXT", "\"12 VECCHIA TESTATA\"\r\n\"12N03006.SIS\"\r\n\"STOP\"\r\n");
    EXPECT_EQ(ListMatrices(folder.path(), 12).entries,
              (std::vector<MatrixListEntry>{{"12N03006.SIS", "12 NUMERI  30 SESTINE"}}));
}

TEST(MatrixList, UnreadableIndexIsAnError) {
    TempFolder folder;
    const MatrixList missing = ListMatrices(folder.path(), 12);  // the empty library
    EXPECT_TRUE(missing.ok());
    EXPECT_TRUE(missing.entries.empty());

    std::filesystem::create_directories(folder.path() / "matrion" / "SISTEMI.TXT");  // a folder, not a file
    EXPECT_EQ(ListMatrices(folder.path(), 12).error, "IMPOSSIBILE LEGGERE L'ELENCO DELLE MATRICI matrion/SISTEMI.TXT");
    std::filesystem::remove(folder.path() / "matrion" / "SISTEMI.TXT");

    folder.WriteFile("matrion/SISTEMI.TXT", "\"\"\r\n\"12N03006.SIS\"\r\n");
    const MatrixList unfinished = ListMatrices(folder.path(), 12);
    EXPECT_EQ(unfinished.error, "L'ELENCO DELLE MATRICI matrion/SISTEMI.TXT NON FINISCE CON \"STOP\"");
    EXPECT_TRUE(unfinished.entries.empty());
}

TEST(MatrixList, ButtonsPageThroughTheListing) {
    std::vector<MatrixListEntry> entries;
    for (int b = 1; b <= 40; ++b) {
        const std::string name = "07N" + std::string(b < 10 ? "00" : "0") + std::to_string(b) + "06.SIS";
        entries.push_back({name, MatrixListText(name)});
    }
    const auto first = [&entries](int count) {
        return std::vector<MatrixListEntry>(entries.begin(), entries.begin() + count);
    };
    struct Case {
        int count;
        int page;
        int shownPage;
        int pages;
        int filled;  // buttons with a matrix
        const char* caption;
    };
    const Case cases[] = {
        {0, 0, 0, 1, 0, ""},
        {1, 0, 0, 1, 1, ""},
        {16, 0, 0, 1, 16, ""},
        {17, 0, 0, 2, 16, "PAGINA 1 DI 2: SISTEMI DA 1 A 16 DI 17"},
        {17, 1, 1, 2, 1, "PAGINA 2 DI 2: SISTEMI DA 17 A 17 DI 17"},
        {40, 2, 2, 3, 8, "PAGINA 3 DI 3: SISTEMI DA 33 A 40 DI 40"},
        {40, 7, 2, 3, 8, "PAGINA 3 DI 3: SISTEMI DA 33 A 40 DI 40"},  // brought within the pages
        {40, -1, 0, 3, 16, "PAGINA 1 DI 3: SISTEMI DA 1 A 16 DI 40"},
    };
    for (const Case& c : cases) {
        const MatrixButtonPage page = ButtonPage(first(c.count), c.page);
        const std::string row = std::to_string(c.count) + " on page " + std::to_string(c.page);
        EXPECT_EQ(page.page, c.shownPage) << row;
        EXPECT_EQ(page.pages, c.pages) << row;
        EXPECT_EQ(page.HasPrevious(), c.shownPage > 0) << row;
        EXPECT_EQ(page.HasNext(), c.shownPage + 1 < c.pages) << row;
        EXPECT_EQ(page.Caption(), c.caption) << row;
        for (int i = 0; i < kMatrixButtons; ++i) {
            const auto button = static_cast<std::size_t>(i);
            if (i < c.filled) {
                const MatrixListEntry& entry = entries[static_cast<std::size_t>(c.shownPage * kMatrixButtons + i)];
                EXPECT_EQ(page.captions[button], entry.listText) << row;
                EXPECT_EQ(page.files[button], entry.fileName) << row;
            } else {
                EXPECT_EQ(page.captions[button], " ") << row;
                EXPECT_EQ(page.files[button], "") << row;
            }
        }
    }
    EXPECT_EQ(ButtonPage(first(1), 0).captions[0], "07 NUMERI  1 SESTINE");
}

}  // namespace
}  // namespace fortunara

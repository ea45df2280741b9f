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

}  // namespace
}  // namespace fortunara

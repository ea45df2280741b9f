// A row copied from a results page turned into a record text, and what the append accepts.
#include "archive/core/web_import.h"

#include <gtest/gtest.h>

namespace fortunara {
namespace {

const std::string kNumbers = "01\t02\t03\t04\t05\t06\t07\t08";

TEST(ConvertPastedRow, RowsAsTheyArePasted) {
    const struct {
        const char* name;
        std::string row;
        std::string record;
    } cases[] = {
        {"well formed", "15/03/2009\t" + kNumbers, "15MAR20090102030405060708"},
        {"blanks after the date", "15/03/2009 \t  " + kNumbers, "15MAR20090102030405060708"},
        // A trailing line end pushes the first field out of the 23-character window.
        {"trailing CR LF", "15/03/2009\t" + kNumbers + "\r\n", "15MAR200902030405060708"},
        {"one-digit number", "15/03/2009\t01\t02\t03\t04\t5\t06\t07\t08", "15MAR2009010203045060708"},
        // Without a tab in its first 16 characters the date part is 17 characters: no date.
        {"no tab early", "15 marzo 2009 dopo " + kNumbers, "0102030405060708"},
        {"not a date", "ieri\t" + kNumbers, "0102030405060708"},
        {"empty", "", ""},
        // The date of one row never goes with the numbers of another.
        {"two rows", "21/08/2026\t11\t12\t13\t14\t15\t16\t17\t18\r\n22/08/2026\t" + kNumbers, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ConvertPastedRow(c.row), c.record) << c.name;
}

TEST(PastedRowFault, OneRowWithOrWithoutItsLineEnd) {
    const std::string row = "15/03/2009\t" + kNumbers;
    EXPECT_EQ(PastedRowFault(row), "");
    EXPECT_EQ(PastedRowFault("\r\n" + row + "\r\n \t\r\n"), "");
    EXPECT_EQ(PastedRowFault(row + "\n" + row + "\r" + row),
              "IL TESTO INCOLLATO HA 3 RIGHE: CONVERTO UN'ESTRAZIONE ALLA VOLTA, INCOLLANE UNA RIGA SOLA");
}

TEST(ImportFault, LengthFirstThenTheDraw) {
    EXPECT_EQ(ImportFault("15MAR20090102030405060708"), "");
    EXPECT_EQ(ImportFault("15MAR200902030405060708"), " il formato del campo estrazioni non è corretto <>25 caratteri");
    EXPECT_EQ(ImportFault("15MAR2009010203045060708"), kImportLengthMessage);
    EXPECT_EQ(ImportFault("15MAR20090102030405069908"), " l'estrazione non è corretta: JOLLY FUORI DA 1-90: 99");
    EXPECT_EQ(ImportedMessage("15MAR20090102030405060708"), " Aggiunta estrazione del 15MAR2009  all'archivio !!");
}

}  // namespace
}  // namespace fortunara

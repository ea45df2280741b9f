#include <gtest/gtest.h>

#include <algorithm>

#include "matrices/core/matrix_files.h"
#include "tests/cli/cli_in_process.h"

namespace fortunara {
namespace {

using test::CliRun;

// The "AMBO" scheme of eight numbers as a matrix of the library.
struct AmboFolder {
    test::TempFolder folder;
    AmboFolder() {
        MatrixData matrix;
        matrix.numberCount = 8;
        matrix.comboCount = 6;
        matrix.comboSize = 6;
        matrix.numbers = {1, 2, 3, 4, 5, 6, 1, 2, 4, 5, 6, 7, 1, 2, 5, 6, 7, 8,
                          2, 3, 4, 5, 6, 7, 2, 3, 5, 6, 7, 8, 3, 4, 5, 6, 7, 8};
        EXPECT_TRUE(WriteMatrixFile(folder.path(), "08N00606.SIS", matrix).ok());
    }
    CliRun Run(const std::vector<std::string>& arguments) const { return test::RunIn(folder, arguments); }
};

bool HasLine(const std::string& out, const std::string& line) {
    return ("\n" + out).find("\n" + line + "\n") != std::string::npos;
}

TEST(CliGaranzia, CertificateHolesAndCompletion) {
    const AmboFolder f;
    const CliRun certificate = f.Run({"garanzia", "--matrice", "08N00606.SIS", "--prezzo", "0,50"});
    ASSERT_EQ(certificate.status, 0) << certificate.err;
    for (const char* line : {"certificato 2 ambo ambo 28 100 3,214", "certificato 6 quaterna quaterna 1 3,57 3,214",
                             "certificato 6 quaterna sestina 6 21,43 0,214", "costo 6 3,00"}) {
        EXPECT_TRUE(HasLine(certificate.out, line)) << line << "\n" << certificate.out;
    }
    // Six different tickets of six: the sestina exactly as often as six tickets at random.
    EXPECT_TRUE(HasLine(certificate.out, "estrazione sestina 103769105 103769105")) << certificate.out;

    const std::vector<std::string> system = {"--matrice", "08N00606.SIS", "--numeri", "11-18"};
    std::vector<std::string> holes = {"buchi", "--escono", "3", "--almeno", "3"};
    holes.insert(holes.end(), system.begin(), system.end());
    EXPECT_EQ(f.Run(holes).out, "4 56 0\n11 13 17\n11 13 18\n11 14 18\n12 14 18\n");

    const std::string file = (f.folder.path() / "COMPLETO.SSI").string();
    std::vector<std::string> complete = {"completa", "--escono", "3", "--almeno", "3", "--salva", file};
    complete.insert(complete.end(), system.begin(), system.end());
    const CliRun completed = f.Run(complete);
    ASSERT_EQ(completed.status, 0) << completed.err;
    EXPECT_EQ(completed.out.substr(0, 6), "6 1 4 ");
    EXPECT_EQ(f.Run({"buchi", "--escono", "3", "--almeno", "3", "--sistema", file}).out, "0 56 0\n");

    struct Mistake {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Mistake mistakes[] = {
        {{"buchi", "--matrice", "08N00606.SIS", "--escono", "7", "--almeno", "3"}, "--escono VUOLE UN NUMERO DA 2 A 6"},
        {{"buchi", "--matrice", "08N00606.SIS", "--escono", "3", "--almeno", "4"}, "--almeno VUOLE UN NUMERO DA 2 A 3"},
        {{"garanzia", "--matrice", "08N00606.SIS", "--prezzo", "1,234"}, "PREZZO NON VALIDO PER --prezzo: 1,234"},
        {{"garanzia"}, "SERVE --sistema FILE OPPURE --matrice FILE"},
    };
    for (const Mistake& m : mistakes) {
        const CliRun run = f.Run(m.arguments);
        EXPECT_EQ(run.status, 2) << m.message;
        EXPECT_NE(run.err.find(m.message), std::string::npos) << run.err;
    }
}

TEST(CliOttimizza, TicketsThenCountBestKnownAndBound) {
    const test::TempFolder folder;
    folder.WriteFile("dati/coverings-k6.csv",
                     "v,t,schonheim_lower_bound,best_known,proven_optimal,source\n"
                     "8,2,3,3,1,https://example.org/C_8_6_2.html\n");
    const std::string file = (folder.path() / "OTTIMO.SSI").string();
    const CliRun run = test::RunIn(folder, {"ottimizza", "--quantita", "8", "--escono", "2", "--almeno", "2", "--passi",
                                            "50000", "--salva", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 4) << run.out;
    EXPECT_TRUE(run.out.ends_with("\n3 3 3\n")) << run.out;
    // What was printed is what was saved, and it keeps the guarantee.
    EXPECT_EQ(test::RunIn(folder, {"buchi", "--escono", "2", "--almeno", "2", "--sistema", file}).out, "0 28 0\n");

    const CliRun csv = test::RunIn(
        folder, {"ottimizza", "--quantita", "12", "--escono", "4", "--almeno", "3", "--passi", "20000", "--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_TRUE(csv.out.starts_with("riga,numeri,bollette,migliore_nota,limite_inferiore\nbolletta,\"")) << csv.out;
    EXPECT_NE(csv.out.find("\ntotale,,"), std::string::npos) << csv.out;
    EXPECT_TRUE(csv.out.ends_with(",-,-\n")) << csv.out;

    const std::vector<std::vector<std::string>> mistakes = {
        {"ottimizza", "--quantita", "6", "--escono", "2", "--almeno", "2"},
        {"ottimizza", "--quantita", "20", "--escono", "3", "--almeno", "4"},
        {"ottimizza", "--quantita", "90", "--escono", "6", "--almeno", "5"},
        {"ottimizza", "--quantita", "20", "--escono", "3"},
        {"ottimizza", "--quantita", "20", "--escono", "3", "--almeno", "3", "--seme", "1", "--seme", "2"},
    };
    for (const std::vector<std::string>& arguments : mistakes) {
        const CliRun mistaken = test::RunIn(folder, arguments);
        EXPECT_EQ(mistaken.status, 2) << arguments[2];
        EXPECT_FALSE(mistaken.err.empty());
    }
}

}  // namespace
}  // namespace fortunara

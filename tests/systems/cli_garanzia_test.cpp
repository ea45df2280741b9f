#include <gtest/gtest.h>

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

}  // namespace
}  // namespace fortunara

#include <gtest/gtest.h>

#include "matrices/core/matrix_guarantee.h"
#include "matrices/core/matrix_index.h"
#include "matrices/core/starter_library.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

using test::TempFolder;

MatrixData Matrix(int numberCount, int comboSize, std::vector<int> numbers) {
    MatrixData data;
    data.numberCount = numberCount;
    data.comboSize = comboSize;
    data.comboCount = static_cast<int>(numbers.size()) / comboSize;
    data.numbers = std::move(numbers);
    return data;
}

TEST(MatrixGuarantee, LeastBestHitsOverEveryDraw) {
    const MatrixData one = Matrix(7, 6, {1, 2, 3, 4, 5, 6});
    // The "AMBO" scheme of 8 numbers.
    const MatrixData ambo = Matrix(8, 6, {1, 2, 3, 4, 5, 6, 1, 2, 4, 5, 6, 7, 1, 2, 5, 6, 7, 8,
                                          2, 3, 4, 5, 6, 7, 2, 3, 5, 6, 7, 8, 3, 4, 5, 6, 7, 8});
    // "    n - 1" of 8 numbers: any six of them hold five of one combination.
    const MatrixData reduced = Matrix(8, 6, {1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 7, 8, 1, 2, 5, 6, 7, 8, 3, 4, 5, 6, 7, 8});
    struct Case {
        const char* name;
        const MatrixData& matrix;
        int drawn;
        std::optional<int> hits;
    };
    const Case cases[] = {
        {"nothing drawn", one, 0, 0},
        {"one combination of 7, position 7 drawn", one, 1, 0},
        {"one combination of 7, two drawn", one, 2, 1},
        {"one combination of 7, six drawn", one, 6, 5},
        {"one combination of 7, all drawn", one, 7, 6},
        {"ambo scheme, two drawn", ambo, 2, 2},
        {"ambo scheme, six drawn", ambo, 6, 4},
        {"n - 1 of 8, six drawn", reduced, 6, 5},
        {"n - 1 of 8, three drawn", reduced, 3, 3},
        {"n - 1 of 8, four drawn", reduced, 4, 3},
        {"more drawn than numbers", one, 8, std::nullopt},
        {"positions beyond 63", Matrix(64, 6, {1, 2, 3, 4, 5, 6}), 2, std::nullopt},
        {"positions outside the quantity count for nothing", Matrix(7, 6, {0, 9, 3, 4, 5, 6}), 4, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(GuaranteedHits(c.matrix, c.drawn), c.hits) << c.name;
}

TEST(StarterLibrary, MissingNamesAreAddedWithoutTouchingTheUsersFiles) {
    TempFolder bundle;
    bundle.WriteFile("matrion/SISTEMI.TXT", "\"\"\r\n\"A.SIS\"\r\n\"B.SIS\"\r\n\"C.SIS\"\r\n\"D.SIS\"\r\n\"STOP\"\r\n");
    for (const char* name : {"A.SIS", "B.SIS", "C.SIS", "D.SIS"}) {
        bundle.WriteFile(std::string("matrion/") + name, std::string("DELLA LIBRERIA ") + name);
    }
    TempFolder user;
    user.WriteFile("matrion/SISTEMI.TXT", "\"\"\r\n\"MIA.SIS\"\r\n\"B.SIS\"\r\n\"STOP\"\r\n");
    user.WriteFile("matrion/C.SIS", "DELL'UTENTE");
    user.WriteFile("matrion/D.SIS", "DELLA LIBRERIA D.SIS");  // copied at the start, never registered

    const StarterRegistration first = RegisterStarterMatrices(user.path(), bundle.path());
    ASSERT_TRUE(first.ok()) << first.error;
    EXPECT_EQ(first.registered, (std::vector<std::string>{"A.SIS", "D.SIS"}));
    EXPECT_EQ(first.notes, std::vector<std::string>{"IL FILE C.SIS DELLA CARTELLA matrion E' DIVERSO DA QUELLO DELLA "
                                                    "LIBRERIA INIZIALE: RESTA COM'E' E NON VIENE REGISTRATO"});
    EXPECT_EQ(ReadMatrixIndex(user.path()).Entries(), (std::vector<std::string>{"MIA.SIS", "B.SIS", "A.SIS", "D.SIS"}));
    EXPECT_EQ(user.ReadFile("matrion/A.SIS"), "DELLA LIBRERIA A.SIS");
    EXPECT_EQ(user.ReadFile("matrion/C.SIS"), "DELL'UTENTE");

    const std::string index = user.ReadFile("matrion/SISTEMI.TXT");
    const StarterRegistration again = RegisterStarterMatrices(user.path(), bundle.path());
    EXPECT_TRUE(again.ok());
    EXPECT_TRUE(again.registered.empty());
    EXPECT_EQ(user.ReadFile("matrion/SISTEMI.TXT"), index);

    user.WriteFile("matrion/SISTEMI.TXT", "\"\"\r\n\"A.SIS\"\r\n");  // no "STOP": the user's index is kept
    EXPECT_FALSE(RegisterStarterMatrices(user.path(), bundle.path()).ok());
    EXPECT_EQ(user.ReadFile("matrion/SISTEMI.TXT"), "\"\"\r\n\"A.SIS\"\r\n");
}

TEST(StarterLibrary, BundledIndexListsEveryBundledMatrixOnce) {
    const MatrixIndex index = ReadMatrixIndex(test::Assets());
    ASSERT_TRUE(index.ok()) << index.error;
    const std::vector<std::string> names = index.Entries();
    ASSERT_FALSE(names.empty());
    std::size_t files = 0;
    for (const auto& file : std::filesystem::directory_iterator(test::Assets() / "matrion")) {
        if (file.path().extension() != ".SIS") continue;
        ++files;
        EXPECT_EQ(std::count(names.begin(), names.end(), file.path().filename().string()), 1) << file.path();
    }
    EXPECT_EQ(files, names.size());
}

}  // namespace
}  // namespace fortunara

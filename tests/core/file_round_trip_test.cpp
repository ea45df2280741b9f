// Every kind of file the program writes reads back as it was written.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>

#include "archive/core/draw_archive.h"
#include "matrices/core/matrix_files.h"
#include "matrices/core/matrix_index.h"
#include "slips/core/slip_layout.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// comboCount combinations of comboSize different values from 1 to numberCount, the same every run.
MatrixData System(int numberCount, int comboCount, int comboSize) {
    std::mt19937 random(20260821);
    MatrixData data;
    data.numberCount = numberCount;
    data.comboCount = comboCount;
    data.comboSize = comboSize;
    std::vector<int> pool(static_cast<std::size_t>(numberCount));
    for (int c = 0; c < comboCount; ++c) {
        std::iota(pool.begin(), pool.end(), 1);
        std::shuffle(pool.begin(), pool.end(), random);
        data.numbers.insert(data.numbers.end(), pool.begin(), pool.begin() + comboSize);
    }
    data.comments = {" SISTEMA DI 90 NUMERI",
                     std::string(80, '-'),
                     "GARANZIA DEL TERNO",
                     "CIAO, MONDO",
                     "PERCHÉ NO",
                     "",
                     "  SPAZI INTORNO  ",
                     "DI 'TUTTO'",
                     "€ 2,50",
                     "10"};
    return data;
}

void ExpectReadBack(const MatrixRead& read, const MatrixData& written) {
    EXPECT_TRUE(read.Sound()) << read.Notice();
    EXPECT_TRUE(read.complete);
    EXPECT_EQ(read.data.numberCount, written.numberCount);
    EXPECT_EQ(read.data.comboCount, written.comboCount);
    EXPECT_EQ(read.data.comboSize, written.comboSize);
    EXPECT_EQ(read.data.numbers, written.numbers);
    EXPECT_EQ(read.data.comments, written.comments);
}

TEST(FileRoundTrip, EveryFileTheProgramWritesReadsBackEqual) {
    const struct {
        const char* kind;
        std::function<void(const fs::path&)> roundTrip;
    } cases[] = {
        {"archive: every draw of the bundled archive, appended one by one",
         [](const fs::path& folder) {
             DrawArchive real(test::Assets());
             ASSERT_TRUE(real.OpenDrawArchive());
             const std::vector<std::string> draws = real.ReadDrawRecords(1, real.RecordCount());
             DrawArchive archive(folder);
             ASSERT_TRUE(archive.OpenDrawArchive());
             for (std::size_t k = 0; k < draws.size(); ++k) {
                 ASSERT_TRUE(archive.WriteDrawRecord(static_cast<int>(k) + 1, draws[k])) << archive.Error();
             }
             archive.CloseDrawArchive();
             ASSERT_TRUE(archive.OpenDrawArchive());
             EXPECT_EQ(archive.ReadDrawRecords(1, archive.RecordCount()), draws);
         }},
        {"matrix: 999 combinations of ten positions out of 90",
         [](const fs::path& folder) {
             const MatrixData matrix = System(90, 999, 10);
             ASSERT_TRUE(WriteMatrixFile(folder, "90N99910.SIS", matrix).ok());
             ExpectReadBack(ReadMatrixFile(folder, "90N99910.SIS"), matrix);
         }},
        {"index: the most names it holds",
         [](const fs::path& folder) {
             std::vector<std::string> names;
             for (int i = 1; i <= kMatrixIndexCapacity; ++i) names.push_back(*MatrixFileName(i % 90 + 1, i, 6));
             ASSERT_TRUE(RegisterMatrices(folder, names).ok());
             const MatrixIndex index = ReadMatrixIndex(folder);
             EXPECT_TRUE(index.ok() && index.cut.empty());
             EXPECT_EQ(index.Entries(), names);
         }},
        {"played system: 30000 combinations of six numbers",
         [](const fs::path& folder) {
             const MatrixData played = System(90, 30000, 6);
             ASSERT_TRUE(WriteSystemFile(folder / "GRANDE.SSI", played).ok());
             ExpectReadBack(ReadSystemFile(folder / "GRANDE.SSI"), played);
         }},
        {"valori.tab: the seven layout values",
         [](const fs::path& folder) {
             const SlipLayoutTexts texts = {"1440", "1440", "340,5", "255", "-170", "113", "0"};
             ASSERT_TRUE(WriteSlipLayout(folder, texts).ok());
             const SlipLayoutRead read = ReadSlipLayout(folder);
             ASSERT_TRUE(read.error.empty());
             for (std::size_t i = 0; i < kSlipValues; ++i) EXPECT_EQ(read.texts[i], texts[i]) << i;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        TempFolder folder;
        c.roundTrip(folder.path());
    }
}

}  // namespace
}  // namespace fortunara

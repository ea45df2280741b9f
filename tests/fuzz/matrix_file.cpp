// A matrix (.SIS): any bytes as a file of the matrix folder. What is read is what the reader
// promises; applied to numbers, a matrix gives whole combinations of those numbers; the editor's
// comments go after the positions and leave them as they were; written back, the matrix reads the
// same, and a refused write leaves the file byte for byte.
#include <numeric>

#include "checks/core/played_system.h"
#include "matrices/core/matrix_editor.h"
#include "tests/fuzz/system_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fortunara;
    using fuzz::Expect;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string name = "12N03006.SIS";
    const std::filesystem::path folder = fuzz::FreshFolder();
    const std::filesystem::path file = MatrixFolder(folder) / name;
    fuzz::WriteBytes(file, bytes);

    const MatrixRead read = ReadMatrixFile(folder, name);
    fuzz::CheckRead(read);
    const MatrixData& matrix = read.data;
    std::vector<int> numbers(90);
    std::iota(numbers.rbegin(), numbers.rend(), 1);  // position p plays 91 - p
    numbers.resize(static_cast<std::size_t>(std::clamp(matrix.numberCount, 0, 90)));
    const AppliedMatrix applied = ApplyMatrix(matrix, numbers);
    for (std::size_t c = 0; c < applied.combinations.size(); ++c) {
        const std::vector<int>& combination = applied.combinations[c];
        Expect(combination.size() == static_cast<std::size_t>(matrix.comboSize), "a matrix gives whole combinations");
        for (std::size_t j = 0; j < combination.size(); ++j) {
            const int position = matrix.numbers[c * combination.size() + j];
            Expect(
                combination[j] == (position >= 1 && position <= static_cast<int>(numbers.size()) ? 91 - position : 0),
                "position p takes the p-th number, a position without number 0");
        }
    }

    if (read.Sound() && WriteMatrixComments(folder, name, {"PRIMA", "SECONDA"}).ok()) {
        const MatrixRead commented = ReadMatrixFile(folder, name);
        MatrixData expected = matrix;
        expected.comments = {"PRIMA", "SECONDA"};
        Expect(fuzz::SameSystem(commented.data, expected), "the comments go after the positions, which stay");
        fuzz::WriteBytes(file, bytes);
    }
    fuzz::CheckRewrite(
        file, matrix, [&] { return WriteMatrixFile(folder, name, matrix); },
        [&] { return ReadMatrixFile(folder, name); });
    return 0;
}

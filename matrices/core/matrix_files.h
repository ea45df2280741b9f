#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "matrices/core/text_fields.h"

namespace fortunara {

// The content of a matrix (".SIS") or played-system ("*.SSI") file.
struct MatrixData {
    int numberCount = 0;       // N
    int comboCount = 0;        // B
    int comboSize = 0;         // T
    std::vector<int> numbers;  // B * T values, combination by combination
    std::array<std::string, 10> comments{};
};

// The largest system the program makes is the development's 30000 combinations, and a matrix
// holds up to ten numbers a combination: the readers take every file up to that many numbers
// whole, and the writers write no more than that.
inline constexpr int kMostFileCombinations = 30000;
inline constexpr int kMatrixNumbersRead = kMostFileCombinations * 10;

struct MatrixRead {
    // What the file held: numbers and comments stop where the file ended, or after
    // kMatrixNumbersRead numbers.
    MatrixData data;
    int commentsRead = 0;
    bool complete = false;  // every field of the format was there
    std::string error;      // Italian, set when the file could not be opened
    std::string cut;        // Italian, set when the file held more than was read (TooLongMessage)
    // Italian, one line each: the file is not the system its first three lines describe (no
    // combinations, fewer numbers than they promise, a number or position out of its range).
    std::vector<std::string> faults;
    // Italian: the first combination that holds a number (or position) twice; it counts once.
    std::string repeat;
    bool ok() const { return error.empty(); }
    // Read whole, and the system it says it is.
    bool Sound() const { return ok() && cut.empty() && faults.empty(); }
    // What to tell the user about the file, one line each: the cut, the faults, the repeat.
    std::string Notice() const;
};

// The matrix folder "matrion" of the program folder.
std::filesystem::path MatrixFolder(const std::filesystem::path& programFolder);

// "12N03006.SIS": N in two digits, B in three, T in two. A system whose fields do not fit the
// twelve characters (B above 999, N above 99, T above 99, or a negative field) has no name.
std::optional<std::string> MatrixFileName(int numberCount, int comboCount, int comboSize);

// Replaces a file of the matrix folder as a whole with the lines (ReplaceTextFile), making the
// folder first when it is missing. writeLimit, here and below: the tests' full disk.
FileOutcome ReplaceMatrixFolderFile(const std::filesystem::path& programFolder, const std::string& name,
                                    const std::vector<std::string>& lines, std::uintmax_t writeLimit = kNoWriteLimit);

// Matrix files live in the matrix folder: N, B, T and the positions as plain lines, the ten
// comment lines quoted.
// Called with k = 1, 2, ... as number entry k of a matrix is written.
using EntryProgress = std::function<void(std::size_t entry)>;
FileOutcome WriteMatrixFile(const std::filesystem::path& programFolder, const std::string& name, const MatrixData& data,
                            const EntryProgress& onEntry = {}, std::uintmax_t writeLimit = kNoWriteLimit);
// The lines WriteMatrixFile writes, or why it would refuse to write them.
FileOutcome MatrixFileLines(const std::filesystem::path& programFolder, const std::string& name, const MatrixData& data,
                            const EntryProgress& onEntry, std::vector<std::string>& lines);
MatrixRead ReadMatrixFile(const std::filesystem::path& programFolder, const std::string& name);

// Played-system files live wherever the user chose; every field is a quoted line.
// Both writers refuse, writing nothing, what would not read back as written (more than
// kMatrixNumbersRead numbers, or not B * T of them) and replacing a file the readers cut (the part
// read would take the place of the whole).
FileOutcome WriteSystemFile(const std::filesystem::path& file, const MatrixData& data,
                            std::uintmax_t writeLimit = kNoWriteLimit);
MatrixRead ReadSystemFile(const std::filesystem::path& file);

}  // namespace fortunara

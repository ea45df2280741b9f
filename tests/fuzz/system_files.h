#pragma once

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "matrices/core/matrix_files.h"
#include "tests/fuzz/fuzz_support.h"

namespace fortunara::fuzz {

// What a matrix or played-system file holds after it was written and read again: the same, but a
// double quote in a comment is written as an apostrophe (the format has no escape for it).
inline MatrixData AsWritten(MatrixData data) {
    for (std::string& comment : data.comments) std::replace(comment.begin(), comment.end(), '"', '\'');
    return data;
}

inline bool SameSystem(const MatrixData& a, const MatrixData& b) {
    return a.numberCount == b.numberCount && a.comboCount == b.comboCount && a.comboSize == b.comboSize &&
           a.numbers == b.numbers && a.comments == b.comments;
}

// Checks what every reader of a matrix or played system promises of the file it read.
inline void CheckRead(const MatrixRead& read) {
    const MatrixData& data = read.data;
    Expect(read.ok(), "a file that is there is read", read.error);
    Expect(data.numbers.size() <= static_cast<std::size_t>(kMatrixNumbersRead), "no more numbers are read than 300000");
    // A count below 1 promises no numbers (and is a fault of the file).
    const long long promised = static_cast<long long>(std::max(data.comboCount, 0)) * std::max(data.comboSize, 0);
    Expect(!read.complete || (read.commentsRead == 10 && static_cast<long long>(data.numbers.size()) == promised),
           "a file read whole holds the numbers its header promises and ten comments");
    Expect(!read.Sound() ||
               (data.comboCount >= 1 && data.comboSize >= 1 && static_cast<long long>(data.numbers.size()) == promised),
           "a sound file holds B combinations of T numbers");
}

// Writes the data over the file it was read from, as the windows' SALVA does, and reads it again:
// what the writer takes reads back as it was read; what it refuses leaves every file as it was.
inline void CheckRewrite(const std::filesystem::path& file, const MatrixData& data,
                         const std::function<FileOutcome()>& write, const std::function<MatrixRead()>& read) {
    const Snapshot before = TakeSnapshot(file.parent_path());
    const FileOutcome written = write();
    if (!written.ok()) {
        Expect(TakeSnapshot(file.parent_path()) == before, "a refused write changes no file", written.error);
        return;
    }
    const MatrixRead again = read();
    Expect(SameSystem(again.data, AsWritten(data)) && again.complete && again.cut.empty(),
           "what the writer takes reads back whole as it was read");
    Expect(TakeSnapshot(file.parent_path()).size() == before.size(), "a write leaves no temporary file");
}

}  // namespace fortunara::fuzz

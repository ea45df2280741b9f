#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "matrices/core/text_fields.h"

namespace fortunara {

// "SISTEMI.TXT" in the matrix folder: an (empty) header line, the registered matrix file names,
// then "STOP". The in-memory list holds 501 lines, so at most 499 names.
inline constexpr int kMatrixIndexLines = 501;
inline constexpr int kMatrixIndexCapacity = kMatrixIndexLines - 2;

struct MatrixIndex {
    std::vector<std::string> lines;  // index 0 = header, last = "STOP"
    std::string error;               // Italian; set when the index cannot be read
    std::string cut;                 // Italian; set when a line was too long and was cut
    bool ok() const { return error.empty(); }
    // The registered names, oldest first.
    std::vector<std::string> Entries() const;
};

// A missing index is the empty library (the header and "STOP"); one that exists but cannot be read,
// or has no "STOP" within its 501 lines, is an error.
MatrixIndex ReadMatrixIndex(const std::filesystem::path& programFolder);
// Whether `count` more names can be registered: the index can be read, had no line cut and leaves
// room for them within its 499 names. The Italian reason when not.
FileOutcome CheckMatrixRoom(const std::filesystem::path& programFolder, std::size_t count = 1);
// Rewrites the index with the new name added at the end (no duplicate test: a name registered
// twice is listed twice); a missing index is created. Fails, writing nothing, when the index
// cannot be read, had a line cut or already holds 499 names. writeLimit: the tests' full disk.
FileOutcome RegisterMatrix(const std::filesystem::path& programFolder, const std::string& name,
                           std::uintmax_t writeLimit = kNoWriteLimit);
// The same for several names at once, in their order: all of them or none.
FileOutcome RegisterMatrices(const std::filesystem::path& programFolder, const std::vector<std::string>& names,
                             std::uintmax_t writeLimit = kNoWriteLimit);
// Writes a file of the matrix folder with the lines and registers its name, together
// (ReplaceTextFiles): a failure leaves neither a matrix the index does not name nor a name without
// its matrix, and an old file of that name as it was. Fails, writing nothing, as RegisterMatrix.
FileOutcome WriteRegisteredMatrix(const std::filesystem::path& programFolder, const std::string& name,
                                  const std::vector<std::string>& lines, std::uintmax_t writeLimit = kNoWriteLimit);

}  // namespace fortunara

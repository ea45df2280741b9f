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

MatrixIndex ReadMatrixIndex(const std::filesystem::path& programFolder);
// Rewrites the index with the new name added at the end (no duplicate test: a name registered
// twice is listed twice). Fails when the index cannot be read, had a line cut or already holds
// 499 names.
FileOutcome RegisterMatrix(const std::filesystem::path& programFolder, const std::string& name);

}  // namespace fortunara

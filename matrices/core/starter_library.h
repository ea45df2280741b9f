#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace fortunara {

// The starter library: the matrices the program comes with, in the bundle's matrion folder and its
// index. A new program folder receives them with the bundle; a folder whose index was there before
// gets the files at the next start (every missing file is copied) but not their names, since an
// index of the user's is never overwritten.
struct StarterRegistration {
    std::vector<std::string> registered;  // the names added to the index, in the bundle's order
    std::vector<std::string> notes;       // Italian: bundled matrices left out, and why
    std::string error;                    // Italian: nothing was registered
    bool ok() const { return error.empty(); }
};

// Adds to the program folder's index every matrix of the bundle's index that it lacks, copying a
// missing file from the bundle first. A file of that name that differs from the bundle's is the
// user's own: it is neither replaced nor registered. All the names go into the index in one
// rewrite, or none when they do not fit.
StarterRegistration RegisterStarterMatrices(const std::filesystem::path& programFolder,
                                            const std::filesystem::path& bundle);

}  // namespace fortunara

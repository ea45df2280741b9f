#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// What the fuzz targets share. Each target feeds one reader of outside data with arbitrary bytes and
// checks the reader's own promises; a broken promise stops the run like a crash, so libFuzzer keeps
// the input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fortunara::fuzz {

// Stops the run with the promise the input broke.
[[noreturn]] void Broken(std::string_view promise, std::string_view detail = {});
inline void Expect(bool kept, std::string_view promise, std::string_view detail = {}) {
    if (!kept) Broken(promise, detail);
}

// The program folder of this process; it goes when the process ends. FreshFolder empties it first,
// so that each input starts alike.
const std::filesystem::path& Folder();
const std::filesystem::path& FreshFolder();

// The bytes of a file ("" when there is none), and a file written with bytes (its folder made).
std::string FileBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);

// Every file below a folder with its bytes, the archive's lock file left out (it stays by design):
// what a writer that refused its input must leave as it was.
using Snapshot = std::map<std::filesystem::path, std::string>;
Snapshot TakeSnapshot(const std::filesystem::path& folder);

// The input split at each occurrence of a byte.
std::vector<std::string> Split(std::string_view input, char separator);

}  // namespace fortunara::fuzz

#include "tests/support/golden.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "tests/support/temp_folder.h"

namespace fortunara::test {

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

std::string GoldenDifference(const std::string& name, const std::string& actual) {
    const std::filesystem::path golden = TestData("golden/" + name);
    std::ifstream in(golden, std::ios::binary);
    std::ostringstream expected;
    if (in) expected << in.rdbuf();
    if (in && expected.str() == actual) return {};

    const std::filesystem::path written = golden.string() + ".actual";
    std::ofstream(written, std::ios::binary) << actual;
    if (!in) return "manca " + golden.string() + "; l'uscita e' in " + written.string();
    const std::vector<std::string> want = Lines(expected.str());
    const std::vector<std::string> got = Lines(actual);
    std::size_t line = 0;
    while (line < want.size() && line < got.size() && want[line] == got[line]) ++line;
    const auto at = [line](const std::vector<std::string>& lines) {
        return line < lines.size() ? "\"" + lines[line] + "\"" : std::string("(fine)");
    };
    return golden.filename().string() + " riga " + std::to_string(line + 1) + ": atteso " + at(want) + ", trovato " +
           at(got) + " (uscita intera in " + written.string() + ")";
}

}  // namespace fortunara::test

#include "systems/core/covering_table.h"

#include <charconv>
#include <fstream>
#include <iterator>

namespace fortunara {

namespace {

template <typename Number>
bool ReadNumber(std::string_view field, Number& value) {
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc{} && end == field.data() + field.size();
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t comma = line.find(',');
        fields.push_back(line.substr(0, comma));
        if (comma == std::string_view::npos) return fields;
        line.remove_prefix(comma + 1);
    }
}

}  // namespace

std::vector<BestCovering> ParseCoveringTable(std::string_view text) {
    std::vector<BestCovering> table;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::vector<std::string_view> fields = Fields(line);
        BestCovering cell;
        int proven = 0;
        if (fields.size() < 5 || !ReadNumber(fields[0], cell.numbers) || !ReadNumber(fields[1], cell.atLeast) ||
            !ReadNumber(fields[2], cell.lowerBound) || !ReadNumber(fields[3], cell.bestKnown) ||
            !ReadNumber(fields[4], proven)) {
            continue;
        }
        cell.proven = proven == 1;
        if (fields.size() > 5) cell.source = std::string(fields[5]);
        table.push_back(std::move(cell));
    }
    return table;
}

std::vector<BestCovering> ReadCoveringTable(const std::filesystem::path& folder) {
    std::ifstream in(folder / kCoveringTableFile, std::ios::binary);
    if (!in) return {};
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ParseCoveringTable(text);
}

std::optional<BestCovering> FindCovering(const std::vector<BestCovering>& table, int numbers, int atLeast) {
    for (const BestCovering& cell : table) {
        if (cell.numbers == numbers && cell.atLeast == atLeast) return cell;
    }
    return std::nullopt;
}

}  // namespace fortunara

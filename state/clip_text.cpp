#include "state/clip_text.h"

#include <cctype>

namespace fortunara {

namespace {

struct HitFields {
    std::string number;
    std::string date;
    std::string rest;
};

std::string Part(const std::string& text, std::size_t first, std::size_t length = std::string::npos) {
    return first >= text.size() ? std::string() : text.substr(first, length);
}

HitFields SplitHit(const std::string& entry) {
    // The number's text form: a sign place, then digits.
    std::size_t end = entry.empty() ? 0 : 1;
    while (end < entry.size() && std::isdigit(static_cast<unsigned char>(entry[end])) != 0) ++end;
    return {entry.substr(0, end), Part(entry, end + 1, 9), Part(entry, end + 11)};
}

}  // namespace

std::string GridClipText(const std::vector<std::vector<std::string>>& cells) {
    std::string text;
    for (std::size_t r = 0; r < cells.size(); ++r) {
        if (r > 0) text += '\r';
        for (std::size_t c = 0; c < cells[r].size(); ++c) {
            if (c > 0) text += '\t';
            text += cells[r][c];
        }
    }
    return text;
}

std::string SearchListClipText(const std::vector<std::string>& entries) {
    if (entries.empty()) return {};
    std::string text;
    for (const std::string& entry : entries) {
        const HitFields hit = SplitHit(entry);
        text += hit.number + '\t' + hit.date + '\t' + hit.rest + '\r';
    }
    return text + '\r';
}

}  // namespace fortunara

#include "platform/text/cp1252.h"

#include <array>
#include <cstdint>

namespace fortunara {

namespace {

// Code points of bytes 0x80-0x9F; 0 where the code page leaves the byte undefined.
constexpr std::array<char32_t, 32> kHighControls = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char ToCp1252(char32_t c) {
    // U+0080-U+009F stand for themselves: the five bytes the code page leaves undefined read as
    // these code points, so a text read from a file is written back byte for byte.
    if (c <= 0xFF) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c && c != 0) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char byte : bytes) {
        const auto b = static_cast<std::uint8_t>(byte);
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0) c = kHighControls[b - 0x80] != 0 ? kHighControls[b - 0x80] : b;
        AppendUtf8(out, c);
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<std::uint8_t>(text[i]);
        char32_t c = b;
        std::size_t length = 1;
        if (b >= 0xF0) {
            length = 4;
            c = 0xFFFD;
        } else if (b >= 0xE0 && i + 2 < text.size()) {
            length = 3;
            c = ((b & 0x0F) << 12) | ((static_cast<std::uint8_t>(text[i + 1]) & 0x3F) << 6) |
                (static_cast<std::uint8_t>(text[i + 2]) & 0x3F);
        } else if (b >= 0xC0 && i + 1 < text.size()) {
            length = 2;
            c = ((b & 0x1F) << 6) | (static_cast<std::uint8_t>(text[i + 1]) & 0x3F);
        } else if (b >= 0x80) {
            c = 0xFFFD;
        }
        out += ToCp1252(c);
        i += length;
    }
    return out;
}

}  // namespace fortunara

#pragma once

#include <string>
#include <string_view>

namespace fortunara {

// The program's text files are single-byte Windows-1252; in memory texts are UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?'. U+0080-U+009F become the byte of the same
// value, so every byte 0x00-0xFF survives a round trip through UTF-8.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace fortunara

#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace fortunara {

// Paths cross between std::filesystem and Qt as UTF-16, so no locale code page is involved
// on any system.
inline QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

inline std::filesystem::path ToPath(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

// The path as UTF-8 text, for messages.
inline std::string ToUtf8(const std::filesystem::path& path) {
    return ToQString(path).toStdString();
}

}  // namespace fortunara

#pragma once

#include <filesystem>
#include <string>

namespace fortunara::test {

// A fresh program folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes dati/estraz09.txt with the given bytes.
    void WriteArchive(const std::string& bytes) const;
    // Copies tests/data/NAME to RELATIVE inside the folder.
    void CopyFixture(const std::string& name, const std::filesystem::path& relative) const;
    void WriteFile(const std::filesystem::path& relative, const std::string& bytes) const;
    std::string ReadFile(const std::filesystem::path& relative) const;

private:
    std::filesystem::path path_;
};

std::filesystem::path TestData(const std::string& name);
std::filesystem::path Assets();
// The bundled real archive.
std::filesystem::path RealArchive();

}  // namespace fortunara::test

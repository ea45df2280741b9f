#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace fortunara {

// Hands things over to the desktop. Each call returns false when nothing could be started.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool OpenAddress(const std::string& url) = 0;
    virtual bool OpenTextFile(const std::filesystem::path& file) = 0;
    virtual bool StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) = 0;
};

}  // namespace fortunara

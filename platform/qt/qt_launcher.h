#pragma once

#include "platform/api/launcher.h"

namespace fortunara {

// Hands addresses, text files and programs over to the desktop.
class QtLauncher : public Launcher {
public:
    bool OpenAddress(const std::string& url) override;
    bool OpenTextFile(const std::filesystem::path& file) override;
    bool StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) override;
};

}  // namespace fortunara

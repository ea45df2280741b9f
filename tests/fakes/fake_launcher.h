#pragma once

#include <string>
#include <vector>

#include "platform/api/launcher.h"

namespace fortunara::test {

// Records "ADDRESS url", "TEXT file" and "PROGRAM program arg1 arg2 ..." and answers `result`.
class FakeLauncher : public Launcher {
public:
    bool OpenAddress(const std::string& url) override {
        calls.push_back("ADDRESS " + url);
        return result;
    }
    bool OpenTextFile(const std::filesystem::path& file) override {
        calls.push_back("TEXT " + file.string());
        return result;
    }
    bool StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) override {
        std::string call = "PROGRAM " + program.string();
        for (const std::string& argument : arguments) call += " " + argument;
        calls.push_back(call);
        return result;
    }

    std::vector<std::string> calls;
    bool result = true;
};

}  // namespace fortunara::test

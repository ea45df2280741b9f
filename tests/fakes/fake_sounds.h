#pragma once

#include <string>
#include <vector>

#include "platform/api/sounds.h"

namespace fortunara::test {

// Records what the program asked of the sound devices: "DEVICE FILE" for a file,
// "DEVICE COMMAND" for a command, "WAVE FILE" for the plain wave call.
class FakeSounds : public Sounds {
public:
    void SetFile(const std::string& device, const std::filesystem::path& file) override {
        log.push_back(device + " " + file.string());
    }
    void Command(const std::string& device, const std::string& command) override {
        log.push_back(device + " " + command);
    }
    void PlayWave(const std::filesystem::path& file) override { log.push_back("WAVE " + file.string()); }

    // The device reports that it finished playing.
    void Complete(const std::string& device) { ReportCompleted(device); }

    std::vector<std::string> log;
};

}  // namespace fortunara::test

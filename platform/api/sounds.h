#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace fortunara {

// Media devices addressed by name ("MMControl1", "WAV_Voice", "MIDI", ...). A device is given a
// file, then text commands: "OPEN", "prev" (rewind), "PLAY", "SOUND" (play once), "CLOSE".
// Playing never waits; a device that finishes playing reports it through the completion handler.
// A missing file or a machine without audio only leaves the sound unplayed.
class Sounds {
public:
    using CompletionHandler = std::function<void(const std::string& device)>;

    virtual ~Sounds() = default;
    virtual void SetFile(const std::string& device, const std::filesystem::path& file) = 0;
    virtual void Command(const std::string& device, const std::string& command) = 0;
    // The plain play-a-wave call: starts the file and returns at once.
    virtual void PlayWave(const std::filesystem::path& file) = 0;

    void OnCompleted(CompletionHandler handler) { completed_ = std::move(handler); }

protected:
    void ReportCompleted(const std::string& device) {
        if (completed_) completed_(device);
    }

private:
    CompletionHandler completed_;
};

}  // namespace fortunara

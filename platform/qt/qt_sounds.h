#pragma once

#include <QObject>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "platform/api/sounds.h"

class QSoundEffect;

namespace fortunara {

class MidiPlayer;

// Sound devices on the desktop: wave files through Qt Multimedia, MIDI files (".mid",
// ".midi") through the fluidsynth synthesizer. Missing files and machines without audio
// only leave the sound unplayed.
class QtSounds : public Sounds {
public:
    QtSounds();
    ~QtSounds() override;
    QtSounds(const QtSounds&) = delete;
    QtSounds& operator=(const QtSounds&) = delete;

    void SetFile(const std::string& device, const std::filesystem::path& file) override;
    void Command(const std::string& device, const std::string& command) override;
    void PlayWave(const std::filesystem::path& file) override;

private:
    struct Device;

    Device* Find(const std::string& name) const;
    void Open(const std::string& name, Device& device);
    void Play(const std::string& name, Device& device, bool reportCompletion);
    void Rewind(Device& device);
    void Close(Device& device);
    void QueueReport(const std::string& name);

    std::map<std::string, std::unique_ptr<Device>> devices_;
    std::unique_ptr<QSoundEffect> wave_;
    // Context of the queued completion reports: they die with this object.
    QObject reports_;
};

// The file itself when it exists, else a file of the same folder whose name differs only in
// case ("SONG.mid" finds "song.MID"), else the path unchanged.
std::filesystem::path FindFileIgnoringCase(const std::filesystem::path& file);

}  // namespace fortunara

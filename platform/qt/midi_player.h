#pragma once

#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

namespace fortunara {

// Plays one MIDI file at a time through the fluidsynth synthesizer with a General MIDI sound
// font. A machine without a sound font or an audio output leaves it silent, without a word.
// The end of a playback is noticed by polling on the GUI thread, so the finished handler never
// runs on the synthesizer's own thread.
class MidiPlayer {
public:
    using FinishedHandler = std::function<void()>;

    explicit MidiPlayer(FinishedHandler finished);
    ~MidiPlayer();
    MidiPlayer(const MidiPlayer&) = delete;
    MidiPlayer& operator=(const MidiPlayer&) = delete;

    // Takes the file to play; the synthesizer starts at the first Play.
    void Open(const std::filesystem::path& file);
    // Plays on from where it stopped, or from the start.
    void Play();
    // Stops; the next Play starts from the beginning.
    void Rewind();
    // Pauses where it is.
    void Stop();
    // Stops and forgets the file.
    void Close();

    bool IsPlaying() const { return playing_; }

private:
    // The synthesizer with its audio output; fluidsynth stays out of the users' include paths.
    struct Synth;

    bool StartSynth();
    void DropPlayer();
    void Poll();

    FinishedHandler finished_;
    std::filesystem::path file_;
    std::unique_ptr<Synth> synth_;
    bool unavailable_ = false;
    bool playing_ = false;
    QTimer poll_;
};

}  // namespace fortunara

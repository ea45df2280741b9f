#include "app/core/main_window_sounds.h"

#include "platform/text/number_text.h"

namespace fortunara {

std::string TabVoiceFile(int tab) {
    return "PARLATO" + Plain(tab + 2) + ".wav";
}

void SpeakTabName(const ProgramState& state, Sounds& sounds, int tab) {
    if (state.VoiceOn != 1 || tab < 0 || tab > 6) return;
    sounds.SetFile(kVoiceDevice, state.programFolder / TabVoiceFile(tab));
    sounds.Command(kVoiceDevice, "Sound");
}

void LoadGreeting(const ProgramState& state, Sounds& sounds) {
    sounds.SetFile(kVoiceDevice, state.programFolder / "PARLATO1.wav");
}

void PlayGreeting(Sounds& sounds) {
    sounds.Command(kVoiceDevice, "Sound");
}

void OnSoundCompleted(const ProgramState& state, Sounds& sounds, const std::string& device) {
    if (device != kMusicDevice || state.MusicOn != 1) return;
    sounds.Command(kMusicDevice, "CLOSE");
    sounds.SetFile(kMusicDevice, state.programFolder / "SONG.mid");
    sounds.Command(kMusicDevice, "OPEN");
    sounds.Command(kMusicDevice, "PLAY");
}

void CloseSoundDevices(Sounds& sounds) {
    sounds.Command(kClickDevice, "CLOSE");
    sounds.Command(kVoiceDevice, "CLOSE");
    sounds.Command(kMusicDevice, "CLOSE");
}

}  // namespace fortunara

#pragma once

#include <string>

#include "platform/api/sounds.h"
#include "state/program_state.h"

namespace fortunara {

// The main window's own sounds besides the click: the spoken tab names, the greeting, the music
// loop and the closing of the devices at exit.

inline constexpr const char* kVoiceDevice = "WAV_Voice";
inline constexpr const char* kMusicDevice = "MIDI";
inline constexpr const char* kClickDevice = "MMControl1";

// "PARLATO2.wav" for tab 0 up to "PARLATO8.wav" for tab 6.
std::string TabVoiceFile(int tab);

// Speaks the name of the chosen tab once, when VoiceOn is 1.
void SpeakTabName(const ProgramState& state, Sounds& sounds, int tab);

// The greeting: the voice device is given "PARLATO1.wav" at load and plays it once later.
void LoadGreeting(const ProgramState& state, Sounds& sounds);
void PlayGreeting(Sounds& sounds);

// Completion of a device: when the music finished and MusicOn is 1, play "SONG.mid" again.
void OnSoundCompleted(const ProgramState& state, Sounds& sounds, const std::string& device);

// Leaving the program: the three devices are closed.
void CloseSoundDevices(Sounds& sounds);

}  // namespace fortunara

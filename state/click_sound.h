#pragma once

#include <string>

#include "platform/api/sounds.h"
#include "state/program_state.h"

namespace fortunara {

// The command sequences handlers send to their click device.
enum class ClickCommands {
    OpenPrevPlay,   // most buttons
    OpenPlay,       // copy and exit pictures
    OpenPlaySound,  // the information picture
    SoundOnly,      // the archive order options
};

// Plays "POP.WAV" of the program folder on the window's click device when ClickSoundOn is 1;
// does nothing at all otherwise.
void PlayClickSound(const ProgramState& state, Sounds& sounds, ClickCommands commands = ClickCommands::OpenPrevPlay,
                    const std::string& device = "MMControl1");

}  // namespace fortunara

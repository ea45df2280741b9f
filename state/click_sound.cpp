#include "state/click_sound.h"

namespace fortunara {

void PlayClickSound(const ProgramState& state, Sounds& sounds, ClickCommands commands, const std::string& device) {
    if (state.ClickSoundOn != 1) return;
    sounds.SetFile(device, state.programFolder / "POP.WAV");
    switch (commands) {
        case ClickCommands::OpenPrevPlay:
            sounds.Command(device, "OPEN");
            sounds.Command(device, "prev");
            sounds.Command(device, "PLAY");
            break;
        case ClickCommands::OpenPlay:
            sounds.Command(device, "OPEN");
            sounds.Command(device, "PLAY");
            break;
        case ClickCommands::OpenPlaySound:
            sounds.Command(device, "OPEN");
            sounds.Command(device, "PLAY");
            sounds.Command(device, "SOUND");
            break;
        case ClickCommands::SoundOnly:
            sounds.Command(device, "SOUND");
            break;
    }
}

}  // namespace fortunara

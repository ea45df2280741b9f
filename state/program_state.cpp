#include "state/program_state.h"

namespace fortunara {

void ProgramState::FillWheelNames() {
    WheelNames = {"",          "BARI     ", "CAGLIARI ", "FIRENZE  ", "GENOVA   ", "MILANO   ",
                  "NAPOLI   ", "PALERMO  ", "ROMA     ", "TORINO   ", "VENEZIA  ", "NAZIONALE  "};
}

}  // namespace fortunara

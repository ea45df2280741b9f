#include "app/windows/sestine.h"

namespace fortunara {

Sestine::Sestine(ProgramState& state, Platform& platform, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform) {
    setObjectName("Sestine");
    setWindowTitle("Fortunara 2020 vers.5.00 ");
    resize(1024, 700);
}

}  // namespace fortunara

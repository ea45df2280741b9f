#pragma once

#include <QWidget>

#include "app/core/program_state.h"
#include "platform/api/platform.h"

namespace fortunara {

// The main window, hub of the program.
class Sestine : public QWidget {
    Q_OBJECT

public:
    Sestine(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

private:
    ProgramState& state_;
    Platform& platform_;
};

}  // namespace fortunara

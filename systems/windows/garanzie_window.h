#pragma once

#include <QDialog>

#include "platform/api/platform.h"
#include "state/program_state.h"

namespace fortunara {

class Garanzie;

// The page "Garanzie" in a window of its own, over the current system of the shared state
// (TicketNumbers, TicketSize, TicketCount, SystemNumberCount): what Presenti opens with
// "GARANZIE". "COMPLETA" adds its tickets to that system, ready for "SALVA", "CONTROLLO" and
// "SCHEDINE".
class GaranzieWindow : public QDialog {
    Q_OBJECT

public:
    GaranzieWindow(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

    Garanzie* Page;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};

}  // namespace fortunara

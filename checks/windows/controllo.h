#pragma once

#include <QDialog>

#include "checks/core/win_check.h"
#include "platform/api/platform.h"
#include "state/program_state.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace fortunara {

// The win check: every ticket of the current system (TicketNumbers, TicketCount, TicketSize)
// against the draw in DrawNumbers, counted by category in the five frames, the winning tickets
// listed in List1 ("CONTROLLO"); the printed report ("STAMPA"); "RESET" clears the results. Modal.
class Controllo : public QDialog {
    Q_OBJECT

public:
    Controllo(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

private:
    void Check();
    void PrintReport();
    void Reset();
    void ShowCounts();

    ProgramState& state_;
    Platform& platform_;
    // What the five labels show, for the report.
    WinCounts shown_;

    QLabel* Label3;   // "Tre"
    QLabel* Label4;   // "Quattro"
    QLabel* Label5;   // "Cinque"
    QLabel* Label16;  // "Cinque + 1"
    QLabel* Label15;  // "Sei"
    QListWidget* List1;
    QPushButton* CommandButton2;  // "CONTROLLO"
    QPushButton* CommandButton1;  // "STAMPA"
    QPushButton* CommandButton3;  // "RESET"
    QPushButton* CommandButton4;  // "ESCI"
};

}  // namespace fortunara

#pragma once

#include "platform/api/platform.h"
#include "state/program_state.h"
#include "ui/main_window_tab.h"

class QRadioButton;
class QScrollBar;

namespace fortunara {

class AnimatedPicture;
class DataGrid;
class RangePairBox;

// Tab 0 of the main window: the archive table `grid3` with `VScroll3`, the order options, the
// archive print range `HScroll7`/`HScroll6` and the pictures "STAMPA" (the archive print) and
// "COPIA" (the selected cells).
class ArchiveTab : public MainWindowTab {
    Q_OBJECT

public:
    ArchiveTab(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

    void Load(int recordCount) override;
    void Chosen() override;
    // At the load step and after a writer: `VScroll3` moves to the record and the table fills.
    void ShowArchiveRecord(int recordCount, int record) override;

private:
    void ShowTable(int value);
    void PrintArchiveTable();
    void CopyCells();

    ProgramState& state_;
    Platform& platform_;
    DataGrid* grid3;
    QScrollBar* VScroll3;
    QRadioButton* SSOption1_0;   // "Ruote"
    QRadioButton* SSOption1_1;   // "Crescente"
    RangePairBox* print;         // HScroll7 "DAL", HScroll6 "AL"
    AnimatedPicture* Stampante;  // Animazione_Stampante(0)
    AnimatedPicture* Copia;      // Animazione_Copia(0)
};

}  // namespace fortunara

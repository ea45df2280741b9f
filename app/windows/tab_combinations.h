#pragma once

#include "app/widgets/controls.h"

namespace fortunara {

class DataGrid;

// Tab 3: how many terni, quaterne, cinquine and sestine a quantity of numbers makes (`Grid1`).
class CombinationTab : public Backdrop {
    Q_OBJECT

public:
    explicit CombinationTab(QWidget* parent = nullptr);

    // Lays out `Grid1` and fills it from the combination table.
    void Fill();
    // "+JOLLY" of row 90, read back from the row's "SESTINE" cell.
    void RecomputeLastJolly();

    DataGrid* Grid1;
};

}  // namespace fortunara

#pragma once

#include "ui/main_window_tab.h"

namespace fortunara {

class DataGrid;

// Tab 3 of the main window: how many terni, quaterne, cinquine and sestine a quantity of numbers
// makes (`Grid1`).
class CombinationTab : public MainWindowTab {
    Q_OBJECT

public:
    explicit CombinationTab(QWidget* parent = nullptr);

    // Lays out `Grid1` and fills it from the combination table.
    void Load(int recordCount) override;
    // "+JOLLY" of row 90, read back from the row's "SESTINE" cell.
    void Chosen() override;

private:
    DataGrid* Grid1;
};

}  // namespace fortunara

#pragma once

#include <functional>

#include "platform/api/platform.h"
#include "state/program_state.h"
#include "ui/main_window_tab.h"
#include "ui/window_display.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QScrollBar;

namespace fortunara {

// The windows the forecast tab opens; the composition root gives both. A test may leave one out:
// its control then has no effect.
struct ForecastOpeners {
    // "RIDOTTI": the system window, modal, with the first `quantity` forecast numbers entered;
    // returns when it is closed.
    std::function<void(QWidget* parent, int quantity)> ridotti;
    // An entry of the matrix list `List6`: the check window on that matrix, modal.
    WindowFactory presenti;
};

// Tab 5 of the main window: the forecast of the most recent numbers ("PREVISIONE") into
// `Label1(0)` and `List3`, its print ("STAMPA"), the matrix list `List6` ("SISTEMI"), the hand-over
// to the system window ("RIDOTTI") and "ESCI", which brings the outcome list back.
class ForecastTab : public MainWindowTab {
    Q_OBJECT

public:
    ForecastTab(ProgramState& state, Platform& platform, ForecastOpeners openers, QWidget* parent = nullptr);

    void Load(int recordCount) override;

private:
    void ShowOutcomeList();
    void MakeForecast();
    void PrintForecastReport();
    void HandOverToSystems();
    void BackToOutcomes();
    void ListMatrixFiles();
    void OpenCheckWindow(const QListWidgetItem& item);
    void RefuseQuantity();

    ProgramState& state_;
    Platform& platform_;
    ForecastOpeners openers_;
    QLineEdit* Textbox1;           // "NUMERI NEL SISTEMA"
    QPushButton* CommandButton11;  // "SISTEMI"
    QPushButton* CommandButton10;  // "PREVISIONE"
    QPushButton* CommandButton9;   // "STAMPA"
    QPushButton* CommandButton8;   // "RIDOTTI"
    QPushButton* CommandButton7;   // "ESCI"
    QScrollBar* HScroll5;          // base draw
    QLabel* Label55;
    QLabel* Label1_0;    // the forecast numbers
    QListWidget* List3;  // outcomes
    QListWidget* List6;  // matrix list, shown in place of List3
};

}  // namespace fortunara

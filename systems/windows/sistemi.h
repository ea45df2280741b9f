#pragma once

#include <QDialog>
#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "platform/api/platform.h"
#include "slips/core/slip_printing.h"
#include "state/program_state.h"
#include "systems/core/development.h"
#include "systems/core/sistemi_memory.h"
#include "ui/window_display.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace fortunara {

class Garanzie;
class SystemGridModel;

// The slip window on the combinations of a result grid.
using SlipWindowFactory = std::function<QWidget*(QWidget* parent, CombinationSource resultGrid)>;

// The windows the system window hands its system to; the composition root fills them (a test may
// leave one out).
struct SistemiOpeners {
    WindowFactory Controllo;     // "CONTROLLO": the win check, modal
    SlipWindowFactory Schedine;  // "SCHEDINE": the play slips on the result grid, modal
};

// The system window: the numbers of a system, its development (integral, guarantee, reduction,
// conditions) into the result grid, and its outputs. Three tabs: "Sistema", "Condizioni" and
// "Link AND". The development runs on a worker thread; the window stays responsive and
// "ANNULLA" stops the run.
class Sistemi : public QDialog {
    Q_OBJECT

public:
    Sistemi(ProgramState& state, Platform& platform, SistemiMemory& memory, SistemiOpeners openers = {},
            QWidget* parent = nullptr);
    ~Sistemi() override;

    // "RIDOTTI" of the forecast tab: the quantity into Textbox1, ForecastNumbers(i) into
    // EnteredNumbers(i) for i = 1 to quantity (0 to 90), and Label1 = quantity, CurrentMatrixName,
    // " NUMERI    :   " and each number as "00" with three blanks.
    void HandOverForecast(int quantity);

    // True while a development runs on the worker thread.
    bool Running() const { return running_; }
    SystemGridModel& GridModel() const { return *model_; }

    // Tab "Sistema".
    QTabWidget* SSTab1;
    QGroupBox* Frame4;
    QLineEdit* Textbox1;
    QPushButton* CommandButton1;  // "NUMERI"
    QGroupBox* Frame2;
    QComboBox* Combo1;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 4> OptionButton1;
    QPushButton* CommandButton11;  // "SVILUPPO"
    QPushButton* Annulla;          // "ANNULLA": stops a running development
    QProgressBar* Avanzamento;     // progress of the development
    QCheckBox* CheckBox1;          // "  STAMPA"
    QPushButton* CommandButton2;   // "CARICA"
    QPushButton* CommandButton3;   // "SALVA"
    QPushButton* CommandButton5;   // "COPIA"
    QPushButton* CommandButton7;   // "SCHEDINE"
    QPushButton* CommandButton4;   // "ESCI"
    QPushButton* CommandButton6;   // "CONTROLLO"
    QGroupBox* Frame3;
    QScrollBar* HScroll1;
    QLabel* Label2;
    QListWidget* List1;
    QLabel* Label1;
    QLabel* Label22;
    QTableView* Grid1;

    // Tab "Condizioni".
    QGroupBox* Frame5;
    QCheckBox* CheckBox5;  // "  ATTIVA CONDIZIONI"
    QGroupBox* Frame8;
    std::array<QCheckBox*, 11> checkbox2;  // "Pari"
    QGroupBox* Frame7;
    std::array<QCheckBox*, 11> CheckBox4;  // "Consecutivita'"
    QGroupBox* Frame6;
    std::array<QCheckBox*, 11> CheckBox3;  // "Interruzioni"
    QGroupBox* Frame9;
    std::array<QLineEdit*, 4> textbox2;  // "Primo :" .. "Quarto :"
    QGroupBox* Frame10;
    std::array<QLineEdit*, 4> TextBox3;  // "DA"
    std::array<QLineEdit*, 4> TextBox4;  // "A"

    // Tab "Garanzie": what the system in the grid guarantees (systems/windows/garanzie.h).
    Garanzie* TabGaranzie;

    // Tab "Link AND".
    QGroupBox* Frame12;
    QTableWidget* grid2;
    QCheckBox* CheckBox6;  // switches the group filter on and off

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QWidget* BuildSystemTab();
    QWidget* BuildConditionTab();
    QWidget* BuildLinkTab();
    void ConnectSystemTab();
    void Load();
    void SetUpGrid1();
    // Each column of Grid1 as wide as its widest content needs, never below its design width.
    void FitGrid1();
    void SetUpGrid2();

    // Handlers.
    void EnterNumbers();
    void GuaranteeChosen(int index);
    void ReductionChosen();
    void DrawChosen(int record);
    void CopySelection();
    void EnterGroupCell(int row, int column);
    void GroupSwitchClicked(bool on);
    void Develop();
    void CancelDevelopment();
    void FinishDevelopment(const SystemRequest& request, const SystemRun& run);
    void Save();
    void LoadFile();
    void OpenCheck();
    void OpenSlips();
    // "COMPLETA" of the tab "Garanzie": the added tickets join the grid and, for a development,
    // the developed combinations that "SALVA" saves.
    void AdoptTickets(const std::vector<int>& added);

    void Click();
    int SelectedOption() const;
    ConditionSettings ReadConditionSettings() const;
    void SetRunning(bool running);
    // Waits for a running development to end, asking it to stop first.
    void StopWorker();
    void ShowModalChild(const WindowFactory& factory);
    // The result grid's rows, as the slip window reads them: row r is combination r.
    CombinationSource GridCombinations() const;

    ProgramState& state_;
    Platform& platform_;
    SistemiMemory& memory_;
    SistemiOpeners openers_;
    SystemGridModel* model_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;
};

}  // namespace fortunara

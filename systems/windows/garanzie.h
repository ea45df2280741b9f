#pragma once

#include <QWidget>
#include <array>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "checks/core/record_chart.h"
#include "platform/api/platform.h"
#include "state/program_state.h"
#include "systems/core/guarantee_subject.h"
#include "systems/core/system_certificate.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace fortunara {

class DataGrid;
class RangePairBox;
struct Completion;
struct Holes;

// The page "Garanzie" of the system window and of Presenti: what the current system is sure to
// win, case by case; its chances in one draw beside as many tickets at random, and its cost; the
// cases a chosen guarantee misses and the tickets that mend them ("COMPLETA"); its record over a
// range of the archive with its cost and, where prizes are set, its returns. Long work runs on a
// worker thread with progress and "ANNULLA".
class Garanzie : public QWidget {
    Q_OBJECT

public:
    Garanzie(ProgramState& state, Platform& platform, GuaranteeHooks hooks, QWidget* parent = nullptr);
    ~Garanzie() override;

    // The archive's records for the range bars (the holding window's load step).
    void Load(int recordCount);
    bool Running() const { return running_; }
    // Waits for running work, asking it to stop.
    void Stop();

    QTabWidget* Schede;    // its three pages
    QPushButton* Calcola;  // "CALCOLA": the certificate
    QPushButton* Annulla;  // "ANNULLA"
    QProgressBar* Avanzamento;
    QLabel* Promesse;       // one promise per count drawn
    DataGrid* Certificato;  // per count drawn: the guarantee and the share of each best category
    DataGrid* Vincenti;     // per count drawn: the average winning tickets per category
    DataGrid* Probabilita;  // per category: the system's chance in one draw and the random tickets'
    QLineEdit* Prezzo;      // the price of a ticket of six
    QLabel* Costo;
    QLabel* Avviso;      // no system changes the odds of a ticket
    QComboBox* Escono;   // m: how many of the N numbers are drawn
    QComboBox* Almeno;   // t: how many of them one ticket must hold
    QPushButton* Buchi;  // "BUCHI"
    QLabel* ContoBuchi;
    QListWidget* ListaBuchi;
    QPushButton* Completa;             // "COMPLETA"
    RangePairBox* Intervallo;          // the draws of the record
    std::array<QLineEdit*, 5> Premio;  // prizes: terno, quaterna, cinquina, cinque + 1, sestina
    QPushButton* Resoconto;            // "RESOCONTO"
    QPushButton* GraficoResoconto;     // "GRAFICO": the record as a chart, draw by draw
    DataGrid* Storico;                 // the winning draws of the range
    QLabel* Bilancio;

private:
    QWidget* BuildCertificateBox();
    QWidget* BuildHolesBox();
    QWidget* BuildRecordBox();
    void ComputeCertificate();
    void ShowCertificate(const Certificate& certificate, int ticketSize);
    void ShowCost();
    // The guarantee chosen with "SE ESCONO" and "ALMENO" over the current system; none when it
    // cannot be looked at (said) or the user does not want to wait.
    struct Choice;
    std::optional<Choice> ChosenGuarantee();
    void FindHolesOfGuarantee();
    void ShowHoles(const Holes& holes, const std::vector<int>& chosen);
    void CompleteGuarantee();
    void FinishCompletion(const Completion& completion, const std::vector<int>& chosen);
    void DrawnChosen();
    void ShowRecord();
    // The record of the range in the grid and under it; none when it cannot be made (said).
    std::optional<RecordHistory> RecordOfRange();
    void ShowRecordChart();
    // Runs `work` on the worker thread; `done` on the window's thread when it ends, unless stopped.
    void RunWork(std::function<std::function<void()>(const std::function<bool(double)>& progress)> work);
    void SetRunning(bool running);
    // Asks before work that would last more than about a minute; true to go on.
    bool Confirm(const std::string& question);
    void Warn(const std::string& message);

    struct Choice {
        GuaranteeSubject subject;
        PositionSystem system;
        int drawn = 0;
        int atLeast = 0;
    };

    ProgramState& state_;
    Platform& platform_;
    GuaranteeHooks hooks_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;
    int ticketSize_ = 6;
    int tickets_ = 0;
};

}  // namespace fortunara

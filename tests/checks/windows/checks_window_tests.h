#pragma once

#include <QObject>

namespace fortunara::test {

// Presenti opened from Archivio and from the main window's matrix list on the bundled library, and
// on its own: the typed system, the forecast system, loading, saving and printing.
class PresentiTest : public QObject {
    Q_OBJECT

private slots:
    void opensFromArchivioAndAppliesTheMatrixToTypedNumbers();
    void opensFromTheMatrixListWithTheForecastNumbers();
    void forecastWithTooFewNumbersIsSaid();
    void loadPrintSaveAndTheStopOfSistema();
    void damagedFilesAreSaidAndNeverSavedOver();
    void loadShowsTheLoadedSystem();
};

// Controllo on a system set in the shared state.
class ControlloTest : public QObject {
    Q_OBJECT

private slots:
    void checkListsAndCountsUntilReset();
    void reportPrintsWhatTheLabelsShow();
};

}  // namespace fortunara::test

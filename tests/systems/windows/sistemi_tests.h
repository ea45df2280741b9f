#pragma once

#include <QObject>

namespace fortunara::test {

// Number entry, small controls, the draw, the copy and the groups of "Link AND".
class SistemiEntryTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasItsNameAndCaption();
    void loadChoosesTheNewestDraw();
    void numbersAreEnteredInOrder();
    void anAnswerOutsideTheBoardIsAskedAgain();
    void anEmptyAnswerKeepsTheLaterNumbers();
    void aGuaranteeClearsTheReductionOptions();
    void copyPutsTheSelectionOnTheClipboard();
    void groupCellsTakeNumbersUpToNinety();
    void ridottiHandsOverTheNumbers();
    void mainWindowLauncherMakesTheSystemWindow();
};

// "SVILUPPO": the grid, the shared state, the report, the stops.
class SistemiDevelopmentTest : public QObject {
    Q_OBJECT

private slots:
    void integralOfTenFillsTheGrid();
    void guaranteesAndReductionsCount_data();
    void guaranteesAndReductionsCount();
    void reportOfTenPrintsThreeCombinationsPerLine();
    void tooFewNumbersOnlySaySo();
    void overflowStopsAtTheCapacity();
    void cancelKeepsThePreviousCounts();
    void conditionsAndGroupsFilter();
};

// "SALVA", "CARICA", "CONTROLLO", "SCHEDINE".
class SistemiOutputTest : public QObject {
    Q_OBJECT

private slots:
    void savedTernoBecomesAMatrixOfTheLibrary();
    void fullIndexOffersThePlayedSystem();
    void integralSavedAsPlayedSystem();
    void cancelledSaveDialogWritesNothing();
    void loadFillsTheGridAndTheList();
    void loadOfAFileTooLongSaysWhereItStopped();
    void saveAfterLoadSavesTheDevelopment();
    void checkAndSlipsReceiveTheSystem();
    void checkRightAfterDevelopmentGetsSixNumbersPerTicket();
    void optimizedSystemIsTheCurrentOneAndAMatrix();
};

// The page "Garanzie", on its own window over the current system and as a tab of Sistemi.
class GaranzieTest : public QObject {
    Q_OBJECT

private slots:
    void certificateHolesAndCompletion();
    void recordOfOneTicketCountedByHand();
    void recordChartOfOneTicket();
    void completionJoinsTheDevelopment();
};

}  // namespace fortunara::test

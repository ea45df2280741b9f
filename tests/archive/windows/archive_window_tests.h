#pragma once

#include <QObject>

namespace fortunara::test {

// Tab 6 of the main window and its prompt FORM18: the entry, the save, the conversion.
class UpkeepTabTest : public QObject {
    Q_OBJECT

private slots:
    void entryAskedAgainThenSaved();
    void entryStopsOnZeroCancelAndClose();
    void entryKeptWhileTheTableScrolls();
    void knownDateReplacedOrAppended_data();
    void knownDateReplacedOrAppended();
    void badDateOrNumbersWriteNothing();
    void busyArchiveWritesNothing();
    void conversionFromTheProgramFolder();
};

// The web import window Browser.
class BrowserTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAndTheirTexts();
    void pastedRowConvertedAndAppended();
    void rowsOfTheWrongLengthAreRefused_data();
    void rowsOfTheWrongLengthAreRefused();
    void twoRowsAreRefused();
    void resultsPageAddressIsRemembered();
};

// The download window Form45 against a real HTTP server.
class Form45Test : public QObject {
    Q_OBJECT

private slots:
    void goodArchiveReplacesTheOldOne();
    void failedDownloadsLeaveTheArchiveAsItWas_data();
    void failedDownloadsLeaveTheArchiveAsItWas();
    void emptyAddressAndTheOtherButtons();
};

}  // namespace fortunara::test

#pragma once

#include <QObject>

namespace fortunara::test {

class SearchTabTest : public QObject {
    Q_OBJECT

private slots:
    void boardMarksAndClears();
    void searchOnSmallArchive_data();
    void searchOnSmallArchive();
    void searchOnTheBundledArchive_data();
    void searchOnTheBundledArchive();
    void moreHitsThanTheListHolds();
    void largeFiguresLeaveTheTabAsItWas();
    void searchReportAfterSearchAndForecast();
    void archivePrint_data();
    void archivePrint();
    void archivePrintOfTheBundledArchive();
};

class StatisticsForecastTest : public QObject {
    Q_OBJECT

private slots:
    void tablesOfOneDraw();
    void tablesOnTheBundledArchive_data();
    void tablesOnTheBundledArchive();
    void forecastShowsAndPrints();
    void forecastOnTheBundledArchive();
    void shortenedForecastHandsOverOnlyItsNumbers();
    void quantityOutsideTheLists();
    void ridottiHandsOverTheForecast();
    void esciBringsBackTheOutcomes();
    void unreadableArchiveIsReported();
};

class MatrixListTest : public QObject {
    Q_OBJECT

private slots:
    void sistemiListsThenRidottiAndEsci();
    void unreadableIndexIsReported();
    void indexCutShortIsListedAndReported();
    void itemOpensTheCheckWindow();
    void itemWithoutCheckWindowLeavesNoSelection();
};

}  // namespace fortunara::test

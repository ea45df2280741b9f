#include "statistics/windows/print_pictures.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include "app/state/click_sound.h"
#include "app/widgets/animated_picture.h"
#include "app/windows/sestine.h"
#include "app/windows/tab_archive.h"
#include "app/windows/tab_search.h"
#include "statistics/core/archive_reports.h"
#include "statistics/windows/statistics_messages.h"

namespace fortunara {

namespace {

void PrintArchiveTable(Sestine& window) {
    const ArchiveTab& tab = window.Archive();
    ProgramState& state = window.State();
    Platform& platform = window.PlatformBundle();
    const ScanRange range{tab.HScroll7->value(), tab.HScroll6->value()};
    const ArchivePrintResult result =
        PrintArchive(platform.printer, state.programFolder, range, tab.SSOption1_0->isChecked());
    StoreArchivePrint(result, range, state);
    ReportReadError(platform.dialogs, result.error);
}

void PrintSearch(Sestine& window, const SearchSummary& summary) {
    const SearchTab& tab = window.Search();
    const SearchReportInput input =
        SearchReportFrom(window.State(), summary, tab.Label32->text().toStdString(), tab.Label33->text().toStdString());
    PrintSearchReport(window.PlatformBundle().printer, input);
}

void Print(Sestine& window, const SearchSummary& summary) {
    PlayClickSound(window.State(), window.PlatformBundle().sounds, ClickCommands::OpenPlaySound);
    if (window.Tabella()->currentIndex() == 0) {
        PrintArchiveTable(window);
    } else {
        PrintSearch(window, summary);
    }
}

}  // namespace

void ConnectPrintPictures(Sestine& window, const SearchSummary& summary) {
    for (AnimatedPicture* printer : {window.Archive().Stampante, window.Search().Stampante}) {
        QObject::connect(printer, &AnimatedPicture::clicked, printer, [&window, &summary] { Print(window, summary); });
    }
}

}  // namespace fortunara

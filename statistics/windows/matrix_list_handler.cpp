#include "statistics/windows/matrix_list_handler.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/state/click_sound.h"
#include "app/windows/sestine.h"
#include "app/windows/tab_forecast.h"
#include "matrices/core/matrix_list.h"
#include "statistics/core/forecast.h"
#include "statistics/windows/statistics_messages.h"

namespace fortunara {

namespace {

// TicketNumbers starts empty, indices 0 to 6000, for the matrix the check window loads.
constexpr std::size_t kTicketNumbersSize = 6001;

// Each item keeps its own file name: MatrixFiles is shared with the matrix window, whose listing
// may have overwritten it while this list stayed on screen.
constexpr int kFileNameRole = Qt::UserRole;

void ListMatrixFiles(Sestine& window) {
    ForecastTab& tab = window.Forecast();
    ProgramState& state = window.State();
    Platform& platform = window.PlatformBundle();
    tab.List6->show();
    tab.List3->hide();
    PlayClickSound(state, platform.sounds);
    tab.CommandButton7->setEnabled(true);
    tab.CommandButton8->setEnabled(true);
    tab.List6->clear();
    state.TicketNumbers.assign(kTicketNumbersSize, 0);

    // A quantity no list can hold has no matrices.
    const Quantity quantity = ReadQuantity(tab.Textbox1->text().toStdString());
    const MatrixList list = ListMatrices(state.programFolder, quantity.valid ? quantity.value : 0);
    for (std::size_t k = 0; k < list.entries.size() && k < state.MatrixFiles.size(); ++k) {
        const MatrixListEntry& entry = list.entries[k];
        state.MatrixFiles[k] = entry.fileName;
        auto* item = new QListWidgetItem(QString::fromStdString(entry.listText), tab.List6);
        item->setData(kFileNameRole, QString::fromStdString(entry.fileName));
    }
    ReportReadError(platform.dialogs, list.error);
}

void OpenCheckWindow(Sestine& window, const QListWidgetItem& item) {
    ProgramState& state = window.State();
    state.SelectedMatrixFile = item.data(kFileNameRole).toString().toStdString();
    state.OpenedFromList = 1;
    window.OpenWindow(LaunchedWindow::Presenti);
    state.SelectedMatrixFile.clear();
    state.OpenedFromList = 0;
}

}  // namespace

void ConnectMatrixList(Sestine& window) {
    ForecastTab& tab = window.Forecast();
    QObject::connect(tab.CommandButton11, &QPushButton::clicked, &tab, [&window] { ListMatrixFiles(window); });
    QObject::connect(tab.List6, &QListWidget::itemClicked, &tab,
                     [&window](QListWidgetItem* item) { OpenCheckWindow(window, *item); });
}

}  // namespace fortunara

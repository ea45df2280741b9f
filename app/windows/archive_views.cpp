#include "app/windows/archive_views.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

#include "app/core/archive_table.h"
#include "app/state/click_sound.h"
#include "app/widgets/clip_text.h"
#include "app/widgets/animated_picture.h"
#include "app/widgets/data_grid.h"
#include "app/windows/tab_archive.h"
#include "app/windows/tab_maintenance.h"
#include "app/windows/tab_search.h"

namespace fortunara {

namespace {

void CopyDrawNumbers(ProgramState& state, const std::array<int, 9>& numbers) {
    for (std::size_t i = 1; i <= 8; ++i) state.DrawNumbers[i] = numbers[i];
}

void ShowArchiveTable(ArchiveTab& tab, ProgramState& state, int value) {
    const ArchiveOrder order = tab.SSOption1_0->isChecked() ? ArchiveOrder::Wheels : ArchiveOrder::Ascending;
    const ArchiveRow headers = ArchiveHeaders(order);
    for (int c = 1; c < kArchiveTableColumns; ++c) tab.grid3->SetText(0, c, headers[static_cast<std::size_t>(c)]);
    const ArchiveTableFill fill = FillArchiveTable(state.programFolder, value, order);
    state.RecordCount = fill.recordCount;
    state.RangeFrom = fill.span.from;
    state.RangeTo = fill.span.to;
    // Rows below the last draw shown keep what they showed before.
    for (std::size_t r = 0; r < fill.rows.size(); ++r) {
        for (int c = 0; c < kArchiveTableColumns; ++c) {
            tab.grid3->SetText(static_cast<int>(r) + 1, c, fill.rows[r][static_cast<std::size_t>(c)]);
        }
    }
    if (fill.anyDrawRead) CopyDrawNumbers(state, fill.lastDrawShown);
}

void ShowSingleDraw(MaintenanceTab& tab, ProgramState& state, int value) {
    const SingleDrawView view = ShowOneDraw(state.programFolder, value);
    state.RecordCount = view.recordCount;
    if (!view.shown) return;
    CopyDrawNumbers(state, view.numbers);
    tab.textbox2->setText(QString::fromStdString(view.date));
    for (int c = 0; c < kArchiveTableColumns; ++c) tab.Grid5->SetText(1, c, view.row[static_cast<std::size_t>(c)]);
}

std::vector<std::string> SelectedEntriesInListOrder(const QListWidget& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i)->isSelected()) entries.push_back(list.item(i)->text().toStdString());
    }
    return entries;
}

}  // namespace

void ConnectArchiveViews(ArchiveTab& archive, MaintenanceTab& maintenance, ProgramState& state, Platform& platform) {
    QObject::connect(archive.VScroll3, &QScrollBar::valueChanged, &archive,
                     [&archive, &state](int value) { ShowArchiveTable(archive, state, value); });
    // Choosing an order refills the table where it stands.
    for (QRadioButton* option : {archive.SSOption1_0, archive.SSOption1_1}) {
        QObject::connect(option, &QRadioButton::clicked, &archive, [&archive, &state, &platform] {
            PlayClickSound(state, platform.sounds, ClickCommands::SoundOnly);
            ShowArchiveTable(archive, state, archive.VScroll3->value());
        });
    }
    QObject::connect(maintenance.VScroll1, &QScrollBar::valueChanged, &maintenance,
                     [&maintenance, &state](int value) { ShowSingleDraw(maintenance, state, value); });
}

void ConnectCopyPictures(ArchiveTab& archive, SearchTab& search, ProgramState& state, Platform& platform) {
    for (AnimatedPicture* copy : {archive.Copia, search.Copia}) {
        QObject::connect(copy, &AnimatedPicture::pressed, copy, [&platform] { platform.clipboard.Clear(); });
    }
    QObject::connect(archive.Copia, &AnimatedPicture::released, &archive, [&archive, &state, &platform] {
        PlayClickSound(state, platform.sounds, ClickCommands::OpenPlay);
        platform.clipboard.SetText(GridClipText(archive.grid3->SelectedCells()));
    });
    QObject::connect(search.Copia, &AnimatedPicture::released, &search, [&search, &state, &platform] {
        PlayClickSound(state, platform.sounds, ClickCommands::OpenPlay);
        const std::string text = SearchListClipText(SelectedEntriesInListOrder(*search.List1_1));
        // Without a selected hit the clipboard stays as the press left it: empty.
        if (!text.empty()) platform.clipboard.SetText(text);
    });
}

}  // namespace fortunara

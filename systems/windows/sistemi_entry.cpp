// The small controls of the tab "Sistema": numbers, guarantee, reduction, draw, copy, exit.
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

#include "platform/text/number_text.h"
#include "state/clip_text.h"
#include "systems/core/sistemi_run.h"
#include "systems/windows/sistemi.h"
#include "systems/windows/system_grid_model.h"

namespace fortunara {

void Sistemi::ConnectSystemTab() {
    connect(CommandButton1, &QPushButton::clicked, this, &Sistemi::EnterNumbers);
    connect(Combo1, &QComboBox::activated, this, &Sistemi::GuaranteeChosen);
    for (QRadioButton* option : OptionButton1) connect(option, &QRadioButton::clicked, this, &Sistemi::ReductionChosen);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Sistemi::DrawChosen);
    connect(CommandButton5, &QPushButton::pressed, this, [this] { platform_.clipboard.Clear(); });
    connect(CommandButton5, &QPushButton::clicked, this, &Sistemi::CopySelection);
    connect(CommandButton4, &QPushButton::clicked, this, [this] {
        Click();
        close();
    });
    connect(CommandButton11, &QPushButton::clicked, this, &Sistemi::Develop);
    connect(Annulla, &QPushButton::clicked, this, &Sistemi::CancelDevelopment);
    connect(CommandButton3, &QPushButton::clicked, this, &Sistemi::Save);
    connect(CommandButton2, &QPushButton::clicked, this, &Sistemi::LoadFile);
    connect(CommandButton6, &QPushButton::clicked, this, &Sistemi::OpenCheck);
    connect(CommandButton7, &QPushButton::clicked, this, &Sistemi::OpenSlips);
}

void Sistemi::EnterNumbers() {
    Click();
    std::string label = state_.CurrentMatrixName + " NUMERI    :   ";
    Label1->setText(QString::fromStdString(label));
    const int n = NumericValue(Textbox1->text().toStdString());
    // EnteredNumbers holds 90 entries: a larger quantity asks for 90 numbers at most.
    for (int i = 1; i <= std::min(n, 90); ++i) {
        const std::string title = "INSERISCI IL " + TextForm(i) + "' NUMERO ! ";
        std::string answer;
        int value = 0;
        do {
            answer = platform_.dialogs.Input("", title, "");
            value = NumericValue(answer);
        } while (value < 0 || value > 90);
        if (answer.empty()) break;
        state_.EnteredNumbers[static_cast<std::size_t>(i)] = value;
        label += answer + "   ";
        Label1->setText(QString::fromStdString(label));
    }
}

void Sistemi::GuaranteeChosen(int index) {
    state_.GuaranteeMode = index + 1;
    if (index == 0) return;
    // Radio buttons of one parent keep one ticked; to clear all four the group lets go for a moment.
    for (QRadioButton* option : OptionButton1) option->setAutoExclusive(false);
    for (QRadioButton* option : OptionButton1) option->setChecked(false);
    for (QRadioButton* option : OptionButton1) option->setAutoExclusive(true);
}

void Sistemi::ReductionChosen() {
    state_.GuaranteeMode = 1;
}

int Sistemi::SelectedOption() const {
    for (int i = 0; i < 4; ++i) {
        if (OptionButton1[static_cast<std::size_t>(i)]->isChecked()) return i;
    }
    return -1;
}

void Sistemi::DrawChosen(int record) {
    Label2->setText(QString::fromStdString(ChooseCheckDraw(state_, record)));
}

void Sistemi::CopySelection() {
    Click();
    std::vector<std::vector<std::string>> cells;
    const QItemSelection selection = Grid1->selectionModel()->selection();
    if (!selection.isEmpty()) {
        const QItemSelectionRange& range = selection.first();
        for (int r = range.top(); r <= range.bottom(); ++r) {
            std::vector<std::string>& row = cells.emplace_back();
            for (int c = range.left(); c <= range.right(); ++c) row.push_back(model_->CellText(r + 1, c).toStdString());
        }
    } else if (const QModelIndex current = Grid1->currentIndex(); current.isValid()) {
        cells.push_back({model_->CellText(current.row() + 1, current.column()).toStdString()});
    }
    platform_.clipboard.SetText(GridClipText(cells));
}

}  // namespace fortunara

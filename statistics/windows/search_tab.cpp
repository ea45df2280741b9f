#include "statistics/windows/search_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "archive/core/draw_record.h"
#include "ui/animated_picture.h"
#include "ui/look.h"
#include "ui/number_board.h"
#include "ui/range_pair_box.h"

namespace fortunara {

namespace {

const char* const kKinds[6] = {"-- Singolo", "-- Ambo", "-- Terno", "-- Quaterna", "-- Cinquina", "-- Sestina"};
const char* const kPositions[9] = {"", "1°", "2°", "3°", "4°", "5°", "6°", "Jolly", "Star"};

// The widest figure a box shows: the largest delay of an archive, a frequency of up to as many
// combinations, in text form.
const QString kWidestFigure = " 2147483647";

QLabel* ResultValue(QWidget* parent, const QString& name) {
    QLabel* value = MakeLabel(parent, name);
    value->setFont(GridFont());
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A fixed size, room for the widest figure: a result of any size leaves the tab as it was.
    value->setText(kWidestFigure);
    value->setFixedSize(value->sizeHint());
    value->clear();
    return value;
}

}  // namespace

SearchTab::SearchTab(ProgramState& state, Platform& platform, QWidget* parent)
    : MainWindowTab(1, parent), state_(state), platform_(platform) {
    board = new NumberBoard(this);
    Command2 = MakeButton(this, "Command2", "Cancella i numeri della ricerca");
    auto* boardColumn = new QVBoxLayout;
    boardColumn->addWidget(MakeCaption(this, "NUMERI DA CERCARE"));
    boardColumn->addWidget(board, 1);
    boardColumn->addWidget(Command2);

    auto* kinds = new QGroupBox("SORTE", this);
    auto* kindsLayout = new QGridLayout(kinds);
    kindsLayout->setVerticalSpacing(2);
    for (int i = 0; i < 6; ++i) {
        Option1[static_cast<std::size_t>(i)] = MakeOption(kinds, QString("Option1(%1)").arg(i), QString());
        kindsLayout->addWidget(Option1[static_cast<std::size_t>(i)], i, 0);
        kindsLayout->addWidget(new QLabel(kKinds[i], kinds), i, 1);
    }
    Option1[0]->setChecked(true);
    kindsLayout->setColumnStretch(1, 1);

    auto* results = new QGroupBox("RISULTATI", this);
    auto* resultsLayout = new QGridLayout(results);
    Label20 = ResultValue(results, "Label20");
    Label21 = ResultValue(results, "Label21");
    Label22 = ResultValue(results, "Label22");
    resultsLayout->addWidget(MakeCaption(results, "RITARDO"), 0, 0);
    resultsLayout->addWidget(Label20, 0, 1);
    resultsLayout->addWidget(MakeCaption(results, "RIT. MAX"), 1, 0);
    resultsLayout->addWidget(Label21, 1, 1);
    resultsLayout->addWidget(MakeCaption(results, "FREQUENZA"), 2, 0);
    resultsLayout->addWidget(Label22, 2, 1);

    Cerca = MakePicture(this, PictureKind::Cerca, "Animazione_Cerca", "CERCA");
    Stampante = MakePicture(this, PictureKind::Stampante, "Animazione_Stampante(1)", "STAMPA");
    Copia = MakePicture(this, PictureKind::Copia, "Animazione_Copia(1)", "COPIA");
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(Cerca);
    pictures->addWidget(Stampante);
    pictures->addWidget(Copia);

    auto* middle = new QVBoxLayout;
    middle->addWidget(kinds);
    middle->addWidget(results);
    middle->addStretch();
    middle->addLayout(pictures);

    List1_1 = MakeList(this, "List1(1)");
    List1_1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List1_1->setMinimumWidth(300);
    List1_0 = MakeList(this, "List1(0)");
    List1_0->setSortingEnabled(true);
    List1_0->hide();
    auto* hits = new QVBoxLayout;
    hits->addWidget(MakeCaption(this, "ESTRAZIONI TROVATE"));
    hits->addWidget(List1_1, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(boardColumn, 3);
    top->addSpacing(8);
    top->addLayout(middle, 0);
    top->addSpacing(8);
    top->addLayout(hits, 3);

    auto* positions = new QGroupBox("POSIZIONI", this);
    auto* positionsLayout = new QHBoxLayout(positions);
    for (int i = 1; i <= 8; ++i) {
        Check2[static_cast<std::size_t>(i)] =
            MakeCheckBox(positions, QString("Check2(%1)").arg(i), QString::fromUtf8(kPositions[i]), i <= 6);
        positionsLayout->addWidget(Check2[static_cast<std::size_t>(i)]);
    }
    auto* months = new QGroupBox("MESI", this);
    auto* monthsLayout = new QHBoxLayout(months);
    for (int i = 0; i < 12; ++i) {
        const std::string_view month = kMonthCodes[static_cast<std::size_t>(i)];
        Check3[static_cast<std::size_t>(i)] =
            MakeCheckBox(months, QString("Check3(%1)").arg(i),
                         QString::fromLatin1(month.data(), static_cast<qsizetype>(month.size())), true);
        monthsLayout->addWidget(Check3[static_cast<std::size_t>(i)]);
    }

    range = new RangePairBox("ESTRAZIONI ESAMINATE", {"HScroll2", "Label32", "HScroll1", "Label33", "Label38"}, state_,
                             this);

    auto* filters = new QHBoxLayout;
    filters->addWidget(positions);
    filters->addWidget(months, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addLayout(top, 1);
    layout->addLayout(filters);
    layout->addWidget(range);

    AddPicture(Cerca, true);
    AddPicture(Stampante);
    AddPicture(Copia);
    connect(board, &NumberBoard::numberPressed, this, &SearchTab::ToggleNumber);
    connect(Command2, &QPushButton::clicked, this, &SearchTab::ClearBoard);
    connect(Cerca, &AnimatedPicture::released, this, &SearchTab::Search);
    connect(Stampante, &AnimatedPicture::clicked, this, &SearchTab::PrintReport);
    connect(Copia, &AnimatedPicture::pressed, this, [this] { platform_.clipboard.Clear(); });
    connect(Copia, &AnimatedPicture::released, this, &SearchTab::CopyHits);
}

}  // namespace fortunara

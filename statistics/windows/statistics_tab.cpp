#include "statistics/windows/statistics_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/data_grid.h"
#include "ui/look.h"
#include "ui/range_pair_box.h"

namespace fortunara {

namespace {

const char* const kPositions[9] = {"0", "1°", "2°", "3°", "4°", "5°", "6°", "Jolly", "Star"};

}  // namespace

StatisticsTab::StatisticsTab(ProgramState& state, Platform& platform, QWidget* parent)
    : MainWindowTab(2, parent), state_(state), platform_(platform) {
    Titolo = MakeLabel(this, "Titolo");
    Titolo->setFont(CaptionFont(11));
    grid2 = new DataGrid("grid2", this);
    auto* table = new QVBoxLayout;
    table->addWidget(Titolo);
    table->addWidget(grid2, 1);

    auto* tables = new QGroupBox("TABELLE", this);
    CommandButton12 = MakeButton(tables, "CommandButton12", "90 NUMERI");
    CommandButton2 = MakeButton(tables, "CommandButton2", "PARI E DISPARI");
    CommandButton3 = MakeButton(tables, "CommandButton3", "SOMMA");
    CommandButton4 = MakeButton(tables, "CommandButton4", "INTERRUZIONI");
    CommandGrafico = MakeButton(tables, "CommandGrafico", "GRAFICO");
    CommandGrafico->setToolTip("Il grafico della tabella accanto a quello che darebbe il caso");
    auto* tablesLayout = new QGridLayout(tables);
    tablesLayout->addWidget(CommandButton12, 0, 0);
    tablesLayout->addWidget(CommandButton2, 0, 1);
    tablesLayout->addWidget(CommandButton3, 1, 0);
    tablesLayout->addWidget(CommandButton4, 1, 1);
    tablesLayout->addWidget(CommandGrafico, 2, 0, 1, 2);

    auto* positions = new QGroupBox("POSIZIONI", this);
    auto* positionsLayout = new QGridLayout(positions);
    for (int i = 0; i <= 8; ++i) {
        QCheckBox* box =
            MakeCheckBox(positions, QString("Check3d3(%1)").arg(i), QString::fromUtf8(kPositions[i]), i <= 6);
        Check3d3[static_cast<std::size_t>(i)] = box;
        // Box 0 takes part in nothing; it is kept, ticked, out of sight.
        if (i == 0) {
            box->hide();
            continue;
        }
        positionsLayout->addWidget(box, (i - 1) / 4, (i - 1) % 4);
    }

    range = new RangePairBox("ESTRAZIONI ESAMINATE", {"HScroll3", "Label23", "HScroll4", "Label30", "Label31"}, state_,
                             this);

    // Two lists of the tab that no table uses yet; they stay out of sight until one does.
    List2 = MakeList(this, "List2");
    List2->hide();
    List1_2 = MakeList(this, "List1(2)");
    List1_2->hide();

    auto* side = new QVBoxLayout;
    side->addWidget(tables);
    side->addWidget(positions);
    side->addWidget(range);
    side->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->addLayout(table, 1);
    layout->addSpacing(10);
    layout->addLayout(side);

    connect(CommandButton12, &QPushButton::clicked, this, &StatisticsTab::ShowDelays);
    connect(CommandGrafico, &QPushButton::clicked, this, &StatisticsTab::OpenChart);
    const std::array<std::pair<QPushButton*, DistributionKind>, 3> distributions = {{
        {CommandButton2, DistributionKind::Parity},
        {CommandButton3, DistributionKind::Sum},
        {CommandButton4, DistributionKind::Interruptions},
    }};
    for (const auto& [button, kind] : distributions) {
        connect(button, &QPushButton::clicked, this, [this, kind = kind] { ShowDistribution(kind); });
    }
}

}  // namespace fortunara

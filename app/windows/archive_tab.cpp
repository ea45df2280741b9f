#include "app/windows/archive_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "state/click_sound.h"
#include "ui/animated_picture.h"
#include "ui/data_grid.h"
#include "ui/range_pair_box.h"

namespace fortunara {

ArchiveTab::ArchiveTab(ProgramState& state, Platform& platform, QWidget* parent)
    : MainWindowTab(0, parent), state_(state), platform_(platform) {
    grid3 = new DataGrid("grid3", this);
    // The 23 rows share the height of the tab.
    grid3->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid3->setToolTip("Seleziona le celle e premi COPIA per portarle negli appunti");
    VScroll3 = MakeScrollBar(this, "VScroll3", Qt::Vertical);
    // The newest draw is at the top of the table, so the bar's top is its maximum.
    VScroll3->setInvertedAppearance(true);
    VScroll3->setInvertedControls(true);
    VScroll3->setToolTip("Scorri l'archivio delle estrazioni");

    auto* order = new QGroupBox("ORDINE ESTRATTI", this);
    SSOption1_0 = MakeOption(order, "SSOption1(0)", "Ruote");
    SSOption1_1 = MakeOption(order, "SSOption1(1)", "Crescente");
    SSOption1_1->setChecked(true);
    auto* orderLayout = new QVBoxLayout(order);
    orderLayout->addWidget(SSOption1_0);
    orderLayout->addWidget(SSOption1_1);

    print = new RangePairBox("STAMPA ARCHIVIO", {"HScroll7", "Label4", "HScroll6", "Label9", ""}, state_, this);

    Stampante = MakePicture(this, PictureKind::Stampante, "Animazione_Stampante(0)", "STAMPA");
    Copia = MakePicture(this, PictureKind::Copia, "Animazione_Copia(0)", "COPIA");
    auto* pictures = new QHBoxLayout;
    pictures->addStretch();
    pictures->addWidget(Stampante);
    pictures->addSpacing(18);
    pictures->addWidget(Copia);
    pictures->addStretch();

    auto* side = new QVBoxLayout;
    side->addWidget(order);
    side->addSpacing(8);
    side->addWidget(print);
    side->addSpacing(24);
    side->addLayout(pictures);
    side->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(grid3, 1);
    layout->addWidget(VScroll3);
    layout->addSpacing(12);
    layout->addLayout(side);

    AddPicture(Stampante);
    AddPicture(Copia);
    connect(VScroll3, &QScrollBar::valueChanged, this, &ArchiveTab::ShowTable);
    // Choosing an order refills the table where it stands.
    for (QRadioButton* option : {SSOption1_0, SSOption1_1}) {
        connect(option, &QRadioButton::clicked, this, [this] {
            PlayClickSound(state_, platform_.sounds, ClickCommands::SoundOnly);
            ShowTable(VScroll3->value());
        });
    }
    connect(Stampante, &AnimatedPicture::clicked, this, &ArchiveTab::PrintArchiveTable);
    connect(Copia, &AnimatedPicture::pressed, this, [this] { platform_.clipboard.Clear(); });
    connect(Copia, &AnimatedPicture::released, this, &ArchiveTab::CopyCells);
}

}  // namespace fortunara

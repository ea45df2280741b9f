#include "app/windows/tab_archive.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/widgets/animated_picture.h"
#include "app/widgets/data_grid.h"

namespace fortunara {

ArchiveTab::ArchiveTab(QWidget* parent) : Backdrop("SfondoTab(0)", parent) {
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

    auto* print = new QGroupBox("STAMPA ARCHIVIO", this);
    Label4 = MakeLabel(print, "Label4");
    HScroll7 = MakeScrollBar(print, "HScroll7", Qt::Horizontal);
    Label9 = MakeLabel(print, "Label9");
    HScroll6 = MakeScrollBar(print, "HScroll6", Qt::Horizontal);
    auto* printLayout = new QVBoxLayout(print);
    printLayout->addWidget(Label4);
    printLayout->addWidget(HScroll7);
    printLayout->addSpacing(6);
    printLayout->addWidget(Label9);
    printLayout->addWidget(HScroll6);

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
}

}  // namespace fortunara

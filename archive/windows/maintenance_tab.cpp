#include "archive/windows/maintenance_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "state/click_sound.h"
#include "ui/animated_picture.h"
#include "ui/data_grid.h"
#include "ui/look.h"

namespace fortunara {

MaintenanceTab::MaintenanceTab(ProgramState& state, Platform& platform, QWidget* parent)
    : MainWindowTab(6, parent), state_(state), platform_(platform) {
    auto* draw = new QGroupBox("ESTRAZIONE", this);
    Grid5 = new DataGrid("Grid5", draw);
    Grid5->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid5->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid5->setFixedHeight(62);
    VScroll1 = MakeScrollBar(draw, "VScroll1", Qt::Vertical);
    VScroll1->setInvertedAppearance(true);
    VScroll1->setInvertedControls(true);
    VScroll1->setFixedHeight(62);
    VScroll1->setToolTip("Scorri l'archivio: un'estrazione alla volta");
    textbox2 = new QLineEdit(draw);
    textbox2->setObjectName("textbox2");
    textbox2->setFont(GridFont());
    textbox2->setMaxLength(9);
    textbox2->setFixedWidth(120);
    textbox2->setToolTip("La data dell'estrazione da salvare, per esempio 12GEN2010");
    Nuova = MakePicture(draw, PictureKind::Nuova, "Animazione_Nuova", "NUOVA ESTRAZIONE");
    Nuova->setToolTip("Inserisci gli otto numeri di una nuova estrazione");
    Salva = MakePicture(draw, PictureKind::Salva, "Animazione_Salva", "SALVA");
    Salva->setToolTip("Salva l'estrazione con la data della casella DATA");

    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(Grid5, 1);
    gridRow->addWidget(VScroll1);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(MakeCaption(draw, "DATA"));
    dateRow->addWidget(textbox2);
    dateRow->addStretch();
    dateRow->addWidget(Nuova);
    dateRow->addSpacing(16);
    dateRow->addWidget(Salva);
    auto* drawLayout = new QVBoxLayout(draw);
    drawLayout->addLayout(gridRow);
    drawLayout->addLayout(dateRow);

    auto* internet = new QGroupBox("ARCHIVIO", this);
    CommandButton5 = MakeButton(internet, "CommandButton5", "Copia da Internet");
    CommandButton13 = MakeButton(internet, "CommandButton13", "Aggiorna in Internet");
    Command1 = MakeButton(internet, "Command1", "converti");
    Command1->setToolTip("Converti archivio.txt della cartella del programma nell'archivio delle estrazioni");
    auto* internetLayout = new QHBoxLayout(internet);
    internetLayout->addWidget(CommandButton5);
    internetLayout->addWidget(CommandButton13);
    internetLayout->addWidget(Command1);
    internetLayout->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(draw);
    left->addWidget(internet);
    left->addStretch();

    auto* wheels = new QGroupBox("RUOTE", this);
    Grid4 = new DataGrid("Grid4", wheels);
    Grid4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid4->setFixedHeight(24 + 11 * 21 + 6);
    auto* wheelsLayout = new QVBoxLayout(wheels);
    wheelsLayout->addWidget(Grid4);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->addLayout(left, 3);
    layout->addSpacing(8);
    auto* right = new QVBoxLayout;
    right->addWidget(wheels);
    right->addStretch();
    layout->addLayout(right, 2);

    AddPicture(Nuova);
    AddPicture(Salva);
    connect(VScroll1, &QScrollBar::valueChanged, this, &MaintenanceTab::ShowDraw);
    // The save picture clicks at every move over it.
    connect(Salva, &AnimatedPicture::hovered, this,
            [this] { PlayClickSound(state_, platform_.sounds, ClickCommands::OpenPrevPlay); });
    connect(Nuova, &AnimatedPicture::released, this, &MaintenanceTab::EnterNewDraw);
    connect(Salva, &AnimatedPicture::released, this, &MaintenanceTab::SaveDraw);
    connect(Command1, &QPushButton::clicked, this, &MaintenanceTab::RunConversion);
}

}  // namespace fortunara

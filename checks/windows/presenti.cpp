#include "checks/windows/presenti.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "systems/core/sistemi_run.h"
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/range_selectors.h"

namespace fortunara {

namespace {

// Wide enough for a combination of ten numbers, tall enough for twenty lines of the list.
constexpr int kWidth = 760;
constexpr int kHeight = 600;

}  // namespace

Presenti::Presenti(ProgramState& state, Platform& platform, PresentiOpeners openers, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), openers_(std::move(openers)) {
    setObjectName("Presenti");
    setWindowTitle("Fortunara");

    Frame1 = MakeFrame(this, "Frame1", "Controllo Sistema");
    HScroll1 = MakeScrollBar(Frame1, "HScroll1", Qt::Horizontal);
    Label2 = MakeLabel(Frame1, "Label2");
    Label2->setFont(GridFont());
    Label2->setMinimumWidth(100);
    auto* draw = new QHBoxLayout(Frame1);
    draw->addWidget(HScroll1, 1);
    draw->addWidget(Label2);

    TitoloSistema = MakeCaption(this, "SISTEMA", 10);
    TitoloSistema->setObjectName("TitoloSistema");
    List1 = MakeList(this, "List1");
    List1->setFont(GridFont());
    List1->setUniformItemSizes(true);
    TitoloNumeri = MakeCaption(this, "NUMERI DEL SISTEMA", 10);
    TitoloNumeri->setObjectName("TitoloNumeri");
    Label1 = MakeLabel(this, "Label1");
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setMinimumHeight(48);
    Label22 = MakeLabel(this, "Label22");
    Label22->setFont(CaptionFont(10));

    CommandButton1 = MakeButton(this, "CommandButton1", "SISTEMA");
    CommandButton2 = MakeButton(this, "CommandButton2", "CARICA");
    CommandButton3 = MakeButton(this, "CommandButton3", "SALVA");
    CommandButton6 = MakeButton(this, "CommandButton6", "CONTROLLO");
    CommandButton7 = MakeButton(this, "CommandButton7", "SCHEDINE");
    CommandButton8 = MakeButton(this, "CommandButton8", "GARANZIE");
    CommandButton8->setToolTip("Che cosa garantisce il sistema, le sue probabilita', i suoi buchi e il suo resoconto");
    CommandButton4 = MakeButton(this, "CommandButton4", "ESCI");
    CheckBox1 = MakeCheckBox(this, "CheckBox1", "STAMPA", false);

    auto* buttons = new QVBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{CommandButton1, CommandButton2, CommandButton3, CheckBox1,
                                                            CommandButton6, CommandButton7, CommandButton8}) {
        buttons->addWidget(control);
    }
    buttons->addStretch();
    buttons->addWidget(CommandButton4);

    auto* listing = new QVBoxLayout;
    listing->addWidget(Frame1);
    listing->addWidget(Label22);
    listing->addWidget(TitoloNumeri);
    listing->addWidget(Label1);
    listing->addWidget(TitoloSistema);
    listing->addWidget(List1, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(listing, 1);
    layout->addLayout(buttons);
    resize(kWidth, kHeight);

    connect(HScroll1, &QScrollBar::valueChanged, this, &Presenti::DrawChosen);
    connect(CommandButton1, &QPushButton::clicked, this, &Presenti::TypedSystem);
    connect(CommandButton2, &QPushButton::clicked, this, &Presenti::LoadFile);
    connect(CommandButton3, &QPushButton::clicked, this, &Presenti::SaveFile);
    connect(CommandButton6, &QPushButton::clicked, this, &Presenti::OpenCheck);
    connect(CommandButton7, &QPushButton::clicked, this, &Presenti::OpenSlips);
    connect(CommandButton8, &QPushButton::clicked, this, &Presenti::OpenGuarantees);
    connect(CommandButton4, &QPushButton::clicked, this, [this] {
        Click();
        close();
    });
    connect(CheckBox1, &QCheckBox::clicked, this, &Presenti::PrintingSwitched);
    Load();
}

Presenti::~Presenti() = default;

void Presenti::Load() {
    state_.PrintMode = 0;
    // The newest draw becomes the draw to check against.
    SetScrollPosition(*HScroll1, state_.RecordCount, state_.RecordCount);
    Label2->setText(QString::fromStdString(state_.CurrentDrawDate));
    if (state_.OpenedFromList == 1) ForecastSystem();
    state_.PrintMode = 0;
}

void Presenti::DrawChosen(int record) {
    Label2->setText(QString::fromStdString(ChooseCheckDraw(state_, record)));
}

}  // namespace fortunara

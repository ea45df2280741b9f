#include "statistics/windows/forecast_tab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/look.h"
#include "ui/range_selectors.h"

namespace fortunara {

ForecastTab::ForecastTab(ProgramState& state, Platform& platform, ForecastOpeners openers, QWidget* parent)
    : MainWindowTab(5, parent), state_(state), platform_(platform), openers_(std::move(openers)) {
    auto* settings = new QGroupBox("PREVISIONE DAGLI ULTIMI NUMERI", this);
    Textbox1 = new QLineEdit(settings);
    Textbox1->setObjectName("Textbox1");
    Textbox1->setFont(GridFont());
    Textbox1->setMaximumWidth(80);
    Label55 = MakeLabel(settings, "Label55");
    HScroll5 = MakeScrollBar(settings, "HScroll5", Qt::Horizontal);
    auto* settingsLayout = new QGridLayout(settings);
    settingsLayout->addWidget(MakeCaption(settings, "NUMERI NEL SISTEMA"), 0, 0);
    settingsLayout->addWidget(Textbox1, 0, 1, Qt::AlignLeft);
    settingsLayout->addWidget(Label55, 1, 0);
    settingsLayout->addWidget(HScroll5, 1, 1);
    settingsLayout->setColumnStretch(1, 1);

    CommandButton10 = MakeButton(this, "CommandButton10", "PREVISIONE");
    CommandButton9 = MakeButton(this, "CommandButton9", "STAMPA");
    CommandButton11 = MakeButton(this, "CommandButton11", "SISTEMI");
    CommandButton8 = MakeButton(this, "CommandButton8", "RIDOTTI");
    CommandButton7 = MakeButton(this, "CommandButton7", "ESCI");
    // "RIDOTTI" and "ESCI" belong to the matrix list, which is not in view at start.
    CommandButton8->setEnabled(false);
    CommandButton7->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {CommandButton10, CommandButton9, CommandButton11, CommandButton8, CommandButton7}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();

    Label1_0 = MakeLabel(this, "Label1(0)");
    Label1_0->setFont(GridFont());
    Label1_0->setFrameShape(QFrame::Panel);
    Label1_0->setFrameShadow(QFrame::Sunken);
    Label1_0->setMinimumHeight(30);
    Label1_0->setWordWrap(true);

    List3 = MakeList(this, "List3");
    List6 = MakeList(this, "List6");
    // The matrix list takes the place of the outcome list while it is shown.
    auto* lists = new QVBoxLayout;
    lists->addWidget(List3);
    lists->addWidget(List6);
    List6->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->addWidget(settings);
    layout->addLayout(buttons);
    layout->addSpacing(6);
    layout->addWidget(MakeCaption(this, "PREVISIONE"));
    layout->addWidget(Label1_0);
    layout->addSpacing(6);
    layout->addWidget(MakeCaption(this, "USCITE"));
    layout->addLayout(lists, 1);

    ConnectRangeSelector({HScroll5, Label55, SelectorEnd::From}, state_);
    connect(CommandButton10, &QPushButton::clicked, this, &ForecastTab::MakeForecast);
    connect(CommandButton9, &QPushButton::clicked, this, &ForecastTab::PrintForecastReport);
    connect(CommandButton8, &QPushButton::clicked, this, &ForecastTab::HandOverToSystems);
    connect(CommandButton7, &QPushButton::clicked, this, &ForecastTab::BackToOutcomes);
    connect(CommandButton11, &QPushButton::clicked, this, &ForecastTab::ListMatrixFiles);
    connect(List6, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { OpenCheckWindow(*item); });
}

}  // namespace fortunara

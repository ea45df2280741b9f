#include "vertible/windows/metodovertibili.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QVBoxLayout>
#include <span>

#include "ui/controls.h"
#include "ui/look.h"
#include "ui/model_grid.h"
#include "ui/range_selectors.h"
#include "ui/strip_painter.h"
#include "vertible/windows/forecast_grid_model.h"

namespace fortunara {

namespace {

// Wide enough for the check grid's columns, tall enough for 25 rows; fits a 1366 x 768 screen.
constexpr int kWidth = 760;
constexpr int kHeight = 690;

struct Column {
    int column;
    const char* header;
    int twips;
};

// The columns that are written, wide enough for "Schedina", the dates and " 90" in the grid font.
// The rest of grid2's 20 columns stay hidden, as do columns 8 to 13 of grid3's 25 (column 12
// holds the record number of the row's draw).
constexpr Column kForecastColumns[] = {{0, "DATA", 1200}, {1, "Prev.", 1000}, {2, "I", 500},  {3, "II", 500},
                                       {4, "III", 500},   {5, "IV", 500},     {6, "V", 500},  {7, "VI", 500},
                                       {8, "", 400},      {9, "", 400},       {10, "", 1000}, {11, "", 400},
                                       {12, "", 800}};
constexpr Column kCheckColumns[] = {{0, "Data", 1050}, {1, "Prev", 950}, {2, "isione", 600}, {3, "", 500},
                                    {4, "", 500},      {5, "", 500},     {6, "", 500},       {7, "", 500},
                                    {12, "Estr.", 1},  {14, "", 350},    {15, "", 1050}};
constexpr int kMatchTwips = 300;  // columns 16 to 24

// Headers, design widths and hidden columns, once: the rows change with each run.
void LayOut(ModelGrid& grid, ForecastGridModel& model, std::span<const Column> shown, int firstHidden, int lastHidden) {
    grid.setModel(&model);
    for (int c = 0; c < model.columnCount(); ++c) grid.setColumnHidden(c, c >= firstHidden && c <= lastHidden);
    for (const Column& c : shown) {
        model.SetHeader(c.column, QString(c.header));
        grid.SetColumnWidthTwips(c.column, c.twips);
    }
}

QLabel* Heading(QWidget* parent, const QString& name, const QString& text) {
    QLabel* label = MakeCaption(parent, text, 10);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

METODOVERTIBILI::METODOVERTIBILI(ProgramState& state, Platform& platform, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform) {
    setObjectName("METODOVERTIBILI");
    setWindowTitle("Fortunara");
    setAutoFillBackground(true);

    Combo2 = new QComboBox(this);
    Combo2->setObjectName("Combo2");
    Combo2->addItems({"VERTIBILI", "GEMELLI"});
    Combo2->setPlaceholderText("METODO");
    Combo2->setCurrentIndex(-1);
    Combo3 = new QComboBox(this);
    Combo3->setObjectName("Combo3");
    Combo3->setEditable(true);
    for (int p = 1; p <= 5; ++p) Combo3->addItem(QString("CALCOLO SUL N°%1").arg(p));
    Combo3->setCurrentIndex(0);
    Command1 = MakeButton(this, "Command1", "CONTROLLO");
    auto* choices = new QHBoxLayout;
    choices->addWidget(Combo2, 1);
    choices->addWidget(Combo3, 1);
    choices->addWidget(Command1);

    Label4 = MakeCaption(this, "DA :");
    Label4->setObjectName("Label4");
    Label3 = MakeCaption(this, "A :");
    Label3->setObjectName("Label3");
    HScroll1 = MakeScrollBar(this, "HScroll1", Qt::Horizontal);
    HScroll2 = MakeScrollBar(this, "HScroll2", Qt::Horizontal);
    Label1 = MakeLabel(this, "Label1");
    Label2 = MakeLabel(this, "Label2");
    for (QLabel* date : {Label1, Label2}) {
        date->setFont(GridFont());
        date->setMinimumWidth(90);
    }
    auto* range = new QGridLayout;
    range->addWidget(Label4, 0, 0);
    range->addWidget(HScroll1, 0, 1);
    range->addWidget(Label1, 0, 2);
    range->addWidget(Label3, 1, 0);
    range->addWidget(HScroll2, 1, 1);
    range->addWidget(Label2, 1, 2);
    range->setColumnStretch(1, 1);

    grid2 = new ModelGrid("grid2", this);
    forecasts_ = new ForecastGridModel(ForecastGridModel::Grid::Forecasts, 20, this);
    LayOut(*grid2, *forecasts_, kForecastColumns, 13, 19);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(choices);
    layout->addLayout(range);
    layout->addWidget(grid2, 1);

    BuildPanel();
    resize(kWidth, kHeight);

    ConnectRangeSelector({HScroll1, Label1, SelectorEnd::From, nullptr, nullptr, nullptr, true}, state_);
    ConnectRangeSelector({HScroll2, Label2, SelectorEnd::To, nullptr, nullptr, nullptr, true}, state_);
    connect(Combo2, &QComboBox::activated, this, &METODOVERTIBILI::RunChosenMethod);
    connect(Command1, &QPushButton::clicked, this, &METODOVERTIBILI::CheckForecastsClicked);
    connect(Command3, &QPushButton::clicked, this, [this] { SlidePanel(false); });
    Load();
}

void METODOVERTIBILI::BuildPanel() {
    SSPanel1 = new QFrame(this);
    SSPanel1->setObjectName("SSPanel1");
    SSPanel1->setFrameShape(QFrame::Panel);
    SSPanel1->setFrameShadow(QFrame::Raised);
    SSPanel1->setLineWidth(3);
    SSPanel1->setAutoFillBackground(true);
    QPalette colours = SSPanel1->palette();
    colours.setColor(QPalette::Window, look::kIvoryDark);
    SSPanel1->setPalette(colours);

    Label5 = Heading(SSPanel1, "Label5", "PREVISIONE DEL");
    Label6 = Heading(SSPanel1, "Label6", "SORTITA");
    auto* halves = new QHBoxLayout;
    // Over the forecast columns (5100 twips) and the result columns (4100 twips) of grid3.
    halves->addWidget(Label5, 51);
    halves->addWidget(Label6, 41);
    grid3 = new ModelGrid("grid3", SSPanel1);
    checks_ = new ForecastGridModel(ForecastGridModel::Grid::Checks, 25, this);
    // The matched numbers take narrower columns than the header lets a column be by default.
    grid3->horizontalHeader()->setMinimumSectionSize(16);
    LayOut(*grid3, *checks_, kCheckColumns, 8, 13);
    for (int c = 16; c <= 24; ++c) grid3->SetColumnWidthTwips(c, kMatchTwips);
    // "Prev" and "isione" read "Previsione" across the two columns.
    checks_->SetHeader(1, "Prev", Qt::AlignRight);
    checks_->SetHeader(2, "isione", Qt::AlignLeft);

    Label10 = MakeFigure(SSPanel1, "Label10", 12);
    Label8 = MakeFigure(SSPanel1, "Label8", 12);
    Label8->setText("150");
    Label11 = MakeFigure(SSPanel1, "Label11", 12);
    auto* figures = new QGridLayout;
    figures->addWidget(Heading(SSPanel1, "Label7", "GIOCATE"), 0, 0);
    figures->addWidget(Heading(SSPanel1, "Label9", "VINTE"), 0, 1);
    figures->addWidget(Heading(SSPanel1, "Label12", "%"), 0, 2);
    figures->addWidget(Label10, 1, 0);
    figures->addWidget(Label8, 1, 1);
    figures->addWidget(Label11, 1, 2);

    const QString chanceTip =
        "Quanto avrebbero vinto previsioni fatte a caso, della stessa forma, sulle stesse estrazioni:\n"
        "nessun metodo batte il caso.";
    Caso = MakeLabel(SSPanel1, "Caso");
    Attese = MakeLabel(SSPanel1, "Attese");
    for (QLabel* chance : {Caso, Attese}) {
        chance->setFont(CaptionFont(10));
        chance->setToolTip(chanceTip);
    }
    Command3 = MakeButton(SSPanel1, "Command3", "ESCI");
    auto* chanceRow = new QHBoxLayout;
    chanceRow->addWidget(Caso);
    chanceRow->addSpacing(20);
    chanceRow->addWidget(Attese);
    chanceRow->addStretch();
    chanceRow->addWidget(Command3);

    auto* layout = new QVBoxLayout(SSPanel1);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(halves);
    layout->addWidget(grid3, 1);
    layout->addLayout(figures);
    layout->addLayout(chanceRow);

    slide_ = new QPropertyAnimation(SSPanel1, "pos", this);
    slide_->setDuration(250);
    slide_->setEasingCurve(QEasingCurve::OutCubic);
    connect(slide_, &QPropertyAnimation::finished, this, [this] { SSPanel1->setVisible(panelInView_); });
    SSPanel1->hide();
}

void METODOVERTIBILI::SetUpGrids(int rows) {
    forecasts_->SetLines(lines_, std::max(rows, 1));
    checks_->SetLines(lines_, std::max(rows, 1));
    // A new run is shown from its first line, with nothing of the last one selected.
    for (ModelGrid* grid : {grid2, grid3}) {
        grid->clearSelection();
        grid->scrollToTop();
    }
}

void METODOVERTIBILI::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The panel covers the whole window when in view and waits just beside it otherwise.
    slide_->stop();
    SSPanel1->setGeometry(panelInView_ ? 0 : width(), 0, width(), height());
    SSPanel1->setVisible(panelInView_);
}

}  // namespace fortunara

// The tab "Sistema": number entry, guarantee and reduction, development, draw and outputs.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "systems/core/system_texts.h"
#include "systems/windows/sistemi.h"
#include "systems/windows/system_grid_model.h"
#include "ui/cell_width.h"
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/strip_painter.h"

namespace fortunara {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Grid widths are given in twips; the combination number needs room for 30000.
constexpr int kNumberColumnTwips = 383;
constexpr int kLastColumnTwips = 370;
constexpr int kCountColumnPixels = 56;

}  // namespace

QWidget* Sistemi::BuildSystemTab() {
    auto* page = new QWidget;
    page->setObjectName("TabSistema");

    Frame4 = MakeFrame(page, "Frame4", "Numeri");
    Textbox1 = new QLineEdit(Frame4);
    Textbox1->setObjectName("Textbox1");
    Textbox1->setMaximumWidth(70);
    Textbox1->setAlignment(Qt::AlignRight);
    CommandButton1 = MakeButton(Frame4, "CommandButton1", "NUMERI");
    auto* numbers = new QHBoxLayout(Frame4);
    numbers->addWidget(Textbox1);
    numbers->addWidget(CommandButton1, 1);

    Frame2 = MakeFrame(page, "Frame2", "Garanzia");
    Combo1 = new QComboBox(Frame2);
    Combo1->setObjectName("Combo1");
    (new QHBoxLayout(Frame2))->addWidget(Combo1);

    Frame1 = MakeFrame(page, "Frame1", "Riduzione");
    auto* options = new QGridLayout(Frame1);
    for (int i = 0; i < 4; ++i) {
        OptionButton1[static_cast<std::size_t>(i)] = MakeOption(Frame1, QString("OptionButton1(%1)").arg(i),
                                                                Text(kReductionCaptions[static_cast<std::size_t>(i)]));
        options->addWidget(OptionButton1[static_cast<std::size_t>(i)], i / 2, i % 2);
    }
    OptionButton1[0]->setChecked(true);

    CheckBox1 = MakeCheckBox(page, "CheckBox1", "  STAMPA", false);
    CommandButton11 = MakeButton(page, "CommandButton11", "SVILUPPO");
    CommandButton11->setMinimumHeight(40);
    Annulla = MakeButton(page, "Annulla", "ANNULLA");
    Annulla->setEnabled(false);
    Annulla->setMinimumHeight(40);
    Avanzamento = new QProgressBar(page);
    Avanzamento->setObjectName("Avanzamento");
    Avanzamento->setRange(0, 1000);
    Avanzamento->setValue(0);
    Avanzamento->setTextVisible(false);
    Avanzamento->setMaximumHeight(12);

    Frame3 = MakeFrame(page, "Frame3", "Estrazione");
    HScroll1 = MakeScrollBar(Frame3, "HScroll1", Qt::Horizontal);
    Label2 = MakeLabel(Frame3, "Label2");
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(CaptionFont(10));
    auto* draw = new QVBoxLayout(Frame3);
    draw->addWidget(HScroll1);
    draw->addWidget(Label2);

    CommandButton2 = MakeButton(page, "CommandButton2", "CARICA");
    CommandButton3 = MakeButton(page, "CommandButton3", "SALVA");
    CommandButton5 = MakeButton(page, "CommandButton5", "COPIA");
    CommandButton6 = MakeButton(page, "CommandButton6", "CONTROLLO");
    CommandButton7 = MakeButton(page, "CommandButton7", "SCHEDINE");
    CommandButton4 = MakeButton(page, "CommandButton4", "ESCI");

    auto* run = new QGridLayout;
    run->addWidget(CheckBox1, 0, 0, 1, 2);
    run->addWidget(CommandButton11, 1, 0);
    run->addWidget(Annulla, 1, 1);
    run->addWidget(Avanzamento, 2, 0, 1, 2);
    auto* outputs = new QGridLayout;
    outputs->addWidget(CommandButton2, 0, 0);
    outputs->addWidget(CommandButton3, 0, 1);
    outputs->addWidget(CommandButton5, 1, 0);
    outputs->addWidget(CommandButton6, 1, 1);
    outputs->addWidget(CommandButton7, 2, 0);
    outputs->addWidget(CommandButton4, 2, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame4);
    left->addWidget(Frame2);
    left->addWidget(Frame1);
    left->addLayout(run);
    left->addWidget(Frame3);
    left->addStretch(1);
    left->addLayout(outputs);
    auto* leftPanel = new QWidget(page);
    leftPanel->setLayout(left);
    leftPanel->setFixedWidth(270);

    Label22 = MakeCaption(page, "NUMERI", 10);
    Label22->setObjectName("Label22");
    Label1 = MakeLabel(page, "Label1");
    Label1->setWordWrap(true);
    Label1->setFrameShape(QFrame::StyledPanel);
    Label1->setFrameShadow(QFrame::Sunken);
    Label1->setMinimumHeight(46);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label1->setFont(GridFont());
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Grid1 = new QTableView(page);
    Grid1->setObjectName("Grid1");
    Grid1->setModel(model_);
    List1 = MakeList(page, "List1");
    List1->setMinimumWidth(300);

    auto* results = new QHBoxLayout;
    results->addWidget(Grid1, 0);
    results->addWidget(List1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(Label22);
    right->addWidget(Label1);
    right->addLayout(results, 1);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(leftPanel);
    layout->addLayout(right, 1);
    return page;
}

void Sistemi::SetUpGrid1() {
    Grid1->setFont(GridFont());
    Grid1->setStyleSheet(QString("QTableView#Grid1 { border: 2px solid %1; gridline-color: %2; }")
                             .arg(look::kGreen.name(), look::kIvoryDark.name()));
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    Grid1->setAlternatingRowColors(true);
    Grid1->setWordWrap(false);
    Grid1->setCornerButtonEnabled(false);
    Grid1->verticalHeader()->setVisible(false);
    // Fixed row heights: the view never measures 30000 rows.
    Grid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid1->verticalHeader()->setDefaultSectionSize(20);
    QHeaderView* header = Grid1->horizontalHeader();
    header->setHighlightSections(false);
    header->setFont(CaptionFont(9));
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setMinimumSectionSize(10);
    FitGrid1();
}

void Sistemi::FitGrid1() {
    // The design widths, widened where a header or the widest cell would not show whole: a loaded
    // file writes " 39", a number in its text form, where a development writes "39".
    QHeaderView* header = Grid1->horizontalHeader();
    int width = 2 * Grid1->frameWidth() + 18;  // the vertical scroll bar
    for (int c = 0; c < SystemGridModel::kColumns; ++c) {
        const int design = c == 0 ? kCountColumnPixels : TwipsToPixels(c == 10 ? kLastColumnTwips : kNumberColumnTwips);
        const int content = CellWidthFor(*Grid1, Grid1->font(), model_->WidestText(c));
        header->resizeSection(c, std::max({design, content, header->sectionSizeHint(c)}));
        width += header->sectionSize(c);
    }
    Grid1->setFixedWidth(width);
}

}  // namespace fortunara

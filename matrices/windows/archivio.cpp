#include "matrices/windows/archivio.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "matrices/core/matrix_editor.h"
#include "ui/controls.h"
#include "ui/look.h"

namespace fortunara {

namespace {

// Fits a 1366 x 768 screen with room for the task bar and the title.
constexpr int kWidth = 960;
constexpr int kHeight = 600;

// The captions of OptionButton1(0..7): 3 to 10 numbers per combination.
const std::array<const char*, 8> kTypeCaptions = {"-- Terzine", "Quartine --",    "-- Cinquine", "Sestine  --",
                                                  "-- Settine", "Ottine      --", "-- Novine",   "Decine   --"};

}  // namespace

Archivio::Archivio(ProgramState& state, Platform& platform, ArchivioOpeners openers, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), openers_(std::move(openers)) {
    setObjectName("Archivio");
    setWindowTitle("Fortunara");
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    SSTab1->addTab(BuildLibraryTab(), "Sistemi Presenti");
    SSTab1->addTab(BuildEditorTab(), "Nuovo Sistema");
    StyleTabs(*SSTab1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(SSTab1);
    resize(kWidth, kHeight);

    connect(List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListQuantity(List1->row(item) + 1); });
    connect(List1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ListQuantity(List1->row(item) + 1); });
    for (int i = 0; i < kMatrixButtons; ++i) {
        connect(CommandButton3[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { OpenMatrix(i); });
    }
    connect(Precedenti, &QPushButton::clicked, this, [this] { ShowPage(page_.page - 1); });
    connect(Altri, &QPushButton::clicked, this, [this] { ShowPage(page_.page + 1); });
    for (QPushButton* button : {CommandButton2, CommandButton22}) {
        connect(button, &QPushButton::clicked, this, &Archivio::OpenSistemi);
    }
    for (QPushButton* button : {CommandButton1, CommandButton21}) {
        connect(button, &QPushButton::clicked, this, &QDialog::close);
    }
    for (int i = 0; i < 8; ++i) {
        connect(OptionButton1[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { comboSize_ = i + kFewestPerCombination; });
    }
    connect(CommandButton24, &QPushButton::clicked, this, &Archivio::EnterNumbers);
    connect(CommandButton25, &QPushButton::clicked, this, &Archivio::EnterComments);
    connect(CommandButton23, &QPushButton::clicked, this, &Archivio::OpenInTextEditor);
    Load();
}

Archivio::~Archivio() = default;

void Archivio::Load() {
    entered_ = false;
    comboSize_ = 6;
    OptionButton1[3]->setChecked(true);
    List1->clear();
    for (int q = 1; q <= 90; ++q) List1->addItem(QString::number(q));
    ShowPage(0);
}

QWidget* Archivio::BuildLibraryTab() {
    auto* page = new QWidget;
    page->setObjectName("TabSistemiPresenti");

    Frame1 = MakeFrame(page, "Frame1", QString());
    Label2 = MakeCaption(Frame1, "LISTA", 10);
    Label2->setObjectName("Label2");
    List1 = MakeList(Frame1, "List1");
    List1->setFixedWidth(90);
    auto* quantities = new QVBoxLayout(Frame1);
    quantities->addWidget(Label2);
    quantities->addWidget(List1, 1);

    Label1 = MakeCaption(page, "SISTEMI PRESENTI", 10);
    Label1->setObjectName("Label1");
    Frame12 = MakeFrame(page, "Frame12", QString());
    auto* buttons = new QGridLayout(Frame12);
    buttons->setSpacing(8);
    for (int i = 0; i < kMatrixButtons; ++i) {
        QPushButton* button = MakeButton(Frame12, QString("CommandButton3(%1)").arg(i), " ");
        button->setMinimumSize(170, 44);
        CommandButton3[static_cast<std::size_t>(i)] = button;
        buttons->addWidget(button, i / 4, i % 4);
    }
    Precedenti = MakeButton(Frame12, "Precedenti", "PRECEDENTI");
    Altri = MakeButton(Frame12, "Altri", "ALTRI");
    Pagina = MakeLabel(Frame12, "Pagina");
    Pagina->setAlignment(Qt::AlignCenter);
    auto* paging = new QHBoxLayout;
    paging->addWidget(Precedenti);
    paging->addWidget(Pagina, 1);
    paging->addWidget(Altri);
    buttons->addLayout(paging, kMatrixButtons / 4, 0, 1, 4);

    CommandButton2 = MakeWideButton(page, "CommandButton2", "RIDUZIONE GENERALE");
    CommandButton1 = MakeWideButton(page, "CommandButton1", "ESCI");
    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    closing->addWidget(CommandButton2);
    closing->addWidget(CommandButton1);

    auto* matrices = new QVBoxLayout;
    matrices->addWidget(Label1);
    matrices->addWidget(Frame12, 1);
    matrices->addLayout(closing);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(Frame1);
    layout->addLayout(matrices, 1);
    return page;
}

QWidget* Archivio::BuildEditorTab() {
    auto* page = new QWidget;
    page->setObjectName("TabNuovoSistema");

    Label3 = MakeCaption(page, "NUOVA MATRICE DI SISTEMA", 12);
    Label3->setObjectName("Label3");
    Frame4 = MakeFrame(page, "Frame4", "Quantità Numeri");
    TextBox1 = new QLineEdit(Frame4);
    TextBox1->setObjectName("TextBox1");
    TextBox1->setAlignment(Qt::AlignRight);
    (new QHBoxLayout(Frame4))->addWidget(TextBox1);
    Frame5 = MakeFrame(page, "Frame5", "Quantità Bollette");
    TextBox2 = new QLineEdit(Frame5);
    TextBox2->setObjectName("TextBox2");
    TextBox2->setAlignment(Qt::AlignRight);
    Label5 = MakeLabel(Frame5, "Label5", "BOLLETTE");
    auto* combos = new QHBoxLayout(Frame5);
    combos->addWidget(TextBox2, 1);
    combos->addWidget(Label5);

    Frame3 = MakeFrame(page, "Frame3", QString());
    auto* types = new QGridLayout(Frame3);
    for (int i = 0; i < 8; ++i) {
        QRadioButton* option =
            MakeOption(Frame3, QString("OptionButton1(%1)").arg(i), kTypeCaptions[static_cast<std::size_t>(i)]);
        OptionButton1[static_cast<std::size_t>(i)] = option;
        types->addWidget(option, i / 2, i % 2);
    }

    CommandButton24 = MakeWideButton(page, "CommandButton24", "NUMERI");
    CommandButton25 = MakeWideButton(page, "CommandButton25", "COMMENTO");
    CommandButton23 = MakeWideButton(page, "CommandButton23", "CORREGGE");
    CommandButton23->setToolTip("Apre la matrice nell'editor di testo");

    Frame2 = MakeFrame(page, "Frame2", QString());
    List2 = MakeList(Frame2, "List2");
    (new QVBoxLayout(Frame2))->addWidget(List2);

    CommandButton22 = MakeWideButton(page, "CommandButton22", "RIDUZIONE GENERALE");
    CommandButton21 = MakeWideButton(page, "CommandButton21", "ESCI");

    auto* sizes = new QHBoxLayout;
    sizes->addWidget(Frame4);
    sizes->addWidget(Frame5);
    auto* left = new QVBoxLayout;
    left->addLayout(sizes);
    left->addWidget(Frame3);
    left->addWidget(CommandButton24);
    left->addWidget(CommandButton25);
    left->addWidget(CommandButton23);
    left->addStretch(1);
    left->addWidget(CommandButton22);
    left->addWidget(CommandButton21);
    auto* leftPanel = new QWidget(page);
    leftPanel->setLayout(left);
    leftPanel->setFixedWidth(330);

    auto* body = new QHBoxLayout;
    body->addWidget(leftPanel);
    body->addWidget(Frame2, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Label3, 0, Qt::AlignHCenter);
    layout->addLayout(body, 1);
    return page;
}

}  // namespace fortunara

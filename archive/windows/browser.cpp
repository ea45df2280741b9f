#include "archive/windows/browser.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "archive/core/address_settings.h"
#include "ui/controls.h"
#include "ui/look.h"

namespace fortunara {

namespace {

const QString kPasteHere = "Copia e incolla qui ";

QPlainTextEdit* MakePasteArea(QWidget* parent, const QString& name) {
    auto* area = new QPlainTextEdit(kPasteHere, parent);
    area->setObjectName(name);
    area->setFont(GridFont());
    area->setFixedHeight(64);
    area->setTabChangesFocus(false);
    // The fields of a pasted row stay close together.
    area->setTabStopDistance(area->fontMetrics().horizontalAdvance(' ') * 4);
    return area;
}

}  // namespace

Browser::Browser(ProgramState& state, Platform& platform, ArchiveViews views, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform), views_(std::move(views)) {
    setObjectName("Browser");
    setWindowTitle("Aggiorna Estrazioni Zefiria");

    lblAddress = MakeLabel(this, "lblAddress", "&Indirizzo:");
    cboAddress = new QComboBox(this);
    cboAddress->setObjectName("cboAddress");
    cboAddress->setEditable(true);
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    cboAddress->setToolTip("L'indirizzo della pagina dei risultati; Invio la apre");
    lblAddress->setBuddy(cboAddress);
    Command3 = MakeButton(this, "Command3", "Lancia Browser");
    Command3->setToolTip("Apri la pagina dei risultati nel browser");

    Label1 = MakeLabel(this, "Label1", "Estrazioni  Ba -> Ve");
    Text1 = MakePasteArea(this, "Text1");
    Command4 = MakeButton(this, "Command4", "copia dalla clipborad");
    Command1 = MakeButton(this, "Command1", "Converti");
    Label3 = MakeLabel(this, "Label3", "Estrazione nazionale");
    Text3 = new QLineEdit(this);
    Text3->setObjectName("Text3");
    Text3->setFont(GridFont());
    Text3->setToolTip("L'estrazione di 25 caratteri: data GGMMMAAAA e otto numeri di due cifre");
    Command2 = MakeButton(this, "Command2", "Aggiungi Estrazione");
    Label2 = MakeLabel(this, "Label2", "Estrazioni  Ba -> Ve");
    Text2 = MakePasteArea(this, "Text2");
    Text4 = new QLineEdit(kPasteHere, this);
    Text4->setObjectName("Text4");
    for (QLabel* caption : {lblAddress, Label1, Label2, Label3}) caption->setFont(CaptionFont());

    // Parts of the window with no work of their own, kept with their names and out of sight.
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    List1 = MakeList(this, "List1");
    Image1 = MakeLabel(this, "Image1");
    picAddress = new QWidget(this);
    picAddress->setObjectName("picAddress");
    for (QWidget* idle : {static_cast<QWidget*>(Combo1), static_cast<QWidget*>(List1), static_cast<QWidget*>(Image1),
                          picAddress, static_cast<QWidget*>(Text4)}) {
        idle->hide();
    }
    timTimer = new QTimer(this);
    timTimer->setObjectName("timTimer");

    auto* address = new QHBoxLayout;
    address->addWidget(lblAddress);
    address->addWidget(cboAddress, 1);
    address->addWidget(Command3);
    auto* paste = new QHBoxLayout;
    paste->addWidget(Command4);
    paste->addWidget(Command1);
    paste->addStretch();
    auto* append = new QHBoxLayout;
    append->addWidget(Text3, 1);
    append->addWidget(Command2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 14);
    layout->addLayout(address);
    layout->addSpacing(10);
    layout->addWidget(Label1);
    layout->addWidget(Text1);
    layout->addLayout(paste);
    layout->addSpacing(6);
    layout->addWidget(Label3);
    layout->addLayout(append);
    layout->addSpacing(6);
    layout->addWidget(Label2);
    layout->addWidget(Text2);
    setMinimumWidth(640);

    const std::string page = ReadAddresses(state_.programFolder).resultsPage;
    if (!page.empty()) cboAddress->addItem(QString::fromStdString(page));
    cboAddress->setEditText(QString::fromStdString(page));
    timTimer->start(1000);

    Text2->viewport()->installEventFilter(this);
    // The keyboard's keys reach the box, which hands them to its line edit by a direct call that
    // no filter sees; keys sent to the line edit itself are caught there.
    cboAddress->installEventFilter(this);
    cboAddress->lineEdit()->installEventFilter(this);
    connect(Command3, &QPushButton::clicked, this, &Browser::OpenResultsPage);
    // An address chosen from the list; Enter in the box is caught by the event filter.
    connect(cboAddress, &QComboBox::activated, this, &Browser::OpenResultsPage);
    connect(Command4, &QPushButton::clicked, this,
            [this] { Text1->setPlainText(QString::fromStdString(platform_.clipboard.Text())); });
    connect(Command1, &QPushButton::clicked, this, &Browser::Convert);
    connect(Command2, &QPushButton::clicked, this, &Browser::Append);
}

bool Browser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text2->viewport() && event->type() == QEvent::MouseButtonPress) Text2->clear();
    // Enter opens the page here, once: left to the box, it would also count as choosing an item.
    const bool addressBox = watched == cboAddress || watched == cboAddress->lineEdit();
    if (addressBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenResultsPage();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace fortunara

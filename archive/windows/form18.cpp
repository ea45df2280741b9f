#include "archive/windows/form18.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/look.h"

namespace fortunara {

FORM18::FORM18(QWidget* parent) : QWidget(parent) {
    setObjectName("FORM18");
    setWindowTitle("NUOVA ESTRAZIONE");
    setWindowFlag(Qt::Window);

    Panel3D1 = new QWidget(this);
    Panel3D1->setObjectName("Panel3D1");
    Frame3D1 = MakeFrame(Panel3D1, "Frame3D1", "INSERISCI I NUOVI NUMERI ESTRATTI (un numero per volta !)");
    // The frame is as wide as its caption, which the frame itself does not ask room for.
    Frame3D1->setMinimumWidth(Frame3D1->fontMetrics().horizontalAdvance(Frame3D1->title()) + 40);
    Label1 = MakeLabel(Frame3D1, "Label1", "NUMERI :");
    Label1->setFont(CaptionFont(10));
    Text1 = new QLineEdit(Frame3D1);
    Text1->setObjectName("Text1");
    Text1->setFont(GridFont());
    Text1->setMaxLength(8);
    Text1->setFixedWidth(90);
    Text1->setToolTip("Scrivi un numero da 1 a 90 e premi Invio; 0 interrompe");
    COMMAND3D1 = MakeButton(Frame3D1, "COMMAND3D1", "CANCEL");

    auto* row = new QHBoxLayout(Frame3D1);
    row->addWidget(Label1);
    row->addWidget(Text1);
    row->addSpacing(16);
    row->addWidget(COMMAND3D1);
    row->addStretch();
    auto* panel = new QVBoxLayout(Panel3D1);
    panel->setContentsMargins(12, 12, 12, 12);
    panel->addWidget(Frame3D1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel3D1);

    connect(Text1, &QLineEdit::returnPressed, this, &FORM18::TakeAnswer);
    connect(COMMAND3D1, &QPushButton::clicked, this, [this] {
        answer_.reset();
        close();
    });
}

void FORM18::Ask() {
    answer_.reset();
    Text1->setFocus();
}

void FORM18::TakeAnswer() {
    answer_ = Text1->text().toStdString();
    Text1->clear();
    hide();
}

}  // namespace fortunara

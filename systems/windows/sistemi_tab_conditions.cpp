// The tab "Condizioni": which combinations a conditioned development keeps.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/text/number_text.h"
#include "systems/windows/sistemi.h"
#include "ui/controls.h"

namespace fortunara {

namespace {

// Eleven boxes " - 0" .. " - 10" in two columns.
void FillCountFrame(QGroupBox& frame, const QString& arrayName, std::array<QCheckBox*, 11>& boxes) {
    auto* layout = new QGridLayout(&frame);
    layout->setVerticalSpacing(2);
    for (int i = 0; i <= 10; ++i) {
        boxes[static_cast<std::size_t>(i)] =
            MakeCheckBox(&frame, QString("%1(%2)").arg(arrayName).arg(i), QString(" - %1").arg(i), false);
        layout->addWidget(boxes[static_cast<std::size_t>(i)], i % 6, i / 6);
    }
}

QLineEdit* MakeBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaximumWidth(64);
    box->setAlignment(Qt::AlignRight);
    return box;
}

std::optional<int> BoxValue(const QLineEdit& box) {
    if (box.text().isEmpty()) return std::nullopt;
    return NumericValue(box.text().toStdString());
}

}  // namespace

QWidget* Sistemi::BuildConditionTab() {
    auto* page = new QWidget;
    page->setObjectName("TabCondizioni");

    Frame5 = MakeFrame(page, "Frame5", "");
    CheckBox5 = MakeCheckBox(Frame5, "CheckBox5", "  ATTIVA CONDIZIONI", false);
    (new QHBoxLayout(Frame5))->addWidget(CheckBox5);
    connect(CheckBox5, &QCheckBox::clicked, this, [this] { Click(); });

    Frame8 = MakeFrame(page, "Frame8", "Pari");
    FillCountFrame(*Frame8, "checkbox2", checkbox2);
    Frame7 = MakeFrame(page, "Frame7", "Consecutivita'");
    FillCountFrame(*Frame7, "CheckBox4", CheckBox4);
    Frame6 = MakeFrame(page, "Frame6", "Interruzioni");
    FillCountFrame(*Frame6, "CheckBox3", CheckBox3);

    Frame9 = MakeFrame(page, "Frame9", "Capigioco");
    auto* heads = new QGridLayout(Frame9);
    const char* headCaptions[] = {"Primo :", "Secondo :", "Terzo :", "Quarto :"};
    for (int i = 0; i < 4; ++i) {
        textbox2[static_cast<std::size_t>(i)] = MakeBox(Frame9, QString("textbox2(%1)").arg(i));
        heads->addWidget(new QLabel(headCaptions[i], Frame9), i, 0);
        heads->addWidget(textbox2[static_cast<std::size_t>(i)], i, 1);
    }

    Frame10 = MakeFrame(page, "Frame10", "Somme");
    auto* sums = new QGridLayout(Frame10);
    sums->addWidget(new QLabel("DA", Frame10), 0, 0, Qt::AlignCenter);
    sums->addWidget(new QLabel("A", Frame10), 0, 1, Qt::AlignCenter);
    for (int i = 0; i < 4; ++i) {
        TextBox3[static_cast<std::size_t>(i)] = MakeBox(Frame10, QString("TextBox3(%1)").arg(i));
        TextBox4[static_cast<std::size_t>(i)] = MakeBox(Frame10, QString("TextBox4(%1)").arg(i));
        sums->addWidget(TextBox3[static_cast<std::size_t>(i)], i + 1, 0);
        sums->addWidget(TextBox4[static_cast<std::size_t>(i)], i + 1, 1);
    }

    auto* counts = new QHBoxLayout;
    counts->addWidget(Frame8);
    counts->addWidget(Frame7);
    counts->addWidget(Frame6);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(Frame9);
    boxes->addWidget(Frame10);
    boxes->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Frame5);
    layout->addLayout(counts);
    layout->addLayout(boxes);
    layout->addStretch(1);
    return page;
}

ConditionSettings Sistemi::ReadConditionSettings() const {
    ConditionSettings settings;
    for (std::size_t i = 0; i <= 10; ++i) {
        settings.consecutive[i] = CheckBox4[i]->isChecked();
        settings.interruptions[i] = CheckBox3[i]->isChecked();
        settings.even[i] = checkbox2[i]->isChecked();
    }
    for (std::size_t i = 0; i < 4; ++i) {
        settings.heads[i] = BoxValue(*textbox2[i]);
        settings.sumFrom[i] = BoxValue(*TextBox3[i]);
        settings.sumTo[i] = BoxValue(*TextBox4[i]);
    }
    settings.groups = memory_.groups;
    return settings;
}

}  // namespace fortunara

#include "checks/windows/controllo.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "checks/core/check_report.h"
#include "platform/text/number_text.h"
#include "ui/controls.h"
#include "ui/look.h"

namespace fortunara {

namespace {

constexpr int kWidth = 620;
constexpr int kHeight = 520;

// A counter in its frame: the frame carries the category, the label the count.
QLabel* Counter(QWidget* parent, QHBoxLayout& row, const QString& frameName, const QString& caption,
                const QString& name) {
    QGroupBox* frame = MakeFrame(parent, frameName, caption);
    QLabel* label = MakeFigure(frame, name, 14, "0");
    auto* inside = new QVBoxLayout(frame);
    inside->addWidget(label);
    row.addWidget(frame, 1);
    return label;
}

}  // namespace

Controllo::Controllo(ProgramState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setObjectName("Controllo");
    setWindowTitle("Fortunara");

    auto* counters = new QHBoxLayout;
    Label3 = Counter(this, *counters, "FrameTre", "Tre", "Label3");
    Label4 = Counter(this, *counters, "FrameQuattro", "Quattro", "Label4");
    Label5 = Counter(this, *counters, "FrameCinque", "Cinque", "Label5");
    Label16 = Counter(this, *counters, "FrameCinquePiuUno", "Cinque + 1", "Label16");
    Label15 = Counter(this, *counters, "FrameSei", "Sei", "Label15");

    QLabel* found = MakeCaption(this, "TROVATI", 10);
    found->setObjectName("TitoloTrovati");
    QLabel* ticket = MakeCaption(this, "SCHEDINA", 10);
    ticket->setObjectName("TitoloSchedina");
    auto* headings = new QHBoxLayout;
    headings->addWidget(ticket);
    headings->addSpacing(30);
    headings->addWidget(found);
    headings->addStretch();
    List1 = MakeList(this, "List1");
    List1->setFont(GridFont());
    List1->setUniformItemSizes(true);

    CommandButton2 = MakeButton(this, "CommandButton2", "CONTROLLO");
    CommandButton1 = MakeButton(this, "CommandButton1", "STAMPA");
    CommandButton3 = MakeButton(this, "CommandButton3", "RESET");
    CommandButton4 = MakeButton(this, "CommandButton4", "ESCI");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {CommandButton2, CommandButton1, CommandButton3, CommandButton4}) {
        button->setMinimumHeight(34);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(counters);
    layout->addLayout(headings);
    layout->addWidget(List1, 1);
    layout->addLayout(buttons);
    resize(kWidth, kHeight);

    connect(CommandButton2, &QPushButton::clicked, this, &Controllo::Check);
    connect(CommandButton1, &QPushButton::clicked, this, &Controllo::PrintReport);
    connect(CommandButton3, &QPushButton::clicked, this, &Controllo::Reset);
    connect(CommandButton4, &QPushButton::clicked, this, &QDialog::close);
}

void Controllo::ShowCounts() {
    const std::pair<QLabel*, int> shown[] = {{Label3, shown_.terni},
                                             {Label4, shown_.quaterne},
                                             {Label5, shown_.cinquine},
                                             {Label16, shown_.cinquePiuUno},
                                             {Label15, shown_.sestine}};
    for (const auto& [label, count] : shown) {
        label->setText(QString::fromStdString(Plain(count)));
        label->repaint();
    }
}

void Controllo::Check() {
    shown_ = {};
    ShowCounts();
    CommandButton2->setCursor(Qt::WaitCursor);
    const WinCheck check = CheckTickets(CurrentTickets(state_), CheckDrawOf(state_));
    // A new check adds its lines below those of the last one; only "RESET" empties the list.
    QStringList lines;
    for (const WinningTicket& winner : check.winners) lines << QString::fromStdString(WinningLine(winner));
    List1->addItems(lines);
    shown_ = check.counts;
    ShowCounts();
    CommandButton2->unsetCursor();
}

void Controllo::PrintReport() {
    for (const std::string& line : CheckReport(state_.CurrentDrawDate, state_.TicketSize, state_.TicketCount, shown_)) {
        platform_.printer.Print(line);
    }
    platform_.printer.EndJob();
}

void Controllo::Reset() {
    shown_ = {};
    ShowCounts();
    List1->clear();
}

}  // namespace fortunara

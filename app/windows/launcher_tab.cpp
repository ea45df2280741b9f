#include "app/windows/launcher_tab.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/controls.h"

namespace fortunara {

namespace {

QPushButton* LauncherButton(QWidget* parent, const QString& name, const QString& caption) {
    QPushButton* button = MakeButton(parent, name, caption);
    button->setMinimumSize(260, 54);
    QFont font = button->font();
    font.setPointSize(12);
    font.setBold(true);
    button->setFont(font);
    return button;
}

QLabel* Explanation(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

LauncherTab::LauncherTab(const std::function<void(LaunchedWindow)>& open, QWidget* parent) : MainWindowTab(4, parent) {
    CommandButton6 = LauncherButton(this, "CommandButton6", "ARCHIVIO SISTEMI");
    CommandButton1 = LauncherButton(this, "CommandButton1", "RIDUZIONE SISTEMI");
    CommandButton14 = LauncherButton(this, "CommandButton14", "METODI");

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(60, 40, 60, 40);
    layout->setHorizontalSpacing(24);
    layout->setVerticalSpacing(28);
    layout->setRowStretch(0, 1);
    layout->addWidget(CommandButton6, 1, 0);
    layout->addWidget(Explanation(this,
                                  "Le matrici dei sistemi salvate: sfogliale, applicale ai tuoi numeri, "
                                  "scrivine di nuove."),
                      1, 1);
    layout->addWidget(CommandButton1, 2, 0);
    layout->addWidget(Explanation(this,
                                  "Sviluppa un sistema integrale o ridotto sui numeri scelti, con garanzie e "
                                  "condizioni, e stampane le schedine."),
                      2, 1);
    layout->addWidget(CommandButton14, 3, 0);
    layout->addWidget(Explanation(this,
                                  "Il metodo dei numeri vertibili e gemelli, con la verifica delle sue "
                                  "previsioni sulle estrazioni seguenti."),
                      3, 1);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(1, 1);

    connect(CommandButton1, &QPushButton::clicked, this, [open] { open(LaunchedWindow::Sistemi); });
    connect(CommandButton6, &QPushButton::clicked, this, [open] { open(LaunchedWindow::Archivio); });
    connect(CommandButton14, &QPushButton::clicked, this, [open] { open(LaunchedWindow::METODOVERTIBILI); });
}

}  // namespace fortunara

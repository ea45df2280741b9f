#include "systems/windows/garanzie_window.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "systems/core/guarantee_subject.h"
#include "systems/windows/garanzie.h"
#include "ui/controls.h"

namespace fortunara {

GaranzieWindow::GaranzieWindow(ProgramState& state, Platform& platform, QWidget* parent) : QDialog(parent) {
    setObjectName("GaranzieWindow");
    setWindowTitle("Fortunara");
    Page = new Garanzie(state, platform,
                        GuaranteeHooks{[&state] { return CurrentSystemSubject(state); },
                                       [&state, &platform](const std::vector<int>& added) {
                                           if (AppendToCurrentSystem(state, added)) return;
                                           platform.dialogs.Message(
                                               "IL SISTEMA COMPLETO SUPEREREBBE LE 30000 BOLLETTE: NON E' CAMBIATO",
                                               "ATTENZIONE !!!", DialogButtons::Ok, DialogIcon::Warning);
                                       }},
                        this);
    Page->Load(state.RecordCount);
    QPushButton* close = MakeButton(this, "EsciGaranzie", "ESCI");
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Page, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(1120, 680);
}

void GaranzieWindow::closeEvent(QCloseEvent* event) {
    Page->Stop();
    QDialog::closeEvent(event);
}

void GaranzieWindow::reject() {
    Page->Stop();
    QDialog::reject();
}

}  // namespace fortunara

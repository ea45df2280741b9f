#include "archive/windows/form45.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/core/address_settings.h"
#include "ui/controls.h"
#include "ui/look.h"

namespace fortunara {

namespace {

QPushButton* MakeBigButton(QWidget* parent, const QString& name, const QString& caption, const QString& tooltip) {
    QPushButton* button = MakeButton(parent, name, caption);
    button->setToolTip(tooltip);
    button->setMinimumSize(170, 44);
    QFont font = button->font();
    font.setBold(true);
    font.setPointSize(10);
    button->setFont(font);
    return button;
}

}  // namespace

Form45::Form45(ProgramState& state, Platform& platform, ArchiveViews views, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform), views_(std::move(views)) {
    setObjectName("Form45");
    setWindowTitle("DOWNLOAD ESTRAZIONI AGGIORNATE");

    lblIndirizzo = MakeLabel(this, "lblIndirizzo", "Indirizzo dell'archivio:");
    lblIndirizzo->setFont(CaptionFont());
    txtIndirizzo = new QLineEdit(this);
    txtIndirizzo->setObjectName("txtIndirizzo");
    txtIndirizzo->setToolTip("L'indirizzo (http://, https://, file://) o il percorso di un file estraz09.txt");
    txtIndirizzo->setMinimumWidth(420);
    lblIndirizzo->setBuddy(txtIndirizzo);
    Command3D14 = MakeBigButton(this, "Command3D14", "AGGIORNA", "Scarica le estrazioni");
    SSCommand1 = MakeBigButton(this, "SSCommand1", "PAGE WEB", "Vai alla Pagina WEB di Zefiria");
    SSCommand2 = MakeBigButton(this, "SSCommand2", "COPIA/INCOLLA", "Copia incolla estrazioni da altri siti");
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    cmdAnnulla = MakeButton(this, "cmdAnnulla", "ANNULLA");
    cmdAnnulla->setToolTip("Interrompi il download: l'archivio resta com'era");
    cmdAnnulla->setEnabled(false);

    auto* address = new QHBoxLayout;
    address->addWidget(lblIndirizzo);
    address->addWidget(txtIndirizzo, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command3D14);
    buttons->addWidget(SSCommand1);
    buttons->addWidget(SSCommand2);
    auto* progress = new QHBoxLayout;
    progress->addWidget(ProgressBar1, 1);
    progress->addWidget(cmdAnnulla);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 16);
    layout->setSpacing(12);
    layout->addLayout(address);
    layout->addLayout(buttons);
    layout->addLayout(progress);

    txtIndirizzo->setText(QString::fromStdString(ReadAddresses(state_.programFolder).archiveFile));
    connect(Command3D14, &QPushButton::clicked, this, &Form45::Update);
    connect(SSCommand1, &QPushButton::clicked, this, &Form45::OpenWebPage);
    connect(SSCommand2, &QPushButton::clicked, this, &Form45::StartUpdater);
    connect(cmdAnnulla, &QPushButton::clicked, this, [this] { platform_.downloader.Cancel(); });
}

void Form45::closeEvent(QCloseEvent* event) {
    // Closed while the data arrive: the download stops, and the window goes when it has.
    if (downloading_) {
        platform_.downloader.Cancel();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace fortunara

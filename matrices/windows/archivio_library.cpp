// The tab "Sistemi Presenti": the matrices of a quantity on the sixteen buttons, a page at a time.
#include <QLabel>
#include <QPushButton>

#include "matrices/windows/archivio.h"
#include "ui/read_error.h"

namespace fortunara {

void Archivio::ListQuantity(int quantity) {
    for (QPushButton* button : CommandButton3) button->setText(" ");
    const MatrixList list = ListMatrices(state_.programFolder, quantity);
    listed_ = list.entries;
    ShowPage(0);
    ReportReadError(platform_.dialogs, list.error);
    ReportReadError(platform_.dialogs, list.cut);
}

void Archivio::ShowPage(int page) {
    page_ = ButtonPage(listed_, page);
    for (std::size_t i = 0; i < CommandButton3.size(); ++i) {
        QPushButton& button = *CommandButton3[i];
        const std::string& file = page_.files[i];
        button.setText(QString::fromStdString(page_.captions[i]));
        button.setEnabled(!file.empty());
        button.setToolTip(QString::fromStdString(file));
    }
    Precedenti->setEnabled(page_.HasPrevious());
    Altri->setEnabled(page_.HasNext());
    Pagina->setText(QString::fromStdString(page_.Caption()));
}

void Archivio::OpenMatrix(int button) {
    const std::string& file = page_.files[static_cast<std::size_t>(button)];
    if (file.empty()) return;
    state_.SelectedMatrixFile = file;
    RunModalWindow(platform_.modal, openers_.Presenti, this);
    state_.SelectedMatrixFile.clear();
}

void Archivio::OpenSistemi() {
    RunModalWindow(platform_.modal, openers_.Sistemi, this);
}

}  // namespace fortunara

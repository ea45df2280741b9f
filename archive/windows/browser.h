#pragma once

#include <QWidget>

#include "archive/windows/archive_views.h"
#include "platform/api/platform.h"
#include "state/program_state.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace fortunara {

// "Aggiorna Estrazioni Zefiria", opened modeless by "Copia da Internet": the row of a draw copied
// from a results page (opened in the desktop's browser) is pasted, converted into a record text,
// checked and appended to the archive. The window never reads the page itself.
class Browser : public QWidget {
    Q_OBJECT

public:
    Browser(ProgramState& state, Platform& platform, ArchiveViews views, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenResultsPage();
    void Convert();
    void Append();
    void Tell(const std::string& text);

    ProgramState& state_;
    Platform& platform_;
    ArchiveViews views_;
    QLabel* lblAddress;
    QComboBox* cboAddress;
    QPushButton* Command3;  // "Lancia Browser"
    QPlainTextEdit* Text1;
    QPushButton* Command4;  // "copia dalla clipborad"
    QPushButton* Command1;  // "Converti"
    QLineEdit* Text3;
    QPushButton* Command2;  // "Aggiungi Estrazione"
    QPlainTextEdit* Text2;
    QLineEdit* Text4;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QComboBox* Combo1;
    QListWidget* List1;
    QLabel* Image1;
    QWidget* picAddress;
    QTimer* timTimer;
};

}  // namespace fortunara

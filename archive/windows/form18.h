#pragma once

#include <QWidget>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace fortunara {

// "NUOVA ESTRAZIONE": the small window that asks for one number of a new draw. Enter in `Text1`
// hands the typed text over and hides the window; "CANCEL", or closing the window by its frame,
// hands nothing over.
class FORM18 : public QWidget {
    Q_OBJECT

public:
    explicit FORM18(QWidget* parent = nullptr);

    // Before each showing: no answer yet, so that a window closed by its frame counts as "CANCEL".
    void Ask();
    // The typed text, or nullopt after "CANCEL" or a close.
    const std::optional<std::string>& Answer() const { return answer_; }

private:
    void TakeAnswer();

    QGroupBox* Frame3D1;
    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* COMMAND3D1;  // "CANCEL"
    QWidget* Panel3D1;
    std::optional<std::string> answer_;
};

}  // namespace fortunara

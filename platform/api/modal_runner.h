#pragma once

class QWidget;

namespace fortunara {

// Shows a window modal: the call returns when the window is closed. The program's runner turns a
// modal loop; the tests' runner plays the user's part from a script instead, so that no check in
// a test can leave a modal loop running.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual void RunModal(QWidget& window) = 0;
};

}  // namespace fortunara

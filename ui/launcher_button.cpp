#include "ui/launcher_button.h"

#include <QPushButton>

namespace fortunara {

void ConnectLauncher(QPushButton& button, const WindowFactory& factory, std::function<void()> open) {
    if (!factory) {
        button.setEnabled(false);
        button.setToolTip("In preparazione");
        return;
    }
    QObject::connect(&button, &QPushButton::clicked, &button, std::move(open));
}

}  // namespace fortunara

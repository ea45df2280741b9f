#pragma once

#include <functional>

class QWidget;

namespace fortunara {

class ModalRunner;

// Makes a window another window opens. The opener owns what it gets, centres it and shows it
// modal or modeless as its launcher says; a modal window is deleted when it closes.
using WindowFactory = std::function<QWidget*(QWidget* parent)>;

// Centres a window on its screen: left = (screen width - window width) / 2, top likewise, on the
// part of the screen that windows may use. The window is laid out first, so that a window not
// shown before is centred at its real size.
void CentreOnScreen(QWidget& window);

// The one way a window opens another modal: made by the factory as a window of its own, centred,
// shown through the runner and deleted when it closes. Returns false when the factory made none
// (an empty factory makes none: a test may leave a window out).
bool RunModalWindow(ModalRunner& runner, const WindowFactory& factory, QWidget* parent);

// Shows a window that already exists modal, centred; returns when it is closed.
void RunModal(ModalRunner& runner, QWidget& window);

}  // namespace fortunara

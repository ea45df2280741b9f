#pragma once

#include <functional>

class QWidget;

namespace fortunara {

// Makes a window another window opens. The opener owns what it gets, centres it and shows it
// modal or modeless as its launcher says; a modal window is deleted when it closes.
using WindowFactory = std::function<QWidget*(QWidget* parent)>;

// Centres a window on its screen: left = (screen width - window width) / 2, top likewise, on the
// part of the screen that windows may use.
void CentreOnScreen(QWidget& window);

// Shows a window modal and returns when it is closed (a dialog runs its own loop).
void ShowModal(QWidget& window);

// Makes a window with the factory, centres it, shows it modal and deletes it when it closes.
// Returns false when the factory made no window.
bool RunModalWindow(const WindowFactory& factory, QWidget* parent);

}  // namespace fortunara

#pragma once

class QWidget;

namespace fortunara {

// Centres a window on its screen: left = (screen width - window width) / 2, top likewise, on the
// part of the screen that windows may use.
void CentreOnScreen(QWidget& window);

// Shows a window modal and returns when it is closed (a dialog runs its own loop).
void ShowModal(QWidget& window);

}  // namespace fortunara

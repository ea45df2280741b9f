#pragma once

#include <functional>

#include "ui/window_display.h"

class QPushButton;

namespace fortunara {

// A button that opens another window: it opens it through `open`, or, when the program has no
// such window (its factory is empty), stays disabled with the tooltip "In preparazione".
void ConnectLauncher(QPushButton& button, const WindowFactory& factory, std::function<void()> open);

}  // namespace fortunara

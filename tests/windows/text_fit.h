#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace fortunara::test {

// Every text of a window that does not fit where it is drawn, measured with the font the widget
// draws it in: grid cells and grid headers (which Qt would cut with "…"), labels and the captions
// of buttons, check boxes and option buttons (which Qt would clip). Only what is on show counts:
// hidden widgets, hidden columns and empty texts are skipped. Each finding names the widget, the
// text, the pixels it needs and the pixels it has.
std::vector<QString> UnfitTexts(const QWidget& window);

}  // namespace fortunara::test

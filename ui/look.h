#pragma once

#include <QFont>

class QApplication;
class QTabWidget;
class QTableView;

namespace fortunara {

// The program's one look: Fusion with our palette (warm ivory, deep green frames and headers,
// gold for the active tab and highlights, near-black text) and the DejaVu fonts. The colours
// themselves are the ones the drawn pictures use (look:: in strip_painter.h).
void ApplyLook(QApplication& application);

// DejaVu Sans Mono for grids of numbers.
QFont GridFont();
// Bold green captions of the tabs' sections.
QFont CaptionFont(int pointSize = 9);

// Grid columns are given in twips like the rest of the program's layout; this is their size on
// screen, slightly larger than 1/15 so the mono digits breathe.
int TwipsToPixels(int twips);

// A read-only grid in the program's style: the header row is the table's horizontal header
// (row 0 of the grid), the draw rows follow; no row numbers, no editing.
void StyleGrid(QTableView& grid);

// The tabs of a window's own tab control (the main window draws its titles as pictures): plain
// tabs in the program's colours, the chosen one gold.
void StyleTabs(QTabWidget& tabs);

}  // namespace fortunara

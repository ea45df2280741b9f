#pragma once

#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QString>

#include "state/picture_animation.h"

class QPainter;

namespace fortunara {

// The program's colours: every drawn picture and window takes them from here.
namespace look {
inline const QColor kIvory{251, 246, 233};      // backgrounds
inline const QColor kIvoryDark{236, 226, 200};  // shadows on ivory, paper edges
inline const QColor kGreen{31, 81, 53};         // frames, headers, outlines
inline const QColor kGreenLight{62, 128, 88};   // fills beside the deep green
inline const QColor kGold{212, 165, 42};        // active tab, highlights
inline const QColor kGoldLight{240, 210, 120};  // glints
inline const QColor kRed{179, 38, 30};          // marks and accents
inline const QColor kMarkedRed{255, 0, 0};      // marked numbers of the board, whose colour the search reads
inline const QColor kInk{30, 30, 30};           // text
inline const char kFontFamily[] = "DejaVu Sans";
}  // namespace look

// Draws the picture strips of the animated pictures: one vector drawing per kind, one cell per
// frame of its animation (an exit door opening, an "i" swinging, a turning gear, a printer
// feeding paper, a sheet being copied, a magnifier searching, a new slip being marked, a disk
// being saved).
class StripPainter {
public:
    explicit StripPainter(PictureKind kind);

    PictureKind Kind() const { return kind_; }
    int CellCount() const { return cellCount_; }
    // Draws cell `cell` (clamped to 0 .. CellCount() - 1) centred in `area`, on an ivory ground.
    void Paint(QPainter& painter, const QRectF& area, int cell) const;
    // The whole strip: the cells side by side, each `cellSize` big.
    QPixmap Strip(const QSize& cellSize) const;

private:
    PictureKind kind_;
    int cellCount_;
};

// A tab title picture: the text in DejaVu Sans bold on a rounded plate, gold when the tab is
// the active one, deep green otherwise.
QPixmap DrawTabTitle(const QString& text, bool active);

}  // namespace fortunara

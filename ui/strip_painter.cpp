#include "ui/strip_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace fortunara {

namespace {

using namespace look;

// Every drawing works on a 100 x 100 canvas; `phase` runs from 0 (first cell) to 1 (last cell).
struct Cell {
    int index;
    int count;
    double phase;
};

QPen Outline(const QColor& colour, double width = 3.0) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A door swinging open on its left hinge; daylight shows through the growing gap.
void DrawExitDoor(QPainter& p, const Cell& c) {
    const QRectF frame(24, 12, 52, 78);
    p.setPen(Qt::NoPen);
    p.setBrush(kGoldLight);
    p.drawRect(frame);
    p.setBrush(kGold);
    p.drawRect(QRectF(frame.left(), frame.bottom() - 10, frame.width(), 10));  // the floor outside

    // The door turns up to 80 degrees; seen from the front its width shrinks with the cosine.
    const double angle = qDegreesToRadians(80.0 * c.phase);
    const double width = frame.width() * std::cos(angle);
    const double skew = 10.0 * std::sin(angle);  // the near edge grows taller as it comes closer
    const QPolygonF door{QPointF(frame.left(), frame.top()), QPointF(frame.left() + width, frame.top() - skew),
                         QPointF(frame.left() + width, frame.bottom() + skew), QPointF(frame.left(), frame.bottom())};
    p.setBrush(kGreen);
    p.setPen(Outline(kInk, 1.5));
    p.drawPolygon(door);
    // Panels and knob move with the door.
    p.setPen(Outline(kGreenLight, 2.0));
    p.setBrush(Qt::NoBrush);
    const double inset = 0.18 * width;
    if (inset > 2.0) {
        p.drawRect(QRectF(frame.left() + inset, frame.top() + 10, width - 2 * inset, 24));
        p.drawRect(QRectF(frame.left() + inset, frame.top() + 42, width - 2 * inset, 24));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(frame.left() + 0.82 * width, frame.center().y() + 4), 3.2, 3.2);

    p.setPen(Outline(kGreen, 4.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    // A red arrow leaves through the door as it opens.
    if (c.phase > 0.0) {
        const double x = frame.left() + 8 + 42 * c.phase;
        p.setPen(Outline(kRed, 4.0));
        p.drawLine(QPointF(x - 16, 52), QPointF(x + 6, 52));
        p.setBrush(kRed);
        p.setPen(Outline(kRed, 1.0));
        p.drawPolygon(QPolygonF{QPointF(x + 14, 52), QPointF(x + 4, 44), QPointF(x + 4, 60)});
    }
}

// An "i" on a round sign that swings on a gold ring; cell 5 hangs straight.
void DrawInfo(QPainter& p, const Cell& c) {
    p.setPen(Outline(kGold, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 9), 4, 4);
    p.save();
    p.translate(50, 13);
    p.rotate((c.index - 5) * 4.0);
    p.setPen(Outline(kGold, 2.0));
    p.drawLine(QPointF(0, 0), QPointF(0, 8));
    p.setPen(Outline(kGold, 4.0));
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(0, 41), 32, 32);
    p.setPen(Qt::NoPen);
    p.setBrush(kIvory);
    p.drawEllipse(QPointF(0, 24), 5.5, 5.5);
    p.drawRoundedRect(QRectF(-5.5, 34, 11, 29), 2, 2);
    p.drawRect(QRectF(-10, 34, 5, 4.5));
    p.drawRoundedRect(QRectF(-11, 59, 22, 5), 1.5, 1.5);
    // A glint on the sign's rim.
    p.setPen(Outline(kGoldLight, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-26, 15, 52, 52), 100 * 16, 50 * 16);
    p.restore();
}

QPainterPath GearPath(double outer, double inner, int teeth) {
    QPolygonF outline;
    const double step = 2 * std::numbers::pi / teeth;
    for (int i = 0; i < teeth; ++i) {
        const double a = i * step;
        outline << QPointF(inner * std::cos(a), inner * std::sin(a))
                << QPointF(outer * std::cos(a + 0.12 * step), outer * std::sin(a + 0.12 * step))
                << QPointF(outer * std::cos(a + 0.45 * step), outer * std::sin(a + 0.45 * step))
                << QPointF(inner * std::cos(a + 0.57 * step), inner * std::sin(a + 0.57 * step));
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

// A large gear turning and a small one driven by it.
void DrawGear(QPainter& p, const Cell& c) {
    const double turn = c.index * 6.0;
    p.save();
    p.translate(42, 54);
    p.rotate(turn);
    p.setPen(Outline(kInk, 1.5));
    p.setBrush(kGreen);
    QPainterPath big = GearPath(34, 27, 10);
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), 9, 9);
    p.drawPath(big.subtracted(hole));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreenLight);
    for (int i = 0; i < 5; ++i) {
        p.drawEllipse(QPointF(18 * std::cos(i * 2 * std::numbers::pi / 5), 18 * std::sin(i * 2 * std::numbers::pi / 5)),
                      3.5, 3.5);
    }
    p.setBrush(kGold);
    p.setPen(Outline(kInk, 1.0));
    p.drawEllipse(QPointF(0, 0), 6, 6);
    p.restore();

    p.save();
    p.translate(80, 20);
    p.rotate(-turn * 10.0 / 6.0 + 18.0);  // 6 teeth against 10
    p.setPen(Outline(kInk, 1.2));
    p.setBrush(kGold);
    QPainterPath small = GearPath(17, 12, 6);
    QPainterPath smallHole;
    smallHole.addEllipse(QPointF(0, 0), 4, 4);
    p.drawPath(small.subtracted(smallHole));
    p.setBrush(kRed);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, 0), 2.5, 2.5);
    p.restore();
}

// A printer pushing out a sheet whose lines appear as it comes.
void DrawPrinter(QPainter& p, const Cell& c) {
    // Paper tray at the back.
    p.setPen(Outline(kInk, 1.2));
    p.setBrush(kIvoryDark);
    p.drawRect(QRectF(30, 10, 40, 30));
    // Printer body.
    p.setBrush(kGreen);
    p.drawRoundedRect(QRectF(12, 36, 76, 34), 6, 6);
    p.setBrush(kGreenLight);
    p.drawRect(QRectF(22, 62, 56, 5));
    // The status light blinks while printing.
    p.setPen(Qt::NoPen);
    p.setBrush(c.index % 2 == 1 ? kRed : kRed.darker(200));
    p.drawEllipse(QPointF(78, 45), 3.5, 3.5);
    p.setBrush(kGold);
    p.drawRect(QRectF(20, 42, 22, 4));
    // The sheet comes out of the slot.
    const double out = 4 + 26 * c.phase;
    p.setPen(Outline(kInk, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(26, 64, 48, out));
    p.setPen(Outline(kInk, 2.0));
    for (double y = 68; y + 2 < 64 + out; y += 6) {
        const double width = (static_cast<int>(y) / 6) % 2 == 0 ? 36 : 26;
        p.drawLine(QPointF(31, y), QPointF(31 + width, y));
    }
}

void DrawSheet(QPainter& p, const QPointF& topLeft, const QColor& paper, const QColor& lines) {
    const QRectF sheet(topLeft, QSizeF(40, 52));
    const double fold = 10;
    const QPolygonF outline{sheet.topLeft(), QPointF(sheet.right() - fold, sheet.top()),
                            QPointF(sheet.right(), sheet.top() + fold), sheet.bottomRight(), sheet.bottomLeft()};
    p.setPen(Outline(kGreen, 2.0));
    p.setBrush(paper);
    p.drawPolygon(outline);
    p.setBrush(kIvoryDark);
    p.drawPolygon(QPolygonF{QPointF(sheet.right() - fold, sheet.top()),
                            QPointF(sheet.right() - fold, sheet.top() + fold),
                            QPointF(sheet.right(), sheet.top() + fold)});
    p.setPen(Outline(lines, 2.5));
    for (int i = 0; i < 5; ++i) {
        const double y = sheet.top() + 16 + i * 7;
        p.drawLine(QPointF(sheet.left() + 6, y), QPointF(sheet.right() - (i % 2 == 0 ? 6 : 14), y));
    }
}

// A copy slides off the original; cell 10, the rest cell, shows both apart.
void DrawCopy(QPainter& p, const Cell& c) {
    DrawSheet(p, QPointF(10, 10), Qt::white, kGreen);
    const QPointF start(10, 10), end(48, 38);
    const QPointF at = start + (end - start) * c.phase;
    if (c.index > 0) DrawSheet(p, at, kIvory, kGold.darker(120));
    // A red dot marks the finished copy.
    if (c.index == c.count - 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawEllipse(QPointF(end.x() + 34, end.y() + 46), 5, 5);
    }
}

// A magnifier circling over a board of numbers.
void DrawSearch(QPainter& p, const Cell& c) {
    p.setPen(Outline(kGreenLight, 1.2));
    p.setBrush(Qt::white);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) p.drawRect(QRectF(14 + col * 15, 18 + row * 15, 12, 12));
    }
    const double a = 2 * std::numbers::pi * c.index / c.count;
    const QPointF lens(48 + 14 * std::cos(a), 44 + 12 * std::sin(a));
    // The box under the lens lights up red.
    const int col = std::clamp(static_cast<int>((lens.x() - 14) / 15), 0, 4);
    const int row = std::clamp(static_cast<int>((lens.y() - 18) / 15), 0, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRect(QRectF(14 + col * 15, 18 + row * 15, 12, 12));
    // Handle, glass, rim, glint.
    p.setPen(Outline(kGreen, 8.0));
    p.drawLine(lens + QPointF(14, 14), lens + QPointF(30, 30));
    QColor glass = kGoldLight;
    glass.setAlpha(110);
    p.setBrush(glass);
    p.setPen(Outline(kGold, 4.5));
    p.drawEllipse(lens, 18, 18);
    p.setPen(Outline(Qt::white, 2.5));
    p.drawArc(QRectF(lens.x() - 12, lens.y() - 12, 24, 24), 100 * 16, 60 * 16);
}

// A play slip whose boxes are marked one after another, with a gold star for "new".
void DrawNewSlip(QPainter& p, const Cell& c) {
    p.setPen(Outline(kGreen, 2.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(14, 14, 62, 76), 4, 4);
    p.setBrush(kGreen);
    p.drawRect(QRectF(14, 14, 62, 12));
    p.setPen(Outline(kGreen, 1.0));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 15; ++i) {
        // Boxes in rows of three: the row is the whole quotient.
        const int row = i / 3;
        const QRectF box(20 + (i % 3) * 18, 32 + row * 11, 14, 8);
        p.drawRect(box);
        if (i < c.index) {
            p.save();
            p.setPen(Outline(kRed, 2.2));
            p.drawLine(box.topLeft() + QPointF(3, 1.5), box.bottomRight() - QPointF(3, 1.5));
            p.drawLine(box.topRight() + QPointF(-3, 1.5), box.bottomLeft() + QPointF(3, -1.5));
            p.restore();
        }
    }
    // The star pulses.
    const double r = 9 + 3 * std::sin(c.index * std::numbers::pi / 4);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double radius = i % 2 == 0 ? r : r * 0.45;
        star << QPointF(78 + radius * std::cos(a), 20 + radius * std::sin(a));
    }
    p.setPen(Outline(kGold.darker(130), 1.0));
    p.setBrush(kGold);
    p.drawPolygon(star);
}

// A disk with an arrow going down into it.
void DrawSave(QPainter& p, const Cell& c) {
    const QRectF disk(16, 26, 68, 68);
    const QPolygonF body{disk.topLeft(), QPointF(disk.right() - 10, disk.top()), QPointF(disk.right(), disk.top() + 10),
                         disk.bottomRight(), disk.bottomLeft()};
    p.setPen(Outline(kInk, 1.5));
    p.setBrush(kGreen);
    p.drawPolygon(body);
    p.setBrush(kGold);
    p.drawRect(QRectF(32, 26, 34, 20));
    p.setBrush(kGreen);
    p.drawRect(QRectF(54, 29, 8, 14));
    p.setBrush(kIvory);
    p.drawRect(QRectF(26, 56, 48, 32));
    p.setPen(Outline(kIvoryDark, 2.0));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(31, 65 + i * 8), QPointF(69, 65 + i * 8));
    // The arrow drops from above into the label; it turns red as it lands.
    const double y = 2 + 52 * c.phase;
    const QColor colour = c.index == c.count - 1 ? kRed : kRed.lighter(120);
    p.setPen(Outline(colour, 5.0));
    p.drawLine(QPointF(50, y), QPointF(50, y + 16));
    p.setPen(Outline(colour, 1.0));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{QPointF(50, y + 26), QPointF(40, y + 14), QPointF(60, y + 14)});
}

}  // namespace

StripPainter::StripPainter(PictureKind kind) : kind_(kind), cellCount_(PictureAnimation(kind).CellCount()) {}

void StripPainter::Paint(QPainter& painter, const QRectF& area, int cell) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, kIvory);
    const double side = std::min(area.width(), area.height());
    painter.translate(area.center().x() - side / 2, area.center().y() - side / 2);
    painter.scale(side / 100.0, side / 100.0);
    painter.setClipRect(QRectF(0, 0, 100, 100));

    const int index = std::clamp(cell, 0, cellCount_ - 1);
    const Cell c{index, cellCount_, cellCount_ > 1 ? static_cast<double>(index) / (cellCount_ - 1) : 0.0};
    switch (kind_) {
        case PictureKind::Uscita:
            DrawExitDoor(painter, c);
            break;
        case PictureKind::Info:
            DrawInfo(painter, c);
            break;
        case PictureKind::Setup:
            DrawGear(painter, c);
            break;
        case PictureKind::Stampante:
            DrawPrinter(painter, c);
            break;
        case PictureKind::Copia:
            DrawCopy(painter, c);
            break;
        case PictureKind::Cerca:
            DrawSearch(painter, c);
            break;
        case PictureKind::Nuova:
            DrawNewSlip(painter, c);
            break;
        case PictureKind::Salva:
            DrawSave(painter, c);
            break;
    }
    painter.restore();
}

QPixmap StripPainter::Strip(const QSize& cellSize) const {
    QPixmap strip(cellSize.width() * cellCount_, cellSize.height());
    strip.fill(kIvory);
    QPainter painter(&strip);
    for (int cell = 0; cell < cellCount_; ++cell) {
        Paint(painter, QRectF(QPointF(cell * cellSize.width(), 0), QSizeF(cellSize)), cell);
    }
    return strip;
}

QPixmap DrawTabTitle(const QString& text, bool active) {
    QFont font(kFontFamily, 9);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text) + 24;
    const int height = metrics.height() + 10;
    QPixmap title(width, height);
    title.fill(Qt::transparent);

    QPainter p(&title);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF plate(1, 1, width - 2, height - 2);
    p.setPen(QPen(active ? kGreen : kGold, 1.5));
    p.setBrush(active ? kGold : kGreen);
    p.drawRoundedRect(plate, 6, 6);
    // A thin highlight along the top edge gives the plate some relief.
    p.setPen(QPen(active ? kGoldLight : kGreenLight, 1.0));
    p.drawLine(QPointF(7, 3), QPointF(width - 7, 3));
    p.setFont(font);
    p.setPen(active ? kInk : kIvory);
    p.drawText(plate, Qt::AlignCenter, text);
    return title;
}

}  // namespace fortunara

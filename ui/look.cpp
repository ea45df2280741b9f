#include "ui/look.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTableView>

#include "ui/strip_painter.h"

namespace fortunara {

namespace {

QPalette ProgramPalette() {
    QPalette palette;
    const QColor paper = look::kIvory.lighter(102);
    palette.setColor(QPalette::Window, look::kIvory);
    palette.setColor(QPalette::WindowText, look::kInk);
    palette.setColor(QPalette::Base, QColor(255, 253, 247));
    palette.setColor(QPalette::AlternateBase, paper.darker(104));
    palette.setColor(QPalette::Text, look::kInk);
    palette.setColor(QPalette::Button, look::kIvoryDark);
    palette.setColor(QPalette::ButtonText, look::kInk);
    palette.setColor(QPalette::BrightText, look::kRed);
    palette.setColor(QPalette::Highlight, look::kGold);
    palette.setColor(QPalette::HighlightedText, look::kInk);
    palette.setColor(QPalette::ToolTipBase, look::kIvory);
    palette.setColor(QPalette::ToolTipText, look::kGreen);
    palette.setColor(QPalette::Light, QColor(255, 252, 242));
    palette.setColor(QPalette::Midlight, look::kIvoryDark.lighter(106));
    palette.setColor(QPalette::Mid, look::kGreenLight);
    palette.setColor(QPalette::Dark, look::kGreen);
    palette.setColor(QPalette::Shadow, look::kGreen.darker(140));
    palette.setColor(QPalette::Link, look::kGreen);
    palette.setColor(QPalette::PlaceholderText, look::kGreenLight);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(150, 145, 130));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 145, 130));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(150, 145, 130));
    return palette;
}

// Only what the palette cannot say: header and frame colours, button plates, group frames.
QString ProgramStyleSheet() {
    const QString green = look::kGreen.name();
    const QString greenLight = look::kGreenLight.name();
    const QString gold = look::kGold.name();
    const QString ivory = look::kIvory.name();
    const QString ivoryDark = look::kIvoryDark.name();
    return QString(R"(
QHeaderView::section {
    background: %1; color: %4; font-weight: bold; padding: 2px 4px;
    border: 0px; border-right: 1px solid %2; border-bottom: 1px solid %3;
}
QTableView { gridline-color: %5; border: 2px solid %1; }
QListWidget { border: 2px solid %1; }
QTabWidget::pane { border: 2px solid %1; border-radius: 3px; top: -1px; background: %4; }
QTabBar::tab { background: transparent; border: 0px; padding: 3px 1px 2px 1px; margin-right: 2px; }
QGroupBox { border: 1px solid %2; border-radius: 5px; margin-top: 12px; padding-top: 4px; }
QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: %1; font-weight: bold; }
QPushButton {
    color: %1; font-weight: bold; padding: 5px 12px; border: 1px solid %1; border-radius: 5px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffdf6, stop:1 %5);
}
QPushButton:hover { border: 2px solid %3; }
QPushButton:pressed { background: %3; color: #1e1e1e; }
QPushButton:disabled { color: #9a9482; border-color: #b9b29d; }
QLineEdit { border: 1px solid %1; border-radius: 3px; padding: 2px 4px; background: #fffdf7; }
QToolTip { border: 1px solid %1; }
)")
        .arg(green, greenLight, gold, ivory, ivoryDark);
}

}  // namespace

void ApplyLook(QApplication& application) {
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(ProgramPalette());
    QApplication::setFont(QFont(look::kFontFamily, 9));
    application.setStyleSheet(ProgramStyleSheet());
}

QFont GridFont() {
    QFont font("DejaVu Sans Mono", 10);
    font.setStyleHint(QFont::Monospace);
    return font;
}

QFont CaptionFont(int pointSize) {
    QFont font(look::kFontFamily, pointSize);
    font.setBold(true);
    return font;
}

int TwipsToPixels(int twips) {
    return twips / 13;
}

void StyleGrid(QTableView& grid) {
    grid.setFont(GridFont());
    grid.verticalHeader()->setVisible(false);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid.setAlternatingRowColors(true);
    grid.setWordWrap(false);
    grid.setCornerButtonEnabled(false);
    grid.horizontalHeader()->setHighlightSections(false);
    grid.horizontalHeader()->setFont(CaptionFont(9));
    grid.verticalHeader()->setDefaultSectionSize(21);
    grid.verticalHeader()->setMinimumSectionSize(18);
}

void StyleTabs(QTabWidget& tabs) {
    tabs.setStyleSheet(QString("QTabBar::tab { padding: 5px 22px; margin-right: 3px; color: %1; font-weight: bold;"
                               " background: %2; border: 1px solid %1; border-bottom: 0px;"
                               " border-top-left-radius: 5px; border-top-right-radius: 5px; }"
                               " QTabBar::tab:selected { background: %3; }")
                           .arg(look::kGreen.name(), look::kIvoryDark.name(), look::kGold.name()));
}

}  // namespace fortunara

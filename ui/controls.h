#pragma once

#include <QString>
#include <QWidget>

#include "state/picture_animation.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace fortunara {

class AnimatedPicture;

// Small makers for the main window's controls: each gets its object name (the name the rest of
// the program knows it by) and the program's look.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption);
// A window's main buttons: bold captions, at least 36 pixels high.
QPushButton* MakeWideButton(QWidget* parent, const QString& name, const QString& caption);
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text = QString());
// A figure in a sunken panel, large and centred (a count, a percentage).
QLabel* MakeFigure(QWidget* parent, const QString& name, int pointSize, const QString& text = QString());
// A caption beside a control: bold deep green, no name of its own needed.
QLabel* MakeCaption(QWidget* parent, const QString& text, int pointSize = 9);
QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, bool ticked);
QRadioButton* MakeOption(QWidget* parent, const QString& name, const QString& caption);
// Scroll bars run their change step once, when the thumb is released: no tracking.
QScrollBar* MakeScrollBar(QWidget* parent, const QString& name, Qt::Orientation orientation);
QListWidget* MakeList(QWidget* parent, const QString& name);
QGroupBox* MakeFrame(QWidget* parent, const QString& name, const QString& caption);
AnimatedPicture* MakePicture(QWidget* parent, PictureKind kind, const QString& name, const QString& caption);

// A background the pointer can rest on (`Sfondo`, `SfondoTab(n)`): it reports every pointer move
// that reaches it, so the window can stop the animations.
class Backdrop : public QWidget {
    Q_OBJECT

public:
    Backdrop(const QString& name, QWidget* parent = nullptr);

signals:
    void pointerMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace fortunara

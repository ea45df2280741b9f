#include "ui/controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "ui/animated_picture.h"
#include "ui/look.h"
#include "ui/strip_painter.h"

namespace fortunara {

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QPushButton* MakeWideButton(QWidget* parent, const QString& name, const QString& caption) {
    QPushButton* button = MakeButton(parent, name, caption);
    button->setMinimumHeight(36);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel* MakeFigure(QWidget* parent, const QString& name, int pointSize, const QString& text) {
    QLabel* label = MakeLabel(parent, name, text);
    label->setFont(CaptionFont(pointSize));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumHeight(30);
    return label;
}

QLabel* MakeCaption(QWidget* parent, const QString& text, int pointSize) {
    auto* label = new QLabel(text, parent);
    label->setFont(CaptionFont(pointSize));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, look::kGreen);
    label->setPalette(colours);
    return label;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, bool ticked) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(ticked);
    return box;
}

QRadioButton* MakeOption(QWidget* parent, const QString& name, const QString& caption) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    return option;
}

QScrollBar* MakeScrollBar(QWidget* parent, const QString& name, Qt::Orientation orientation) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(name);
    bar->setTracking(false);
    bar->setRange(0, 0);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    if (orientation == Qt::Horizontal) bar->setMinimumWidth(180);
    return bar;
}

QGroupBox* MakeFrame(QWidget* parent, const QString& name, const QString& caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

QListWidget* MakeList(QWidget* parent, const QString& name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setFont(GridFont());
    return list;
}

AnimatedPicture* MakePicture(QWidget* parent, PictureKind kind, const QString& name, const QString& caption) {
    auto* picture = new AnimatedPicture(kind, parent);
    picture->setObjectName(name);
    if (!caption.isEmpty()) picture->SetCaption(caption);
    picture->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return picture;
}

Backdrop::Backdrop(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void Backdrop::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved();
    event->accept();
}

}  // namespace fortunara

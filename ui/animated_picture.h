#pragma once

#include <QString>
#include <QWidget>

#include "state/picture_animation.h"
#include "ui/strip_painter.h"

namespace fortunara {

// A picture that acts as a button and comes alive while the pointer rests on it. It shows the
// strip cell its animation chooses; the owner's 30 ms timer calls Tick(), the owner's
// backgrounds call Reset(). An optional caption is drawn under the picture.
class AnimatedPicture : public QWidget {
    Q_OBJECT

public:
    explicit AnimatedPicture(PictureKind kind, QWidget* parent = nullptr);

    PictureKind Kind() const { return animation_.Kind(); }
    const PictureAnimation& Animation() const { return animation_; }

    // One timer tick; repaints and returns true when the shown cell changed.
    bool Tick();
    // Back to the rest cell with flag and counters cleared (pointer over a background).
    void Reset();
    // The rest cell, counters untouched (the picture's tab was chosen).
    void ShowRest();

    void SetCaption(const QString& caption);
    QString Caption() const { return caption_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void hovered();   // the pointer moved over the picture
    void pressed();   // a mouse button went down on it
    void released();  // a mouse button went up with the pointer still on it
    void clicked();   // the left button went down and up on it

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect PictureArea() const;

    PictureAnimation animation_;
    StripPainter painter_;
    QString caption_;
    bool leftDown_ = false;
};

}  // namespace fortunara

#include "ui/animated_picture.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/look.h"

namespace fortunara {

namespace {

constexpr int kPictureSide = 56;
constexpr int kCaptionPointSize = 8;

}  // namespace

AnimatedPicture::AnimatedPicture(PictureKind kind, QWidget* parent)
    : QWidget(parent), animation_(kind), painter_(kind) {
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool AnimatedPicture::Tick() {
    const bool changed = animation_.Tick();
    if (changed) update();
    return changed;
}

void AnimatedPicture::Reset() {
    const int before = animation_.Cell();
    animation_.Reset();
    if (animation_.Cell() != before) update();
}

void AnimatedPicture::ShowRest() {
    const int before = animation_.Cell();
    animation_.ShowRest();
    if (animation_.Cell() != before) update();
}

void AnimatedPicture::SetCaption(const QString& caption) {
    caption_ = caption;
    updateGeometry();
    update();
}

QSize AnimatedPicture::sizeHint() const {
    if (caption_.isEmpty()) return {kPictureSide, kPictureSide};
    const QFontMetrics metrics(CaptionFont(kCaptionPointSize));
    return {std::max(kPictureSide, metrics.horizontalAdvance(caption_) + 6), kPictureSide + metrics.height() + 2};
}

QSize AnimatedPicture::minimumSizeHint() const {
    return {24, 24};
}

QRect AnimatedPicture::PictureArea() const {
    if (caption_.isEmpty()) return rect();
    const QFontMetrics metrics(CaptionFont(kCaptionPointSize));
    return rect().adjusted(0, 0, 0, -(metrics.height() + 2));
}

void AnimatedPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), look::kIvory);
    painter_.Paint(painter, PictureArea(), animation_.Cell());
    if (!caption_.isEmpty()) {
        painter.setFont(CaptionFont(kCaptionPointSize));
        painter.setPen(look::kGreen);
        painter.drawText(rect().adjusted(0, PictureArea().height(), 0, 0), Qt::AlignHCenter | Qt::AlignTop, caption_);
    }
}

void AnimatedPicture::mouseMoveEvent(QMouseEvent* event) {
    animation_.Hover();
    emit hovered();
    event->accept();
}

void AnimatedPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftDown_ = true;
    emit pressed();
    event->accept();
}

void AnimatedPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    const bool wasLeftDown = leftDown_ && event->button() == Qt::LeftButton;
    if (event->button() == Qt::LeftButton) leftDown_ = false;
    event->accept();
    if (!inside) return;
    emit released();
    if (wasLeftDown) emit clicked();
}

}  // namespace fortunara

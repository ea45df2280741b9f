#pragma once

#include <QCursor>
#include <QWidget>

namespace fortunara {

// The busy pointer over a control while a handler works; the control's own pointer comes back when
// the handler leaves, however it leaves.
class BusyPointer {
public:
    explicit BusyPointer(QWidget& widget) : widget_(widget), shape_(widget.cursor()) {
        widget_.setCursor(Qt::WaitCursor);
    }
    ~BusyPointer() { widget_.setCursor(shape_); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    QWidget& widget_;
    QCursor shape_;
};

}  // namespace fortunara

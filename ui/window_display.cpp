#include "ui/window_display.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/api/modal_runner.h"

namespace fortunara {

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    // A window never shown has no size of its own yet: give it the one showing it would give.
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Resized)) window.adjustSize();
    const QRect area = screen->availableGeometry();
    const double left = (area.width() - window.width()) / 2.0;
    const double top = (area.height() - window.height()) / 2.0;
    window.move(area.x() + static_cast<int>(left), area.y() + static_cast<int>(top));
}

bool RunModalWindow(ModalRunner& runner, const WindowFactory& factory, QWidget* parent) {
    QWidget* window = factory ? factory(parent) : nullptr;
    if (window == nullptr) return false;
    window->setWindowFlag(Qt::Window);
    RunModal(runner, *window);
    delete window;
    return true;
}

void RunModal(ModalRunner& runner, QWidget& window) {
    CentreOnScreen(window);
    runner.RunModal(window);
}

}  // namespace fortunara

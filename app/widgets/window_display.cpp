#include "app/widgets/window_display.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace fortunara {

namespace {

// Ends a local event loop when the watched window closes or hides.
class CloseWatcher : public QObject {
public:
    explicit CloseWatcher(QEventLoop& loop) : loop_(loop) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close || event->type() == QEvent::Hide) loop_.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& loop_;
};

}  // namespace

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const double left = (area.width() - window.width()) / 2.0;
    const double top = (area.height() - window.height()) / 2.0;
    window.move(area.x() + static_cast<int>(left), area.y() + static_cast<int>(top));
}

void ShowModal(QWidget& window) {
    if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        dialog->exec();
        return;
    }
    QPointer<QWidget> guard(&window);
    window.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    CloseWatcher watcher(loop);
    window.installEventFilter(&watcher);
    QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window.show();
    loop.exec();
    if (guard) guard->removeEventFilter(&watcher);
}

bool RunModalWindow(const WindowFactory& factory, QWidget* parent) {
    QWidget* window = factory(parent);
    if (window == nullptr) return false;
    window->setWindowFlag(Qt::Window);
    CentreOnScreen(*window);
    ShowModal(*window);
    delete window;
    return true;
}

}  // namespace fortunara

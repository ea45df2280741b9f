#include "tests/app/sestine_fixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "app/windows/module1.h"
#include "archive/core/draw_record.h"

namespace fortunara::test {

std::string MadeUpRecord(int k) {
    const int day = (k - 1) % 28 + 1;
    const int month = ((k - 1) / 28) % 12;
    const int year = 1990 + (k - 1) / 336;
    std::string date =
        (day < 10 ? "0" : "") + std::to_string(day) + std::string(kMonthCodes[month]) + std::to_string(year);
    const int base = k % 79;
    return FormatDrawRecord(date, {base + 11, base + 1, base + 9, base + 3, base + 7, base + 5, base + 2, base + 4});
}

std::string MadeUpArchive(int count, const std::map<int, std::string>& replaced) {
    std::string bytes;
    for (int k = 1; k <= count; ++k) {
        const auto it = replaced.find(k);
        bytes += it != replaced.end() ? it->second : MadeUpRecord(k);
    }
    return bytes;
}

StartedProgram::StartedProgram(const std::string& archiveBytes, WindowOpeners openers) : platform(fakes.platform()) {
    folder.WriteArchive(archiveBytes);
    state.programFolder = folder.path();
    SestineHooks hooks;
    hooks.openers = std::move(openers);
    hooks.quit = [this] { ++quitCalls; };
    window = Module1(state, platform, std::move(hooks));
}

namespace {

void Send(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
    const QPointF local = QRectF(widget->rect()).center();
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

void MovePointerOver(QWidget* widget) {
    Send(widget, QEvent::MouseMove, Qt::NoButton);
}
void PressOn(QWidget* widget) {
    Send(widget, QEvent::MouseButtonPress, Qt::LeftButton);
}
void ReleaseOn(QWidget* widget) {
    Send(widget, QEvent::MouseButtonRelease, Qt::LeftButton);
}

}  // namespace fortunara::test

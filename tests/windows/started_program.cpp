#include "tests/windows/started_program.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <fstream>
#include <sstream>

#include "app/program/program_hooks.h"
#include "app/windows/module1.h"
#include "archive/core/draw_record.h"
#include "ui/data_grid.h"

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

std::string Records(const std::vector<std::pair<std::string, std::array<int, 8>>>& draws) {
    std::string bytes;
    for (const auto& [date, numbers] : draws) bytes += FormatDrawRecord(date, numbers);
    return bytes;
}

const std::string& BundledArchive() {
    static const std::string bytes = [] {
        std::ifstream in(RealArchive(), std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }();
    return bytes;
}

std::string GoldenArchive() {
    return BundledArchive().substr(0, std::size_t{4253} * 25);
}

std::string BundledRecord(int k) {
    return BundledArchive().substr(static_cast<std::size_t>(k - 1) * 25, 25);
}

namespace {

Platform WithDownloader(Platform platform, Downloader* downloader) {
    if (downloader == nullptr) return platform;
    return Platform{platform.printer,  platform.dialogs, platform.clipboard, platform.sounds,
                    platform.launcher, *downloader,      platform.modal};
}

}  // namespace

StartedProgram::StartedProgram(const std::string& archiveBytes, const HookAdjustment& adjust, Downloader* downloader)
    : platform(WithDownloader(fakes.platform(), downloader)) {
    folder.WriteArchive(archiveBytes);
    state.programFolder = folder.path();
    SestineHooks hooks = ProgramHooks(state, platform);
    hooks.quit = [this] { ++quitCalls; };
    if (adjust) adjust(hooks, state, platform);
    window = Module1(state, platform, std::move(hooks));
}

std::vector<std::string> StartedProgram::ClickCommands(const std::vector<std::string>& commands) const {
    std::vector<std::string> log = {"MMControl1 " + (folder.path() / "POP.WAV").string()};
    for (const std::string& command : commands) log.push_back("MMControl1 " + command);
    return log;
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

std::vector<std::string> Texts(const QListWidget& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.count(); ++i) texts.push_back(list.item(i)->text().toStdString());
    return texts;
}

std::string TagSlug() {
    std::string slug;
    for (const char c : std::string(QTest::currentDataTag())) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        const char kept = plain ? c : (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : '-';
        if (kept != '-' || (!slug.empty() && slug.back() != '-')) slug += kept;
    }
    return slug;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::vector<std::vector<std::string>> GridRows(const DataGrid& grid) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r < grid.Rows(); ++r) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int c = 0; c < grid.Columns(); ++c) row.push_back(grid.Text(r, c).toStdString());
    }
    return rows;
}

std::vector<std::string> GridHeaders(const DataGrid& grid) {
    std::vector<std::string> headers;
    for (int c = 0; c < grid.Columns(); ++c) headers.push_back(grid.Text(0, c).toStdString());
    return headers;
}

}  // namespace fortunara::test

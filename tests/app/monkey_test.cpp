// A monkey over every window of the program: random clicks, keys, scrolls and answers to every
// question and modal window, drawn from a fixed seed. Nothing may crash, and the archive may change
// only in a step where a writer of it was pressed (the save, the conversion, the import of a row,
// the download); every other button leaves it as it was. The run ends in Archivio and Sistemi, and
// must have reached every window, those behind a chosen matrix or a developed system included.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/windows/sestine.h"
#include "tests/windows/started_program.h"
#include "tests/windows/window_test_main.h"
#include "ui/animated_picture.h"
#include "ui/look.h"

namespace fortunara::test {

namespace fs = std::filesystem;

class Monkey {
public:
    Monkey(StartedProgram& program, unsigned seed) : program_(program), random_(seed) {
        FakePlatform& fakes = program.fakes;
        fakes.dialogs.improviseAnswer = [this](const DialogQuestion& question) {
            if (question.buttons == DialogButtons::Ok) return DialogAnswer::Ok;
            return Chance(2) ? DialogAnswer::Yes : DialogAnswer::No;
        };
        fakes.dialogs.improviseText = [this](const DialogQuestion& question) {
            const std::string texts[] = {
                "", "0", "1", "7", "45", "90", "91", "-3", "12GEN2010", "abc", question.initial};
            return texts[Pick(std::size(texts))];
        };
        // A modal window shows as the modal loop shows it, gets a few steps of its own until one of
        // them closes it, then closes.
        fakes.modal.improvise = [this](QWidget& window) {
            QPointer<QWidget> shown = &window;
            window.show();
            for (int k = 1 + static_cast<int>(Pick(20)); k > 0 && steps_ < kSteps && shown && shown->isVisible(); --k) {
                Act(*shown);
            }
            if (shown && shown->isVisible()) shown->close();
            if (shown) shown->hide();
        };
    }

    static constexpr int kSteps = 5000;
    static constexpr int kFreeSteps = 3500;

    // One step on a window the user could reach: the main window or one of the open windows.
    void Step() {
        QWidget* main = program_.window.get();
        if (!main->isVisible()) main->show();
        std::vector<QWidget*> windows = {main};
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != main && widget->isVisible() && widget->isWindow()) windows.push_back(widget);
        }
        Act(*windows[Pick(windows.size())]);
    }

    // A step of the last phase: the main window's own launcher opens Archivio or Sistemi, where the
    // windows behind a chosen matrix or a developed system wait; the free steps, shared among the
    // modeless windows that stay open, seldom get that deep.
    void Visit() {
        const LaunchedWindow which = Chance(3) ? LaunchedWindow::Sistemi : LaunchedWindow::Archivio;
        trail += which == LaunchedWindow::Sistemi ? " open Sistemi" : " open Archivio";
        program_.window->OpenWindow(which);
        QCoreApplication::processEvents();
    }

    int steps() const { return steps_; }
    bool writerPressed = false;
    // What the steps since it was cleared pressed, for a failure's message.
    QString trail;
    // The kinds of window the steps reached, and the steps taken on each.
    std::map<QString, int> windows;

private:
    bool Chance(std::size_t outOf) { return Pick(outOf) == 0; }
    std::size_t Pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_); }

    // Whether pressing the widget may write the archive: the writers the user starts himself.
    static bool WritesTheArchive(const QWidget& widget) {
        const QString name = widget.objectName();
        for (const QObject* owner = &widget; owner != nullptr; owner = owner->parent()) {
            const QString kind = owner->metaObject()->className();
            if (kind == "fortunara::MaintenanceTab" && (name == "Animazione_Salva" || name == "Command1")) return true;
            if (kind == "fortunara::Browser" && name == "Command2") return true;
            if (kind == "fortunara::Form45" && name == "Command3D14") return true;
        }
        return false;
    }

    void Act(QWidget& window) {
        ++steps_;
        ++windows[window.metaObject()->className()];
        std::vector<QWidget*> targets;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (!widget->isVisible() || !widget->isEnabled()) continue;
            if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<AnimatedPicture*>(widget) ||
                qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                qobject_cast<QAbstractSlider*>(widget) || qobject_cast<QTabBar*>(widget) ||
                qobject_cast<QAbstractItemView*>(widget)) {
                targets.push_back(widget);
            }
        }
        if (targets.empty()) return;
        QPointer<QWidget> target = targets[Pick(targets.size())];
        // On a window with a list or a grid where nothing is chosen yet, the user often chooses a
        // row before anything else: what Archivio's matrix buttons and others wait for.
        for (QWidget* widget : targets) {
            auto* view = qobject_cast<QAbstractItemView*>(widget);
            if (view != nullptr && view->model() != nullptr && view->model()->rowCount(view->rootIndex()) > 0 &&
                !view->currentIndex().isValid() && Chance(2)) {
                target = view;
                break;
            }
        }
        if (WritesTheArchive(*target)) writerPressed = true;
        trail += QString(" %1/%2/%3")
                     .arg(window.metaObject()->className(), target->metaObject()->className(), target->objectName());
        if (auto* button = qobject_cast<QAbstractButton*>(target)) {
            button->click();
        } else if (auto* picture = qobject_cast<AnimatedPicture*>(target)) {
            PressOn(picture);
            if (target) ReleaseOn(picture);
        } else if (auto* line = qobject_cast<QLineEdit*>(target)) {
            const char* typed[] = {"5", "90", "0", "12GEN2010", "31FEB2021", "x", "1,2,3"};
            line->setFocus();
            line->selectAll();
            QTest::keyClicks(line, typed[Pick(std::size(typed))]);
            if (target && Chance(2)) QTest::keyClick(line, Qt::Key_Return);
        } else if (auto* combo = qobject_cast<QComboBox*>(target)) {
            if (combo->count() > 0)
                combo->setCurrentIndex(static_cast<int>(Pick(static_cast<std::size_t>(combo->count()))));
        } else if (auto* slider = qobject_cast<QAbstractSlider*>(target)) {
            const int span = slider->maximum() - slider->minimum();
            slider->setValue(slider->minimum() + static_cast<int>(Pick(static_cast<std::size_t>(span) + 1)));
            if (target) emit slider->sliderReleased();
        } else if (auto* tabs = qobject_cast<QTabBar*>(target)) {
            tabs->setCurrentIndex(static_cast<int>(Pick(static_cast<std::size_t>(tabs->count()))));
        } else if (auto* view = qobject_cast<QAbstractItemView*>(target)) {
            // Mostly on one of the rows, as a user picks from a list or a grid (a quantity from
            // Archivio's list, a row to work on): a point off the rows mostly moves to one of them.
            QWidget* area = view->viewport();
            QPoint at(static_cast<int>(Pick(static_cast<std::size_t>(std::max(1, area->width())))),
                      static_cast<int>(Pick(static_cast<std::size_t>(std::max(1, area->height())))));
            const QAbstractItemModel* model = view->model();
            const int rows = model != nullptr ? model->rowCount(view->rootIndex()) : 0;
            const int columns = model != nullptr ? model->columnCount(view->rootIndex()) : 0;
            if (rows > 0 && columns > 0 && !view->indexAt(at).isValid() && !Chance(4)) {
                const QModelIndex index =
                    model->index(static_cast<int>(Pick(static_cast<std::size_t>(rows))),
                                 static_cast<int>(Pick(static_cast<std::size_t>(columns))), view->rootIndex());
                view->scrollTo(index);
                const QRect cell = view->visualRect(index);
                if (cell.isValid() && area->rect().contains(cell.center())) at = cell.center();
            }
            if (Chance(3)) {
                QTest::mouseDClick(area, Qt::LeftButton, {}, at);
            } else {
                QTest::mouseClick(area, Qt::LeftButton, {}, at);
            }
            if (target && Chance(2)) QTest::keyClick(view, Chance(2) ? Qt::Key_Down : Qt::Key_PageUp);
        }
        QCoreApplication::processEvents();
    }

    StartedProgram& program_;
    std::mt19937 random_;
    int steps_ = 0;
};

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomStepsChangeTheArchiveOnlyThroughItsWriters() {
        // The program folder as the program fills it, and a text archive to convert.
        const HookAdjustment fill = [](SestineHooks&, ProgramState& state, Platform&) {
            fs::copy(Assets(), state.programFolder, fs::copy_options::recursive | fs::copy_options::skip_existing);
            std::ofstream(state.programFolder / "archivio.txt") << MadeUpRecord(301) << "\r\n";
        };
        StartedProgram program(MadeUpArchive(300), fill);
        program.fakes.downloader.bytes = MadeUpArchive(302);
        program.window->show();
        Monkey monkey(program, 20260821);
        const fs::path archive = program.folder.path() / "dati" / "estraz09.txt";
        std::string before = program.folder.ReadFile("dati/estraz09.txt");
        int changes = 0;
        while (monkey.steps() < Monkey::kSteps) {
            monkey.writerPressed = false;
            monkey.trail.clear();
            if (monkey.steps() < Monkey::kFreeSteps) {
                monkey.Step();
            } else {
                monkey.Visit();
            }
            std::string now = program.folder.ReadFile("dati/estraz09.txt");
            if (now == before) continue;
            QVERIFY2(monkey.writerPressed,
                     qPrintable(QString("the archive changed in step %1:%2").arg(monkey.steps()).arg(monkey.trail)));
            ++changes;
            before = std::move(now);
        }
        QVERIFY(fs::exists(archive));
        QStringList reached;
        for (const auto& [kind, count] : monkey.windows) reached << QString("%1:%2").arg(kind).arg(count);
        qInfo("%d steps, the archive written in %d of them, windows: %s", monkey.steps(), changes,
              qPrintable(reached.join(' ')));
        // Every window of the program, those behind a chosen matrix or a developed system included.
        for (const char* kind : {"Sestine", "Archivio", "Sistemi", "METODOVERTIBILI", "Setup", "Browser", "Form45",
                                 "FORM18", "Presenti", "Controllo", "Schedine", "GaranzieWindow"}) {
            QVERIFY2(monkey.windows.count(QString("fortunara::") + kind) == 1, qPrintable(QString("never in ") + kind));
        }
    }
};

}  // namespace fortunara::test

int main(int argc, char** argv) {
    return fortunara::test::RunWindowTests(argc, argv, [](int count, char** arguments) {
        fortunara::ApplyLook(*qApp);
        fortunara::test::MonkeyTest tests;
        return QTest::qExec(&tests, count, arguments);
    });
}

#include "monkey_test.moc"

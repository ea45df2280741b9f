#pragma once

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "state/program_state.h"
#include "systems/core/sistemi_memory.h"
#include "systems/windows/sistemi.h"
#include "systems/windows/system_grid_model.h"
#include "tests/fakes/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace fortunara::test {

// A fresh program folder (ten draws, an empty matrix library), fresh shared state and fakes, and
// a system window on them. Every test function builds its own.
struct SistemiBench {
    TempFolder folder;
    ProgramState state;
    FakePlatform fakes;
    Platform platform = fakes.platform();
    SistemiMemory memory;
    std::unique_ptr<Sistemi> window;

    explicit SistemiBench(SistemiOpeners openers = {}) {
        folder.CopyFixture("archive-ten-draws.txt", "dati/estraz09.txt");
        folder.WriteFile("matrion/SISTEMI.TXT", "\"\"\r\n\"STOP\"\r\n");
        state.programFolder = folder.path();
        state.RecordCount = 10;
        state.ClickSoundOn = 0;
        window = std::make_unique<Sistemi>(state, platform, memory, std::move(openers));
    }

    template <typename T>
    T* Find(const QString& name) const {
        T* control = window->findChild<T*>(name);
        if (control == nullptr) qFatal("missing control %s", qPrintable(name));
        return control;
    }
    QPushButton* Button(const QString& name) const { return Find<QPushButton>(name); }

    // The numbers 1..n entered through "NUMERI".
    void EnterNumbers(const std::vector<int>& numbers) {
        window->Textbox1->setText(QString::number(numbers.size()));
        for (const int n : numbers) fakes.dialogs.AnswerText(std::to_string(n));
        window->CommandButton1->click();
    }
    void EnterRange(int first, int last) {
        std::vector<int> numbers;
        for (int n = first; n <= last; ++n) numbers.push_back(n);
        EnterNumbers(numbers);
    }
    void ChooseGuarantee(int index) {
        window->Combo1->setCurrentIndex(index);
        emit window->Combo1->activated(index);
    }
    // Presses "SVILUPPO" and waits for the run to end.
    bool Develop() {
        window->CommandButton11->click();
        return QTest::qWaitFor([this] { return !window->Running(); }, 20000);
    }
    QString Cell(int row, int column) const { return window->GridModel().CellText(row, column); }
    std::vector<QString> GridRow(int row) const {
        std::vector<QString> cells;
        for (int c = 0; c <= 6; ++c) cells.push_back(Cell(row, c));
        return cells;
    }
};

}  // namespace fortunara::test

#pragma once

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "matrices/windows/archivio.h"
#include "state/program_state.h"
#include "tests/fakes/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace fortunara::test {

// A fresh program folder with the given index, fresh shared state and fakes, and the matrix window
// on them. Every test function builds its own.
template <typename T>
T* Child(const QWidget& window, const QString& name) {
    T* control = window.findChild<T*>(name);
    if (control == nullptr) qFatal("missing control %s", qPrintable(name));
    return control;
}

// The captions of CommandButton3(0..15).
inline std::vector<std::string> MatrixCaptions(const QWidget& window) {
    std::vector<std::string> captions;
    for (int i = 0; i < 16; ++i) {
        captions.push_back(Child<QPushButton>(window, QString("CommandButton3(%1)").arg(i))->text().toStdString());
    }
    return captions;
}

// A click on the quantity's line of List1.
inline void ClickQuantity(const QWidget& window, int quantity) {
    QListWidget* list = Child<QListWidget>(window, "List1");
    QListWidgetItem* item = list->item(quantity - 1);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
}

// The captions of matrices followed by blank ones, sixteen in all.
inline std::vector<std::string> Captions(std::vector<std::string> shown) {
    shown.resize(16, " ");
    return shown;
}

struct ArchivioBench {
    TempFolder folder;
    ProgramState state;
    FakePlatform fakes;
    Platform platform = fakes.platform();
    std::unique_ptr<Archivio> window;

    explicit ArchivioBench(const std::string& index, ArchivioOpeners openers = {}) {
        folder.WriteFile("matrion/SISTEMI.TXT", index);
        state.programFolder = folder.path();
        state.ClickSoundOn = 0;
        window = std::make_unique<Archivio>(state, platform, std::move(openers));
    }

    template <typename T>
    T* Find(const QString& name) const {
        return Child<T>(*window, name);
    }
    QPushButton* Button(const QString& name) const { return Find<QPushButton>(name); }
    QPushButton* MatrixButton(int i) const { return Button(QString("CommandButton3(%1)").arg(i)); }
    void Click(const QString& button) const { QTest::mouseClick(Button(button), Qt::LeftButton); }
};

// An index of the given names, as the program writes it.
inline std::string IndexOf(const std::vector<std::string>& names) {
    std::string index = "\"\"\r\n";
    for (const std::string& name : names) index += "\"" + name + "\"\r\n";
    return index + "\"STOP\"\r\n";
}

}  // namespace fortunara::test

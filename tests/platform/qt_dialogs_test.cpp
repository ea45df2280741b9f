#include "platform/qt/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/qt_translations.h"

namespace fortunara {
namespace {

TEST(QtDialogsFilter, PatternsMatchFilesInEitherCase) {
    const std::pair<std::string, std::string> rows[] = {
        {"Sistemi (*.SSI)", "Sistemi (*.SSI *.ssi)"},
        {"Testo (*.txt);;Tutti (*.*)", "Testo (*.txt *.TXT);;Tutti (*.*)"},
        {"Matrici (*.MAT *.mat)", "Matrici (*.MAT *.mat)"},
        {"", ""},
    };
    for (const auto& [pattern, expected] : rows) {
        EXPECT_EQ(QtDialogs::CaseFreeFilter(pattern).toStdString(), expected) << pattern;
    }
}

// The buttons Qt draws itself (input and file dialogs) speak Italian like the rest of the program.
TEST(QtTranslations, QtsOwnButtonsAreItalian) {
    InstallItalianTranslations(*QApplication::instance());
    EXPECT_EQ(QApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Annulla");
    EXPECT_EQ(QApplication::translate("QPlatformTheme", "Save").toStdString(), "Salva");
}

}  // namespace
}  // namespace fortunara

#include "platform/qt/qt_dialogs.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace fortunara

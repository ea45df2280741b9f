#include "platform/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace fortunara {

void InstallItalianTranslations(QCoreApplication& application) {
    // Parented to the application, so it lives as long as the texts it translates.
    auto* translator = new QTranslator(&application);
    if (translator->load("qtbase_it", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace fortunara

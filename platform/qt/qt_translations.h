#pragma once

class QCoreApplication;

namespace fortunara {

// Qt's own texts (the buttons of the file and input dialogs, network errors) in Italian, from the
// translations installed with Qt. Without them those texts stay in English and nothing else changes.
void InstallItalianTranslations(QCoreApplication& application);

}  // namespace fortunara

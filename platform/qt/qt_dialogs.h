#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/api/dialogs.h"

namespace fortunara {

// Message boxes, input boxes and file dialogs on the desktop, modal over the given window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }
    // Nobody at the screen (a scripted start): each question goes to standard error and gets the
    // answer that changes nothing (OK, No, an empty text, a cancelled file dialog).
    void SetUnattended(bool unattended) { unattended_ = unattended; }

    DialogAnswer Message(const std::string& text, const std::string& title, DialogButtons buttons = DialogButtons::Ok,
                         DialogIcon icon = DialogIcon::None) override;
    std::string Input(const std::string& prompt, const std::string& title, const std::string& initial = "",
                      int leftTwips = -1, int topTwips = -1) override;
    std::string OpenFile(const std::string& title, const std::string& initialName, const std::string& pattern) override;
    std::string SaveFile(const std::string& title, const std::string& initialName, const std::string& pattern) override;

    // File name patterns match regardless of case, as players' files come from systems that
    // ignore it: "Sistemi (*.SSI)" becomes "Sistemi (*.SSI *.ssi)".
    static QString CaseFreeFilter(const std::string& pattern);

private:
    QPointer<QWidget> parent_;
    bool unattended_ = false;
};

}  // namespace fortunara

#pragma once

#include <string>

namespace fortunara {

// YesNoDefaultNo: a question whose safe answer is No, which Enter gives.
enum class DialogButtons { Ok, YesNo, YesNoDefaultNo };
enum class DialogIcon { None, Information, Warning, Question, Critical };
enum class DialogAnswer { Ok, Yes, No };

// Message boxes, input boxes and file dialogs. Texts are UTF-8.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual DialogAnswer Message(const std::string& text, const std::string& title,
                                 DialogButtons buttons = DialogButtons::Ok, DialogIcon icon = DialogIcon::None) = 0;
    // Returns the typed text, or "" when the user cancelled. Position in twips; negative = centred.
    virtual std::string Input(const std::string& prompt, const std::string& title, const std::string& initial = "",
                              int leftTwips = -1, int topTwips = -1) = 0;
    // File dialogs return the chosen path, or the initial name when the user cancelled.
    // The pattern is a filter such as "Sistemi (*.SSI)".
    virtual std::string OpenFile(const std::string& title, const std::string& initialName,
                                 const std::string& pattern) = 0;
    virtual std::string SaveFile(const std::string& title, const std::string& initialName,
                                 const std::string& pattern) = 0;
};

}  // namespace fortunara

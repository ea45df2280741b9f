#pragma once

#include <deque>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "platform/api/dialogs.h"

namespace fortunara::test {

enum class DialogKind { Message, Input, OpenFile, SaveFile };

// One question the program asked, with its exact texts.
struct DialogQuestion {
    DialogKind kind = DialogKind::Message;
    std::string text;  // message text, input prompt (empty for file dialogs)
    std::string title;
    DialogButtons buttons = DialogButtons::Ok;
    DialogIcon icon = DialogIcon::None;
    std::string initial;  // input default or initial file name
    std::string pattern;  // file dialogs only
    int leftTwips = -1;
    int topTwips = -1;
};

// Answers from a script and records every question. A question nobody scripted is kept in
// unexpected(), gets a harmless answer (Ok, No, "", the initial name) and fails the test, unless
// the test says it does not mind (lenient) or handles it itself (onUnexpected).
class FakeDialogs : public Dialogs {
public:
    // Queues the answer to the next message box.
    void Answer(DialogAnswer answer) { script_.emplace_back(answer); }
    // Queues the text of the next input box or file dialog.
    void AnswerText(std::string text) { script_.emplace_back(std::move(text)); }

    DialogAnswer Message(const std::string& text, const std::string& title, DialogButtons buttons = DialogButtons::Ok,
                         DialogIcon icon = DialogIcon::None) override;
    std::string Input(const std::string& prompt, const std::string& title, const std::string& initial = "",
                      int leftTwips = -1, int topTwips = -1) override;
    std::string OpenFile(const std::string& title, const std::string& initialName, const std::string& pattern) override;
    std::string SaveFile(const std::string& title, const std::string& initialName, const std::string& pattern) override;

    const std::vector<DialogQuestion>& questions() const { return questions_; }
    const std::vector<DialogQuestion>& unexpected() const { return unexpected_; }
    // Scripted answers nobody asked for yet.
    std::size_t pending() const { return script_.size(); }
    // Texts of all message boxes, in order.
    std::vector<std::string> MessageTexts() const;

    // Unscripted questions get their harmless answer without failing the test.
    bool lenient = false;
    // Called for each unexpected question of a strict fake; by default the test fails.
    std::function<void(const DialogQuestion&)> onUnexpected = FailOnUnexpected;

    static void FailOnUnexpected(const DialogQuestion& question);

    // A monkey's answers: when set, a question nobody scripted gets its answer from here (a message
    // box's answer must fit its buttons) and counts as no fault.
    std::function<DialogAnswer(const DialogQuestion&)> improviseAnswer;
    std::function<std::string(const DialogQuestion&)> improviseText;

private:
    std::string TextAnswer(const DialogQuestion& question, const std::string& fallback);
    void Unexpected(const DialogQuestion& question);

    std::deque<std::variant<DialogAnswer, std::string>> script_;
    std::vector<DialogQuestion> questions_;
    std::vector<DialogQuestion> unexpected_;
};

}  // namespace fortunara::test

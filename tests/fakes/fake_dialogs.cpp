#include "tests/fakes/fake_dialogs.h"

#include "tests/fakes/test_failure.h"

namespace fortunara::test {

DialogAnswer FakeDialogs::Message(const std::string& text, const std::string& title, DialogButtons buttons,
                                  DialogIcon icon) {
    DialogQuestion question;
    question.kind = DialogKind::Message;
    question.text = text;
    question.title = title;
    question.buttons = buttons;
    question.icon = icon;
    questions_.push_back(question);

    const auto* scripted = script_.empty() ? nullptr : std::get_if<DialogAnswer>(&script_.front());
    const bool fits = scripted != nullptr &&
                      (buttons != DialogButtons::Ok ? *scripted != DialogAnswer::Ok : *scripted == DialogAnswer::Ok);
    if (fits) {
        const DialogAnswer answer = *scripted;
        script_.pop_front();
        return answer;
    }
    if (improviseAnswer) return improviseAnswer(question);
    Unexpected(question);
    return buttons != DialogButtons::Ok ? DialogAnswer::No : DialogAnswer::Ok;
}

std::string FakeDialogs::Input(const std::string& prompt, const std::string& title, const std::string& initial,
                               int leftTwips, int topTwips) {
    DialogQuestion question;
    question.kind = DialogKind::Input;
    question.text = prompt;
    question.title = title;
    question.initial = initial;
    question.leftTwips = leftTwips;
    question.topTwips = topTwips;
    return TextAnswer(question, "");
}

std::string FakeDialogs::OpenFile(const std::string& title, const std::string& initialName,
                                  const std::string& pattern) {
    DialogQuestion question;
    question.kind = DialogKind::OpenFile;
    question.title = title;
    question.initial = initialName;
    question.pattern = pattern;
    return TextAnswer(question, initialName);
}

std::string FakeDialogs::SaveFile(const std::string& title, const std::string& initialName,
                                  const std::string& pattern) {
    DialogQuestion question;
    question.kind = DialogKind::SaveFile;
    question.title = title;
    question.initial = initialName;
    question.pattern = pattern;
    return TextAnswer(question, initialName);
}

std::vector<std::string> FakeDialogs::MessageTexts() const {
    std::vector<std::string> texts;
    for (const DialogQuestion& question : questions_) {
        if (question.kind == DialogKind::Message) texts.push_back(question.text);
    }
    return texts;
}

std::string FakeDialogs::TextAnswer(const DialogQuestion& question, const std::string& fallback) {
    questions_.push_back(question);
    if (!script_.empty()) {
        if (const auto* text = std::get_if<std::string>(&script_.front())) {
            std::string answer = *text;
            script_.pop_front();
            return answer;
        }
    }
    if (improviseText) return improviseText(question);
    Unexpected(question);
    return fallback;
}

void FakeDialogs::Unexpected(const DialogQuestion& question) {
    unexpected_.push_back(question);
    if (!lenient && onUnexpected) onUnexpected(question);
}

void FakeDialogs::FailOnUnexpected(const DialogQuestion& question) {
    ReportUnscripted("una domanda che nessuno ha previsto: \"" + question.title + "\" \"" + question.text + "\"");
}

}  // namespace fortunara::test

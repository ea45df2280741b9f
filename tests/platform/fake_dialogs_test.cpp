#include "tests/fakes/fake_dialogs.h"

#include <gtest/gtest.h>

namespace fortunara::test {
namespace {

TEST(FakeDialogs, AnswersInScriptOrderAndRecordsEachQuestion) {
    FakeDialogs dialogs;
    dialogs.Answer(DialogAnswer::No);
    dialogs.AnswerText("123");
    dialogs.AnswerText("matrion/A.SSI");

    EXPECT_EQ(dialogs.Message("CANCELLO?", "Fortunara", DialogButtons::YesNo, DialogIcon::Question), DialogAnswer::No);
    EXPECT_EQ(dialogs.Input("Numero", "Fortunara", "1", 300, 600), "123");
    EXPECT_EQ(dialogs.OpenFile("Apri", "X.SSI", "Sistemi (*.SSI)"), "matrion/A.SSI");

    ASSERT_EQ(dialogs.questions().size(), 3u);
    const DialogQuestion& message = dialogs.questions()[0];
    EXPECT_EQ(message.text, "CANCELLO?");
    EXPECT_EQ(message.buttons, DialogButtons::YesNo);
    EXPECT_EQ(message.icon, DialogIcon::Question);
    const DialogQuestion& input = dialogs.questions()[1];
    EXPECT_EQ(input.kind, DialogKind::Input);
    EXPECT_EQ(input.initial, "1");
    EXPECT_EQ(input.topTwips, 600);
    EXPECT_EQ(dialogs.questions()[2].pattern, "Sistemi (*.SSI)");
    EXPECT_TRUE(dialogs.unexpected().empty());
    EXPECT_EQ(dialogs.pending(), 0u);
}

TEST(FakeDialogs, OkMessagesNeedNoScriptAndKeepItForLaterQuestions) {
    FakeDialogs dialogs;
    dialogs.Answer(DialogAnswer::Yes);
    EXPECT_EQ(dialogs.Message("FATTO", "Fortunara"), DialogAnswer::Ok);
    EXPECT_EQ(dialogs.Message("SICURO?", "Fortunara", DialogButtons::YesNo), DialogAnswer::Yes);
    EXPECT_TRUE(dialogs.unexpected().empty());
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<std::string>{"FATTO", "SICURO?"}));
}

TEST(FakeDialogs, UnscriptedQuestionsAreFlaggedAndGetHarmlessAnswers) {
    FakeDialogs dialogs;
    int reported = 0;
    dialogs.onUnexpected = [&](const DialogQuestion&) { ++reported; };
    dialogs.answerOkByDefault = false;

    EXPECT_EQ(dialogs.Message("SICURO?", "Fortunara", DialogButtons::YesNo), DialogAnswer::No);
    EXPECT_EQ(dialogs.Message("FATTO", "Fortunara"), DialogAnswer::Ok);
    EXPECT_EQ(dialogs.Input("Numero", "Fortunara", "7"), "");
    EXPECT_EQ(dialogs.SaveFile("Salva", "NUOVO.SSI", "Sistemi (*.SSI)"), "NUOVO.SSI");

    EXPECT_EQ(dialogs.unexpected().size(), 4u);
    EXPECT_EQ(reported, 4);
}

TEST(FakeDialogs, ScriptOfTheWrongKindIsNotConsumed) {
    FakeDialogs dialogs;
    dialogs.AnswerText("5");
    EXPECT_EQ(dialogs.Message("SICURO?", "Fortunara", DialogButtons::YesNo), DialogAnswer::No);
    EXPECT_EQ(dialogs.unexpected().size(), 1u);
    EXPECT_EQ(dialogs.Input("Numero", "Fortunara"), "5");
}

}  // namespace
}  // namespace fortunara::test

#include "tests/fakes/fake_dialogs.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "tests/fakes/fake_modal_runner.h"

#include "tests/fakes/test_failure.h"

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

TEST(FakeDialogs, StrictByDefaultLenientOnRequest) {
    std::vector<std::string> failures;
    SetFailureReporter([&failures](const std::string& what) { failures.push_back(what); });
    FakeDialogs strict;
    EXPECT_EQ(strict.Message("FATTO", "Fortunara"), DialogAnswer::Ok);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("FATTO"), std::string::npos);

    FakeDialogs lenient;
    lenient.lenient = true;
    lenient.Answer(DialogAnswer::Yes);
    EXPECT_EQ(lenient.Message("FATTO", "Fortunara"), DialogAnswer::Ok);
    EXPECT_EQ(lenient.Message("SICURO?", "Fortunara", DialogButtons::YesNo), DialogAnswer::Yes);
    EXPECT_EQ(lenient.unexpected().size(), 1u);
    EXPECT_EQ(failures.size(), 1u);
    SetFailureReporter([](const std::string& what) { ADD_FAILURE() << what; });
}

TEST(FakeDialogs, UnscriptedQuestionsAreFlaggedAndGetHarmlessAnswers) {
    FakeDialogs dialogs;
    int reported = 0;
    dialogs.onUnexpected = [&](const DialogQuestion&) { ++reported; };

    EXPECT_EQ(dialogs.Message("SICURO?", "Fortunara", DialogButtons::YesNo), DialogAnswer::No);
    EXPECT_EQ(dialogs.Message("FATTO", "Fortunara"), DialogAnswer::Ok);
    EXPECT_EQ(dialogs.Input("Numero", "Fortunara", "7"), "");
    EXPECT_EQ(dialogs.SaveFile("Salva", "NUOVO.SSI", "Sistemi (*.SSI)"), "NUOVO.SSI");

    EXPECT_EQ(dialogs.unexpected().size(), 4u);
    EXPECT_EQ(reported, 4);
}

TEST(FakeDialogs, ScriptOfTheWrongKindIsNotConsumed) {
    FakeDialogs dialogs;
    dialogs.lenient = true;
    dialogs.AnswerText("5");
    EXPECT_EQ(dialogs.Message("SICURO?", "Fortunara", DialogButtons::YesNo), DialogAnswer::No);
    EXPECT_EQ(dialogs.unexpected().size(), 1u);
    EXPECT_EQ(dialogs.Input("Numero", "Fortunara"), "5");
}

TEST(FakeModalRunner, PlaysTheScriptAndReportsAWindowNobodyExpected) {
    std::vector<std::string> failures;
    SetFailureReporter([&failures](const std::string& what) { failures.push_back(what); });
    FakeModalRunner runner;
    std::vector<QWidget*> seen;
    runner.Expect([&seen](QWidget& window) { seen.push_back(&window); });
    QWidget first;
    QWidget second;
    runner.RunModal(first);
    runner.RunModal(second);
    EXPECT_EQ(seen, std::vector<QWidget*>{&first});
    EXPECT_EQ(runner.opened(), 2);
    EXPECT_EQ(failures.size(), 1u);
    SetFailureReporter([](const std::string& what) { ADD_FAILURE() << what; });
}

}  // namespace
}  // namespace fortunara::test

#include <gtest/gtest.h>

#include "platform/api/printer.h"

namespace fortunara {
namespace {

// Keeps what the line assembly delivers, nothing else.
class RecordingPrinter : public Printer {
public:
    bool ChoosePrinter() override { return true; }
    std::vector<PrintJob> jobs;

protected:
    void Deliver(const PrintJob& job) override { jobs.push_back(job); }
};

TEST(PrinterStatements, NumberItemsGetASignPlaceAndATrailingBlank) {
    RecordingPrinter printer;
    printer.Print({std::string("|  Numeri per bolletta : "), 6LL});
    printer.Print({-5LL, std::string("x")});
    printer.EndJob();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].AllLines(), (std::vector<std::string>{"|  Numeri per bolletta :  6 ", "-5 x"}));
}

TEST(PrinterStatements, OpenStatementsJoinIntoOneLineAndEmptyStatementsEndIt) {
    RecordingPrinter printer;
    printer.Print("a", LineEnd::Open);
    printer.Print("b", LineEnd::Open);
    printer.Print({1LL}, LineEnd::Open);
    printer.Print("c");
    printer.EndLine();
    printer.Print("d", LineEnd::Open);
    printer.EndLine();
    printer.Print(
        "\x1bM"
        "head",
        LineEnd::Open);
    printer.EndJob();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].AllLines(), (std::vector<std::string>{"ab 1 c", "", "d", "\x1bMhead"}));
}

TEST(PrinterStatements, JobsPagesAndMarksAreKeptApart) {
    RecordingPrinter printer;
    printer.EndJob();  // nothing printed: nothing sent
    printer.Print("first page");
    printer.NewPage();
    printer.Mark({100, 200, 300, 400});
    printer.EndJob();
    printer.Print("second job");
    printer.EndJob();
    ASSERT_EQ(printer.jobs.size(), 2u);
    ASSERT_EQ(printer.jobs[0].pages.size(), 2u);
    EXPECT_EQ(printer.jobs[0].pages[0].lines, std::vector<std::string>{"first page"});
    EXPECT_EQ(printer.jobs[0].pages[1].marks, (std::vector<PrintMark>{{100, 200, 300, 400}}));
    EXPECT_EQ(printer.jobs[1].AllLines(), std::vector<std::string>{"second job"});
}

}  // namespace
}  // namespace fortunara

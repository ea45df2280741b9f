#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fortunara {

// One item of a print statement: a text printed unchanged, or a number printed with
// a sign place before and one blank after it (5 prints " 5 ", -5 prints "-5 ").
using PrintItem = std::variant<std::string, long long>;

// A black mark between two corners, in twips from the top left of the printable area.
struct PrintMark {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PrintMark&) const = default;
};

// A picture (a chart) stretched over a box given like a mark's corners. `png` holds the bytes of a
// PNG image; the device decodes it.
struct PrintPicture {
    PrintMark box;
    std::string png;
};

struct PrintPage {
    std::vector<std::string> lines;
    std::vector<PrintMark> marks;
    std::vector<PrintPicture> pictures;
};

// Everything printed between two ends of job. A line still open when the job ends is kept.
struct PrintJob {
    std::vector<PrintPage> pages;
    // All lines of all pages, in order: what tests and the text rendering look at.
    std::vector<std::string> AllLines() const;
};

enum class LineEnd { End, Open };

// The program's printer. Reports are built from print statements, each a list of items
// that either ends the line or leaves it open; the job is handed to the device at EndJob.
// Callers check nothing: delivery problems are the device's to report to the user.
class Printer {
public:
    virtual ~Printer() = default;

    void Print(const std::vector<PrintItem>& items, LineEnd end = LineEnd::End);
    // Braced lists such as Print({"Numeri : ", 6LL}) take this one.
    void Print(std::initializer_list<PrintItem> items, LineEnd end = LineEnd::End) {
        Print(std::vector<PrintItem>(items), end);
    }
    void Print(std::string_view text, LineEnd end = LineEnd::End);
    // A statement without items: ends the open line, or prints an empty one.
    void EndLine();
    void NewPage();
    void Mark(const PrintMark& mark);
    void Picture(PrintPicture picture);
    // Closes the job and sends it; the next statement starts a new job. A job with
    // nothing printed in it is not sent.
    void EndJob();
    // The printer selection dialog. Returns false when the user cancelled.
    virtual bool ChoosePrinter() = 0;

    static std::string ItemText(const PrintItem& item);

protected:
    virtual void Deliver(const PrintJob& job) = 0;

private:
    PrintPage& CurrentPage();

    PrintJob job_;
    std::string openLine_;
    bool lineOpen_ = false;
    bool started_ = false;
};

}  // namespace fortunara

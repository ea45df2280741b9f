#include "platform/api/printer.h"

#include "platform/text/number_text.h"

namespace fortunara {

std::vector<std::string> PrintJob::AllLines() const {
    std::vector<std::string> lines;
    for (const PrintPage& page : pages) lines.insert(lines.end(), page.lines.begin(), page.lines.end());
    return lines;
}

std::string Printer::ItemText(const PrintItem& item) {
    if (const auto* text = std::get_if<std::string>(&item)) return *text;
    return PrintedNumber(std::get<long long>(item));
}

PrintPage& Printer::CurrentPage() {
    started_ = true;
    if (job_.pages.empty()) job_.pages.emplace_back();
    return job_.pages.back();
}

void Printer::Print(const std::vector<PrintItem>& items, LineEnd end) {
    CurrentPage();
    for (const PrintItem& item : items) openLine_ += ItemText(item);
    lineOpen_ = true;
    if (end == LineEnd::End) EndLine();
}

void Printer::Print(std::string_view text, LineEnd end) {
    Print(std::vector<PrintItem>{std::string(text)}, end);
}

void Printer::EndLine() {
    CurrentPage().lines.push_back(openLine_);
    openLine_.clear();
    lineOpen_ = false;
}

void Printer::NewPage() {
    if (lineOpen_) EndLine();
    CurrentPage();
    job_.pages.emplace_back();
}

void Printer::Mark(const PrintMark& mark) {
    CurrentPage().marks.push_back(mark);
}

void Printer::Picture(PrintPicture picture) {
    CurrentPage().pictures.push_back(std::move(picture));
}

void Printer::EndJob() {
    if (lineOpen_) EndLine();
    const bool hadOutput = started_;
    PrintJob finished = std::move(job_);
    job_ = {};
    started_ = false;
    if (hadOutput) Deliver(finished);
}

}  // namespace fortunara

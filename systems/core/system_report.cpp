#include "systems/core/system_report.h"

#include <algorithm>

#include "platform/text/number_text.h"
#include "systems/core/system_texts.h"

namespace fortunara {

namespace {

const std::string kRule(53, '_');

}  // namespace

void ReportLines::Line(std::string_view text) {
    Item(text);
    EndLine();
}

void ReportLines::Item(std::string_view text) {
    open_ += text;
    isOpen_ = true;
}

void ReportLines::EndLine() {
    lines_.push_back(std::move(open_));
    open_.clear();
    isOpen_ = false;
}

std::vector<std::string> ReportLines::Take() {
    if (isOpen_) EndLine();
    return std::move(lines_);
}

std::string GuaranteeDescription(int quantity, int guaranteeMode) {
    return Plain(quantity) + " NUMERI IN " + std::to_string(GuaranteeComboCount(quantity, guaranteeMode)) +
           " COMBINAZIONI";
}

void PrintReportHead(const SystemRequest& request, ReportLines& report) {
    report.Line("\x1bM");  // ESC M: 12-character pitch
    report.Line(kRule);
    report.Line(" ");
    const int mode = request.guaranteeMode;
    if (mode >= 2 && mode <= 5) {
        report.Line("    SISTEMA  DI " + GuaranteeDescription(request.quantity, mode) + " A GARANZIA DI " +
                    std::string(kGuaranteeNames[static_cast<std::size_t>(mode - 1)]));
    } else if (mode == 1) {
        // The option the development applied: none selected develops the integral system, n - 0.
        report.Line("    SISTEMA RIDOTTO N - " + PrintedNumber(std::max(request.reductionOption, 0)));
    } else {
        report.Line("");  // Combo1 offers no other mode; the line stays empty.
    }
    report.Line(kRule);
    report.Line(" ");
}

bool PrintNumberLine(const SystemRequest& request, ReportLines& report) {
    report.Item("   I NUMERI : ");
    const int known = static_cast<int>(request.numbers.size());
    for (int p = 1; p <= request.quantity; ++p) {
        if (p > known) return false;
        report.Item(PrintedNumber(request.numbers[static_cast<std::size_t>(p - 1)]) + " ");
    }
    report.Line(" ");
    report.Line(kRule);
    report.Line(" ");
    return true;
}

void PrintCombination(const std::array<int, 6>& numbers, int counter, ReportLines& report) {
    for (const int n : numbers) report.Item(" " + TwoDigits(n));
    if (counter % 3 != 0) {
        report.Item(" | ");
    } else {
        report.EndLine();
    }
}

}  // namespace fortunara

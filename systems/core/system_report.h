#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "systems/core/development.h"

namespace fortunara {

// The printed report of a development as text lines, built the way the printer receives it:
// items that leave the line open, and statements that end it.
class ReportLines {
public:
    void Line(std::string_view text);
    void Item(std::string_view text);
    // A statement without items: ends the open line, or prints an empty one.
    void EndLine();
    // The job's lines; an open line is kept as it is.
    std::vector<std::string> Take();

private:
    std::vector<std::string> lines_;
    std::string open_;
    bool isOpen_ = false;
};

// "10 NUMERI IN 35 COMBINAZIONI": the guarantee system named in line 4 of the report.
std::string GuaranteeDescription(int quantity, int guaranteeMode);

// Lines 1 to 6: pitch command, rules, and the kind of system.
void PrintReportHead(const SystemRequest& request, ReportLines& report);
// Line 7 holds the numbers in entry order, then lines 8 and 9. Positions without a number end the
// line early; returns false in that case.
bool PrintNumberLine(const SystemRequest& request, ReportLines& report);
// A recorded combination: its numbers through " 00", then " | " or the end of the line, so that
// three combinations share a line. counter is the report counter, from 1.
void PrintCombination(const std::array<int, 6>& numbers, int counter, ReportLines& report);

}  // namespace fortunara

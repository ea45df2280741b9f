#include "statistics/core/forecast.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "archive/core/draw_archive.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

// How many records the backward walk reads at a time: most forecasts need only a few draws.
constexpr int kWalkBlock = 16;

// The leading number of a text the way the quantity box reads it: blanks anywhere are skipped,
// an optional sign, digits, an optional decimal point and digits; reading stops at anything else.
double LeadingNumber(std::string_view text) {
    std::string kept;
    bool point = false;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        const bool sign = (c == '-' || c == '+') && kept.empty();
        const bool digit = c >= '0' && c <= '9';
        const bool decimal = c == '.' && !point;
        if (!sign && !digit && !decimal) break;
        point = point || decimal;
        kept += c;
    }
    if (kept.empty() || kept == "-" || kept == "+" || kept == ".") return 0;
    return std::strtod(kept.c_str(), nullptr);
}

}  // namespace

Quantity ReadQuantity(std::string_view text) {
    const double value = LeadingNumber(text);
    if (value < -0.5 || value >= 90.5) return {0, false};
    return {static_cast<int>(std::lround(value)), true};
}

ForecastResult ComputeForecast(int recordCount, const DrawBlockReader& read, int base, int quantity) {
    ForecastResult result;
    result.recordCount = recordCount;
    result.base = base;
    result.quantity = std::clamp(quantity, 0, 90);
    int count = 0;
    // The base draw itself never takes part, except that a base at record 1 starts there.
    const int start = std::min(std::max(base - 1, 1), recordCount);
    const auto take = [&result, &count](std::span<const DrawRecord> block) {
        for (const DrawRecord& draw : block) {
            for (int n : SortedMain(draw)) {
                if (n < 1 || n > 90 || result.flags[static_cast<std::size_t>(n)]) continue;
                result.flags[static_cast<std::size_t>(n)] = true;
                // The draw that completes the forecast gives only its smaller new numbers.
                if (++count == result.quantity) return false;
            }
        }
        return true;
    };
    if (result.quantity > 0 && start >= 1) WalkRange({start, 1}, read, take, kWalkBlock);
    result.shortened = count < result.quantity;
    for (int n = 1; n <= 90; ++n) {
        if (result.flags[static_cast<std::size_t>(n)]) result.numbers.push_back(n);
    }
    const int last = std::min(base + kOutcomeDraws, recordCount);
    if (base + 1 <= last) {
        const std::vector<DrawRecord> following = read(base + 1, last);
        for (std::size_t i = 0; i < following.size(); ++i) {
            ForecastOutcome outcome{static_cast<int>(i) + 1, following[i].date, {}};
            for (int n : SortedMain(following[i])) {
                if (n >= 1 && n <= 90 && result.flags[static_cast<std::size_t>(n)]) outcome.found.push_back(n);
            }
            if (static_cast<int>(outcome.found.size()) >= kOutcomeMinimum) result.outcomes.push_back(outcome);
        }
    }
    return result;
}

ForecastResult ComputeForecast(const std::filesystem::path& programFolder, int base, int quantity) {
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) {
        ForecastResult failed;
        failed.base = base;
        failed.error = archive.Error();
        return failed;
    }
    const DrawBlockReader read = [&archive](int first, int last) { return archive.ReadDraws(first, last); };
    ForecastResult result = ComputeForecast(archive.RecordCount(), read, base, quantity);
    archive.CloseDrawArchive();
    return result;
}

std::string ShortForecastMessage(const ForecastResult& result) {
    return "PRIMA DI QUESTA ESTRAZIONE L'ARCHIVIO HA SOLO " + Plain(static_cast<long long>(result.numbers.size())) +
           " NUMERI DIVERSI: LA PREVISIONE NE HA " + Plain(static_cast<long long>(result.numbers.size())) +
           " INVECE DI " + Plain(result.quantity);
}

std::string ThreeWide(int n) {
    const std::string digits = Plain(n);
    return std::string(digits.size() < 3 ? 3 - digits.size() : 0, ' ') + digits;
}

std::string ForecastCaption(const ForecastResult& result) {
    std::string caption;
    for (int n : result.numbers) caption += (n < 10 ? "    " : "  ") + TextForm(n);
    return caption;
}

std::string OutcomeLine(const ForecastOutcome& outcome) {
    std::string line = TextForm(outcome.position) + " " + outcome.date + " ";
    for (int n : outcome.found) line += ThreeWide(n);
    return line;
}

std::vector<std::string> OutcomeLines(const ForecastResult& result) {
    std::vector<std::string> lines;
    for (const ForecastOutcome& outcome : result.outcomes) lines.push_back(OutcomeLine(outcome));
    return lines;
}

}  // namespace fortunara

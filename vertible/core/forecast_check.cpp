#include "vertible/core/forecast_check.h"

#include <algorithm>

#include "archive/core/draw_archive.h"
#include "platform/text/number_text.h"
#include "vertible/core/chance.h"

namespace fortunara {

namespace {

// The draws that can follow the lines' own draws, read in one block.
std::optional<DrawWindow> ReadFollowingDraws(const std::filesystem::path& programFolder,
                                             const std::vector<ForecastLine>& lines, std::string& error) {
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) {
        error = archive.Error();
        return std::nullopt;
    }
    DrawWindow following;
    if (!lines.empty()) {
        const auto [lowest, highest] =
            std::minmax_element(lines.begin(), lines.end(),
                                [](const ForecastLine& a, const ForecastLine& b) { return a.record < b.record; });
        following.first = std::max(lowest->record + 1, 1);
        following.last = std::min(archive.RecordCount(), highest->record + kFollowingDraws);
        if (following.first <= following.last) following.draws = archive.ReadDraws(following.first, following.last);
    }
    archive.CloseDrawArchive();
    return following;
}

LineOutcome CheckLine(const ForecastLine& line, const DrawWindow& following) {
    LineOutcome outcome;
    for (int waited = 1; waited <= kFollowingDraws; ++waited) {
        const DrawRecord* draw = following.At(line.record + waited);
        if (draw == nullptr) continue;
        if (std::optional<std::vector<int>> matched = WinningNumbers(line, *draw)) {
            outcome = {waited, draw->date, std::move(*matched)};
            break;
        }
    }
    return outcome;
}

double ChanceOfGroup(int record, const DrawWindow& following) {
    int held = 0;
    int withSuperstar = 0;
    for (int waited = 1; waited <= kFollowingDraws; ++waited) {
        const DrawRecord* draw = following.At(record + waited);
        if (draw == nullptr) continue;
        ++held;
        if (draw->Superstar() >= 1 && draw->Superstar() <= 90) ++withSuperstar;
    }
    return ChanceOfWinning(held, withSuperstar);
}

}  // namespace

std::optional<std::vector<int>> WinningNumbers(const ForecastLine& line, const DrawRecord& draw) {
    if (line.kind == ForecastKind::Superstar) {
        if (line.numbers.empty() || line.numbers.front() != draw.Superstar()) return std::nullopt;
        return std::vector<int>{line.numbers.front()};
    }
    const auto matches = [&draw](int number) {
        return number == 0 ? 0
                           : static_cast<int>(std::count(draw.numbers.begin() + 1, draw.numbers.begin() + 7, number));
    };
    // Counted first: most lines do not win, and a loss builds no list.
    int count = 0;
    for (int number : line.numbers) count += matches(number);
    if (count < 2) return std::nullopt;
    std::vector<int> matched;
    for (int number : line.numbers) matched.insert(matched.end(), static_cast<std::size_t>(matches(number)), number);
    return matched;
}

const DrawRecord* DrawWindow::At(int record) const {
    if (record < first || record > last) return nullptr;
    const auto index = static_cast<std::size_t>(record - first);
    return index < draws.size() ? &draws[index] : nullptr;
}

LineOutcome ForecastChecker::Check(const ForecastLine& line, const DrawWindow& following) {
    LineOutcome outcome = CheckLine(line, following);
    if (line.kind == ForecastKind::Superstar) {
        ++groups_;
        groupWon_ = false;
        expected_ += ChanceOfGroup(line.record, following);
    }
    if (outcome.waited > 0 && groups_ > 0 && !groupWon_) {
        ++won_;
        groupWon_ = true;
    }
    return outcome;
}

ForecastCheck ForecastChecker::Figures() const {
    ForecastCheck check;
    check.won = won_;
    check.played = std::max(groups_, 1);
    check.percent = 100.0 * check.won / check.played;
    check.chance = {check.played, expected_, 100.0 * expected_ / check.played};
    return check;
}

ForecastCheck CheckForecasts(const std::filesystem::path& programFolder, const std::vector<ForecastLine>& lines) {
    std::string error;
    const std::optional<DrawWindow> following = ReadFollowingDraws(programFolder, lines, error);
    if (!following) {
        ForecastCheck failed;
        failed.error = error;
        return failed;
    }
    ForecastChecker checker;
    std::vector<LineOutcome> outcomes;
    outcomes.reserve(lines.size());
    for (const ForecastLine& line : lines) outcomes.push_back(checker.Check(line, *following));
    ForecastCheck check = checker.Figures();
    check.outcomes = std::move(outcomes);
    return check;
}

std::string PercentText(double percent) {
    return Decimal2(percent) + " %";
}

}  // namespace fortunara

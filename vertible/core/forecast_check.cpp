#include "vertible/core/forecast_check.h"

#include <algorithm>

#include "archive/core/draw_archive.h"
#include "platform/text/number_text.h"
#include "vertible/core/chance.h"

namespace fortunara {

namespace {

// The draws that can follow the lines' own draws, read in one block.
struct FollowingDraws {
    int recordCount = 0;
    int first = 1;
    std::vector<DrawRecord> draws;

    const DrawRecord* At(int record) const {
        if (record < first || record > recordCount) return nullptr;
        return &draws[static_cast<std::size_t>(record - first)];
    }
};

std::optional<FollowingDraws> ReadFollowingDraws(const std::filesystem::path& programFolder,
                                                 const std::vector<ForecastLine>& lines, std::string& error) {
    DrawArchive archive(programFolder);
    if (!archive.OpenDrawArchive()) {
        error = archive.Error();
        return std::nullopt;
    }
    FollowingDraws following;
    following.recordCount = archive.RecordCount();
    if (!lines.empty()) {
        const auto [lowest, highest] =
            std::minmax_element(lines.begin(), lines.end(),
                                [](const ForecastLine& a, const ForecastLine& b) { return a.record < b.record; });
        following.first = std::max(lowest->record + 1, 1);
        following.recordCount = std::min(following.recordCount, highest->record + kFollowingDraws);
        for (const std::string& text : archive.ReadDrawRecords(following.first, following.recordCount)) {
            following.draws.push_back(ParseDrawRecord(text));
        }
    }
    archive.CloseDrawArchive();
    return following;
}

LineOutcome CheckLine(const ForecastLine& line, const FollowingDraws& following) {
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

double ChanceOfGroup(int record, const FollowingDraws& following) {
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
    std::vector<int> matched;
    for (int number : line.numbers) {
        if (number == 0) continue;
        for (int j = 1; j <= 6; ++j) {
            if (number == draw.Main(j)) matched.push_back(number);
        }
    }
    if (matched.size() < 2) return std::nullopt;
    return matched;
}

ForecastCheck CheckForecasts(const std::filesystem::path& programFolder, const std::vector<ForecastLine>& lines) {
    ForecastCheck check;
    const std::optional<FollowingDraws> following = ReadFollowingDraws(programFolder, lines, check.error);
    if (!following) return check;

    int groups = 0;
    bool groupWon = false;
    double expected = 0.0;
    for (const ForecastLine& line : lines) {
        const LineOutcome& outcome = check.outcomes.emplace_back(CheckLine(line, *following));
        if (line.kind == ForecastKind::Superstar) {
            ++groups;
            groupWon = false;
            expected += ChanceOfGroup(line.record, *following);
        }
        if (outcome.waited > 0 && groups > 0 && !groupWon) {
            ++check.won;
            groupWon = true;
        }
    }
    check.played = std::max(groups, 1);
    check.percent = 100.0 * check.won / check.played;
    check.chance = {check.played, expected, 100.0 * expected / check.played};
    return check;
}

std::string PercentText(double percent) {
    return Decimal2(percent) + " %";
}

}  // namespace fortunara

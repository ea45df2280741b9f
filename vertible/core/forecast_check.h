#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "archive/core/draw_record.h"
#include "vertible/core/method_run.h"

namespace fortunara {

// How many draws after its own a forecast is checked against.
inline constexpr int kFollowingDraws = 18;

// The matched numbers when the line wins in this draw, nothing otherwise. A superstar line wins
// when its number is the superstar. A play slip wins with two matches, a match being a slip
// number equal to one of the six main numbers (jolly and superstar do not count): a number the
// slip holds twice matches twice. The matched slip numbers come in the slip's order.
std::optional<std::vector<int>> WinningNumbers(const ForecastLine& line, const DrawRecord& draw);

// The check of one line: the first following draw in which it wins.
struct LineOutcome {
    int waited = 0;            // draws examined up to the winning one, 1 to 18; 0 without a win
    std::string date;          // the winning draw's date
    std::vector<int> matched;  // the superstar line's number, or the slip's matched numbers
};

// What chance alone would have given the same groups (see chance.h).
struct ChanceFigures {
    int played = 0;       // the groups played, as ForecastCheck::played
    double expected = 0;  // the groups a random forecast would be expected to win
    double percent = 0;   // 100 * expected / played
};

struct ForecastCheck {
    std::vector<LineOutcome> outcomes;  // one per line
    int played = 0;                     // groups (a superstar line starts one); 1 when there is none
    int won = 0;                        // groups with at least one winning line, each counted once
    double percent = 0;                 // 100 * won / played
    ChanceFigures chance;
    std::string error;  // the archive could not be opened
};

// Checks every line against the 18 draws after the one it was made from. A record number beyond
// the newest draw holds no draw: it never wins, and chance counts only the draws the archive holds.
ForecastCheck CheckForecasts(const std::filesystem::path& programFolder, const std::vector<ForecastLine>& lines);

// Draws of the archive read in one piece: records first to last, as far as the archive holds them.
struct DrawWindow {
    int first = 1;
    int last = 0;
    std::vector<DrawRecord> draws;  // draws[0] is record first

    // The draw of the record, or nullptr outside the window.
    const DrawRecord* At(int record) const;
};

// The check one line at a time in the order of the walk, for a walk that keeps no lines: each line
// with a window holding the 18 draws after its own (as far as the archive goes).
class ForecastChecker {
public:
    LineOutcome Check(const ForecastLine& line, const DrawWindow& following);
    // The figures of the lines checked so far, without their outcomes.
    ForecastCheck Figures() const;

private:
    int groups_ = 0;
    bool groupWon_ = false;
    int won_ = 0;
    double expected_ = 0.0;
};

// A percentage as the result panel shows it: the mask "###.##" and " %" ("20, %", "0,11 %", "0, %").
std::string PercentText(double percent);

}  // namespace fortunara

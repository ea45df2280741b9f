#include "app/cli/cli_groups.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/cli/cli_args.h"
#include "platform/text/bounded_line.h"
#include "platform/text/number_text.h"

namespace fortunara {

namespace {

constexpr int kGroupNumberRows = 30;  // rows 1 to 30 of the grid hold a group's numbers
// A group's line is a list of at most 30 numbers and a range, and the grid's 50 groups leave room for
// blank lines between them: a file longer or wider than that is no groups file, and reading stops.
constexpr std::size_t kLongestGroupLine = 4096;
constexpr int kMostGroupLines = 1000;

void Enter(GroupSettings& groups, int row, int column, int value, int line) {
    if (!groups.Enter(row, column, value)) {
        throw CliError("NUMERO NON VALIDO NEL GRUPPO DELLA RIGA " + Plain(line) + ": " + Plain(value) + " (0 - 90)");
    }
}

}  // namespace

GroupSettings ReadGroups(std::istream& in) {
    GroupSettings groups;
    int column = 0;
    int line = 0;
    std::string text;
    for (LineRead read; (read = ReadBoundedLine(in, text, kLongestGroupLine)) != LineRead::End;) {
        if (++line > kMostGroupLines) {
            throw CliError("IL FILE DEI GRUPPI E' TROPPO LUNGO: PIU' DI " + Plain(kMostGroupLines) + " RIGHE");
        }
        if (read == LineRead::TooLong) {
            throw CliError("LA RIGA " + Plain(line) + " DEL FILE DEI GRUPPI E' TROPPO LUNGA: PIU' DI " +
                           Plain(static_cast<long long>(kLongestGroupLine)) + " CARATTERI");
        }
        std::istringstream words(text);
        std::vector<std::string> fields;
        for (std::string word; words >> word;) fields.push_back(word);
        if (fields.empty()) continue;
        const std::string where = "GRUPPO DELLA RIGA " + Plain(line);
        const std::size_t dash = fields.size() == 2 ? fields[1].find('-', 1) : std::string::npos;
        if (dash == std::string::npos) {
            throw CliError(where + " NON VALIDO: " + text + " (NUMERI DA-A, per esempio 1-10,15 2-3)");
        }
        if (++column >= kGroupColumns) throw CliError("AL MASSIMO " + Plain(kGroupColumns - 1) + " GRUPPI");
        const std::vector<int> numbers = ParseList(fields[0], where);
        if (numbers.size() > static_cast<std::size_t>(kGroupNumberRows)) {
            throw CliError(where + ": AL MASSIMO " + Plain(kGroupNumberRows) + " NUMERI");
        }
        for (std::size_t r = 0; r < numbers.size(); ++r)
            Enter(groups, static_cast<int>(r) + 1, column, numbers[r], line);
        Enter(groups, kGroupLowerRow, column, ParseWhole(fields[1].substr(0, dash), where), line);
        Enter(groups, kGroupUpperRow, column, ParseWhole(fields[1].substr(dash + 1), where), line);
    }
    groups.Toggle();
    return groups;
}

GroupSettings ReadGroupsFile(const std::string& path) {
    std::ifstream in(path);
    if (!in || std::filesystem::is_directory(path)) throw CliError("IMPOSSIBILE LEGGERE IL FILE DEI GRUPPI " + path);
    return ReadGroups(in);
}

}  // namespace fortunara

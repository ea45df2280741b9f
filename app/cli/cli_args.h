#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace fortunara {

// A user mistake on the command line; the message is Italian and ends the run with status 2.
class CliError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Options a command needs in one of several ways: each way is led by its first option (or flag) and
// needs all of its others ("--estrazione R" or "--dal R --al R"). Exactly one leader must be given.
struct OptionWays {
    std::vector<std::vector<std::string>> ways;
    std::string missing;  // said when no leader, or more than one, is given
};

// The options one command takes: those followed by a value and those that stand alone. Every
// command also takes the common ones (--cartella DIR, --csv, --help and -h).
struct OptionDeclaration {
    std::set<std::string> values;
    std::set<std::string> flags;
    // The words one of which may follow the command (in lower case; typed in any case).
    std::set<std::string> choices = {};
    std::size_t words = 0;  // further words the command takes after its name ("converti FILE": 1)
    // The options without which the command cannot run, and what is said when the choice or the
    // further words are missing. Checked with the rest, before the program folder is touched.
    std::set<std::string> required = {};
    std::string missingWord = {};
    std::vector<OptionWays> oneOf = {};
};

struct CliArguments {
    std::string command;
    std::map<std::string, std::string> options;  // "--dal" -> "3"
    std::set<std::string> flags;                 // "--csv"
    std::string choice;                          // the declared choice given, in lower case
    std::vector<std::string> words;              // the further words after the command, as declared

    bool Has(const std::string& option) const { return options.count(option) != 0; }
    const std::string& Required(const std::string& option) const;
    std::string Get(const std::string& option, const std::string& fallback) const;
    bool Flag(const std::string& flag) const { return flags.count(flag) != 0; }
};

// The command word: the first word that is neither an option nor the value of one. An option takes
// the next word as its value when it is --cartella or among `valueOptions` (those of any command);
// any other, a flag or an unknown option, stands alone. Empty when there is none.
std::string FindCommand(const std::vector<std::string>& arguments, const std::set<std::string>& valueOptions);
// Whether --help or -h is among the arguments.
bool AsksForHelp(const std::vector<std::string>& arguments);

// Splits the arguments (without the program name) into command, options and flags, taking only what
// the command declares. An unknown option, an option given twice, an option without its value and a
// word that is neither the command, a value nor the one declared word are refused with a CliError, and
// so are a missing required option, a missing choice and missing further words.
// "--dal=3" is "--dal 3".
CliArguments ParseCliArguments(const std::vector<std::string>& arguments, const OptionDeclaration& declared);

// A record number of the archive, or "ultima" for the newest. Refuses anything outside 1..recordCount.
int ParseRecord(const std::string& text, int recordCount, const std::string& option);
// A whole number, with the option name in the message when it is not one.
int ParseWhole(const std::string& text, const std::string& option);
// The items between commas, empty ones included: "1,,2" gives "1", "", "2"; "" gives one empty item.
std::vector<std::string> SplitCommas(const std::string& text);
// Numbers and ranges separated by commas: "1-10,15". A range spans at most 1000 values.
std::vector<int> ParseList(const std::string& text, const std::string& option);
// The text in lower case (ASCII), for names typed in any case ("Ambo", "NESSUNA").
std::string Lowered(std::string text);

}  // namespace fortunara

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

struct CliArguments {
    std::string command;
    std::vector<std::string> words;              // words after the command that are not options
    std::map<std::string, std::string> options;  // "--dal" -> "3"
    std::set<std::string> flags;                 // "--csv", "--controllo"

    bool Has(const std::string& option) const { return options.count(option) != 0; }
    const std::string& Required(const std::string& option) const;
    std::string Get(const std::string& option, const std::string& fallback) const;
    bool Flag(const std::string& flag) const { return flags.count(flag) != 0; }
};

// Splits the arguments (without the program name and --cartella) into command, options and flags.
CliArguments ParseCliArguments(const std::vector<std::string>& arguments);

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

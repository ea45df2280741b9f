// The command line's arguments: any words (the input split at zero bytes). A command line the parser
// takes names the command the program runs, keeps only what the command declares and parses again
// the same when written out anew; a list spells out at most 1000 values a range; a whole number
// reads back from its digits; a record lies within the archive.
#include "app/cli/cli_args.h"
#include "app/cli/cli_catalog.h"
#include "platform/text/number_text.h"
#include "tests/fuzz/fuzz_support.h"

namespace fortunara {
namespace {

using fuzz::Expect;

bool SameParse(const CliArguments& a, const CliArguments& b) {
    return a.command == b.command && a.options == b.options && a.flags == b.flags && a.choice == b.choice &&
           a.words == b.words;
}

void CheckValue(const std::string& text) {
    try {
        const int value = ParseWhole(text, "--x");
        Expect(ParseWhole(Plain(value), "--x") == value && ParseList(text, "--x") == std::vector<int>{value},
               "a whole number reads back from its digits and is a list of itself");
    } catch (const CliError&) {
    }
    try {
        const int record = ParseRecord(text, 10, "--dal");
        Expect(record >= 1 && record <= 10, "a record lies within the archive");
    } catch (const CliError&) {
    }
    try {
        const std::vector<int> list = ParseList(text, "--x");
        Expect(list.size() <= 1000 * SplitCommas(text).size(), "a list spells out at most 1000 values a range");
    } catch (const CliError&) {
    }
}

void CheckParse(const std::vector<std::string>& words, const CommandEntry& entry) {
    CliArguments parsed;
    try {
        parsed = ParseCliArguments(words, entry.options);
    } catch (const CliError&) {
        return;
    }
    if (parsed.command != entry.name) return;  // the program would not run this command on these words
    Expect(parsed.command == FindCommand(words, EveryCommandOption().values),
           "the command the parser takes is the one the program runs", parsed.command);
    const OptionDeclaration& declared = entry.options;
    std::vector<std::string> again = {parsed.command};
    if (!parsed.choice.empty()) again.push_back(parsed.choice);
    again.insert(again.end(), parsed.words.begin(), parsed.words.end());
    for (const auto& [option, value] : parsed.options) {
        Expect(option == "--cartella" || declared.values.count(option) != 0, "only declared options are taken", option);
        again.insert(again.end(), {option, value});
    }
    for (const std::string& flag : parsed.flags) {
        Expect(flag == "--csv" || flag == "--help" || flag == "-h" || declared.flags.count(flag) != 0,
               "only declared flags are taken", flag);
        again.push_back(flag);
    }
    Expect(SameParse(ParseCliArguments(again, declared), parsed), "a command line written out anew parses the same");
}

}  // namespace
}  // namespace fortunara

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fortunara;
    std::vector<std::string> words = fuzz::Split(std::string_view(reinterpret_cast<const char*>(data), size), '\0');
    if (words.size() > 64) return 0;
    for (const std::string& word : words) {
        CheckValue(word);
        // Every word that names a command, as the command the parser might take.
        if (const CommandEntry* entry = FindCommandEntry(word)) CheckParse(words, *entry);
    }
    AsksForHelp(words);
    return 0;
}

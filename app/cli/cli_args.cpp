#include "app/cli/cli_args.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/text/number_text.h"

namespace fortunara {

namespace {

// Options every command takes: the program folder, CSV output and the usage.
const std::set<std::string> kCommonValues = {"--cartella"};
const std::set<std::string> kCommonFlags = {"--csv", "--help", "-h"};

// Every list holds lottery numbers, positions or box indices: a wider range is a typing mistake,
// refused before it is spelled out value by value into the memory.
constexpr long long kWidestRange = 1000;

bool IsOption(const std::string& word) {
    return word.rfind("--", 0) == 0 || word == "-h";
}

// "--dal=3": the name before the first "=", when there is one.
std::string OptionName(const std::string& word) {
    return word.substr(0, word.find('='));
}

}  // namespace

const std::string& CliArguments::Required(const std::string& option) const {
    const auto found = options.find(option);
    if (found == options.end()) throw CliError("MANCA L'OPZIONE " + option);
    return found->second;
}

std::string CliArguments::Get(const std::string& option, const std::string& fallback) const {
    const auto found = options.find(option);
    return found == options.end() ? fallback : found->second;
}

std::string FindCommand(const std::vector<std::string>& arguments, const std::set<std::string>& valueOptions) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (!IsOption(word)) return word;
        if (kCommonValues.count(word) != 0 || valueOptions.count(word) != 0) ++i;  // skip its value
    }
    return {};
}

bool AsksForHelp(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::string& word) { return word == "--help" || word == "-h"; });
}

CliArguments ParseCliArguments(const std::vector<std::string>& arguments, const OptionDeclaration& declared) {
    CliArguments parsed;
    bool commandSeen = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (!IsOption(word)) {
            if (commandSeen && parsed.choice.empty() && declared.choices.count(Lowered(word)) != 0) {
                parsed.choice = Lowered(word);
                continue;
            }
            if (commandSeen && parsed.words.size() < declared.words) {
                parsed.words.push_back(word);
                continue;
            }
            if (commandSeen) throw CliError("ARGOMENTO INATTESO: " + word);
            parsed.command = word;
            commandSeen = true;
            continue;
        }
        if (kCommonFlags.count(word) != 0 || declared.flags.count(word) != 0) {
            if (!parsed.flags.insert(word).second) throw CliError("OPZIONE RIPETUTA: " + word);
            continue;
        }
        const std::string name = OptionName(word);
        if (kCommonFlags.count(name) != 0 || declared.flags.count(name) != 0) {
            throw CliError("L'OPZIONE " + name + " NON HA VALORE");
        }
        if (kCommonValues.count(name) == 0 && declared.values.count(name) == 0) {
            throw CliError("OPZIONE SCONOSCIUTA: " + name);
        }
        std::string value;
        if (name.size() < word.size()) {
            value = word.substr(name.size() + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            throw CliError("MANCA IL VALORE DELL'OPZIONE " + name);
        }
        if (!parsed.options.emplace(name, value).second) throw CliError("OPZIONE RIPETUTA: " + name);
    }
    for (const std::string& option : declared.required) {
        if (!parsed.Has(option)) throw CliError("MANCA L'OPZIONE " + option);
    }
    for (const OptionWays& group : declared.oneOf) {
        const std::vector<std::string>* chosen = nullptr;
        int leaders = 0;
        for (const std::vector<std::string>& way : group.ways) {
            // A way may be led by a flag ("--prova") as well as by an option with its value.
            if (parsed.Has(way.front()) || parsed.Flag(way.front())) {
                chosen = &way;
                ++leaders;
            }
        }
        if (leaders != 1) throw CliError(group.missing);
        for (const std::string& option : *chosen) {
            if (!parsed.Has(option) && !parsed.Flag(option)) throw CliError("MANCA L'OPZIONE " + option);
        }
    }
    const bool choiceMissing = !declared.choices.empty() && parsed.choice.empty();
    if (choiceMissing || parsed.words.size() < declared.words) throw CliError(declared.missingWord);
    return parsed;
}

int ParseWhole(const std::string& text, const std::string& option) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end) {
        throw CliError("VALORE NON VALIDO PER " + option + ": " + text);
    }
    return value;
}

int ParseRecord(const std::string& text, int recordCount, const std::string& option) {
    if (recordCount <= 0) throw CliError("L'ARCHIVIO E' VUOTO");
    const int record = text == "ultima" ? recordCount : ParseWhole(text, option);
    if (record < 1 || record > recordCount) {
        throw CliError("ESTRAZIONE " + text + " FUORI ARCHIVIO (1 - " + Plain(recordCount) + ")");
    }
    return record;
}

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        items.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return items;
}

std::vector<int> ParseList(const std::string& text, const std::string& option) {
    std::vector<int> values;
    for (const std::string& item : SplitCommas(text)) {
        const std::size_t dash = item.find('-', 1);
        if (dash == std::string::npos) {
            values.push_back(ParseWhole(item, option));
        } else {
            const int first = ParseWhole(item.substr(0, dash), option);
            const int last = ParseWhole(item.substr(dash + 1), option);
            if (last < first) throw CliError("INTERVALLO NON VALIDO PER " + option + ": " + item);
            if (static_cast<long long>(last) - first >= kWidestRange) {
                throw CliError("INTERVALLO TROPPO AMPIO PER " + option + ": " + item);
            }
            // Counted in long long: a range that ends at the largest int must not step past it.
            for (long long v = first; v <= last; ++v) values.push_back(static_cast<int>(v));
        }
    }
    return values;
}

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

}  // namespace fortunara

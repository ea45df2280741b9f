#include "app/cli/cli_args.h"

#include <algorithm>
#include <charconv>

#include "platform/text/number_text.h"

namespace fortunara {

namespace {

// Options that stand alone; every other option takes the next word as its value.
const std::set<std::string> kFlags = {"--csv", "--controllo", "--sostituisci", "--forza"};

// Every list holds lottery numbers, positions or box indices: a wider range is a typing mistake,
// refused before it is spelled out value by value into the memory.
constexpr long long kWidestRange = 1000;

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

CliArguments ParseCliArguments(const std::vector<std::string>& arguments) {
    CliArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word.rfind("--", 0) == 0) {
            if (kFlags.count(word) != 0) {
                parsed.flags.insert(word);
            } else if (i + 1 < arguments.size()) {
                parsed.options[word] = arguments[++i];
            } else {
                throw CliError("MANCA IL VALORE DELL'OPZIONE " + word);
            }
        } else if (parsed.command.empty()) {
            parsed.command = word;
        } else {
            parsed.words.push_back(word);
        }
    }
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

}  // namespace fortunara

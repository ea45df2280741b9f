#include "platform/text/number_text.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace fortunara {

namespace {

long long RoundHalfAway(double value) {
    return static_cast<long long>(std::llround(value));
}

std::string Magnitude(long long n) {
    return std::to_string(n < 0 ? -static_cast<unsigned long long>(n) : n);
}

}  // namespace

std::string TextForm(long long n) {
    return (n < 0 ? "-" : " ") + Magnitude(n);
}

std::string Plain(long long n) {
    return std::to_string(n);
}

std::string TwoDigits(long long n) {
    std::string digits = Magnitude(n);
    if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');
    return (n < 0 ? "-" : "") + digits;
}

std::string DigitsOrEmpty(long long n) {
    return n == 0 ? std::string() : Plain(n);
}

std::string Grouped(double value) {
    const long long n = RoundHalfAway(value);
    if (n == 0) return {};
    const std::string digits = Magnitude(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += '.';
        out += digits[i];
    }
    return (n < 0 ? "-" : "") + out;
}

std::string Decimal2(double value) {
    // Work in hundredths so that the rounding is the displayed one.
    const long long hundredths = RoundHalfAway(value * 100.0);
    const unsigned long long magnitude =
        hundredths < 0 ? -static_cast<unsigned long long>(hundredths) : static_cast<unsigned long long>(hundredths);
    const unsigned long long whole = magnitude / 100;
    std::string decimals = std::to_string(magnitude % 100);
    if (decimals.size() < 2) decimals.insert(0, "0");
    while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
    return (hundredths < 0 ? "-" : "") + std::to_string(whole) + "," + decimals;
}

std::string PlainDecimal2(double value) {
    std::string text = Decimal2(value);
    if (text.back() == ',') text.pop_back();
    return text;
}

std::string SixDigitsPadded(long long n) {
    std::string digits = Magnitude(n);
    if (digits.size() < 6) digits.insert(0, 6 - digits.size(), '0');
    return (n < 0 ? "-" : "") + digits + "    ";
}

std::string ListedNumber(long long n) {
    return (n < 10 ? "   " : "  ") + TextForm(n);
}

std::string PrintedNumber(long long n) {
    return TextForm(n) + " ";
}

double ParseItalianNumber(const std::string& text) {
    std::string normal;
    for (char c : text) {
        if (c == '.' || c == ' ') continue;
        normal += c == ',' ? '.' : c;
    }
    if (normal.empty()) return 0;
    // Only a finite number that takes the whole text: strtod would also read "nan" and "inf", and
    // stop at a zero byte inside the text as if it ended there.
    char* end = nullptr;
    const double value = std::strtod(normal.c_str(), &end);
    return end == normal.c_str() + normal.size() && std::isfinite(value) ? value : 0;
}

int NumericValue(std::string_view text) {
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    };
    skipBlanks();
    double sign = 1;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') sign = -1;
        ++i;
        skipBlanks();
    }
    double value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') value = value * 10 + (text[i++] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10)
            value += (text[i] - '0') * scale;
    }
    const double rounded = std::nearbyint(sign * value);
    constexpr double kLow = std::numeric_limits<int>::min();
    constexpr double kHigh = std::numeric_limits<int>::max();
    if (!(rounded >= kLow)) return std::numeric_limits<int>::min();
    if (rounded > kHigh) return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}

std::optional<int> WholeNumber(std::string_view text, int highest) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    // Counted in long long: a value at most `highest`, times ten, plus a digit always fits, so a long
    // row of digits stops here without overflowing, whatever the bound.
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > highest) return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace fortunara

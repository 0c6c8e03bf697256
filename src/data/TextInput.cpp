#include "data/TextInput.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace vellumark {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::optional<double> ParseNumber(const std::string& text) {
    const std::string s = TrimSpaces(text);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && IsDigit(s[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    // from_chars reads the decimal point whatever the program's locale: Qt
    // adopts the user's, where a decimal comma would stop strtod at the point.
    const std::size_t start = s[0] == '+' ? 1 : 0;
    double value = 0;
    const auto [end, error] = std::from_chars(s.data() + start, s.data() + s.size(), value);
    if (error == std::errc::result_out_of_range) return s[start] == '-' ? -HUGE_VAL : HUGE_VAL;
    return value;
}

WholeNumber CheckWholeNumber(const std::string& text, std::int32_t maximum, std::int32_t& value) {
    const std::optional<double> number = ParseNumber(text);
    if (!number) return WholeNumber::NotANumber;
    if (*number <= 0) return WholeNumber::NotPositive;
    if (*number != std::floor(*number)) return WholeNumber::NotWhole;
    if (*number > maximum) return WholeNumber::TooLarge;
    value = static_cast<std::int32_t>(*number);
    return WholeNumber::Valid;
}

std::string TrimSpaces(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

}  // namespace vellumark

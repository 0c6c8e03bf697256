#include "data/TextInput.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace vellumark {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

/// For a number of the syntax below that a double cannot hold: true when it
/// lies below 1 (its first significant digit stands after the point, counting
/// the exponent), false when it is too large.
bool Underflows(const std::string& s) {
    long long order = 0;  // the power of ten of the first significant digit
    bool significant = false;
    bool point = false;
    std::size_t i = s[0] == '+' || s[0] == '-' ? 1 : 0;
    for (; i < s.size() && (IsDigit(s[i]) || s[i] == '.'); ++i) {
        if (s[i] == '.') {
            point = true;
        } else if (!significant && s[i] != '0') {
            significant = true;
            if (point) --order;
        } else if (!point && significant) {
            ++order;
        } else if (point && !significant) {
            --order;
        }
    }
    long long exponent = 0;
    bool negative = false;
    if (i < s.size()) {  // 'e' or 'E'
        ++i;
        negative = s[i] == '-';
        if (s[i] == '+' || s[i] == '-') ++i;
        for (; i < s.size(); ++i) exponent = std::min(exponent * 10 + (s[i] - '0'), 1000000LL);
    }
    return order + (negative ? -exponent : exponent) < 0;
}

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
    if (error == std::errc::result_out_of_range) {
        // Too small for a double is a fraction, not a large number: 1e-400.
        const double magnitude =
            Underflows(s) ? std::numeric_limits<double>::denorm_min() : HUGE_VAL;
        return s[start] == '-' ? -magnitude : magnitude;
    }
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

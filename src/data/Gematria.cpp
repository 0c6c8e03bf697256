#include "data/Gematria.h"

namespace vellumark {

namespace {

constexpr bool IsWhiteSpace(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

}  // namespace

std::int64_t TextValue(std::string_view utf8, Method method) {
    WordCounter counter(method);
    std::int64_t total = 0;
    bool inWord = false;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        const bool separator = lead <= 0x20 || (lead == 0xD6 && next == 0xBE);  // maqaf D6 BE
        if (separator && inWord) {
            total += counter.end();
            inWord = false;
        } else if (lead == 0xD7 && next >= 0x90 && next <= 0xAA) {
            counter.letter(next - 0x90);
            inWord = true;
            ++i;
        }
    }
    if (inWord) total += counter.end();
    return method == Method::IntegralReduced ? DigitalRoot(total) : total;
}

std::int64_t WordsValue(const std::vector<std::string>& words, Method method) {
    WordCounter counter(method);
    std::int64_t total = 0;
    for (const std::string& word : words) {
        ForEachLetter(word, [&](int form) { counter.letter(form); });
        total += counter.end();
    }
    return method == Method::IntegralReduced ? DigitalRoot(total) : total;
}

HebrewWords SplitHebrewWords(std::u32string_view text) {
    HebrewWords result;
    bool inWord = false;
    for (char32_t c : text) {
        if (const int form = LetterIndex(c); form >= 0) {
            if (!inWord) result.words.emplace_back();
            inWord = true;
            // U+05D0 to U+05EA in UTF-8: D7 90 to D7 AA
            result.words.back() += static_cast<char>(0xD7);
            result.words.back() += static_cast<char>(0x90 + form);
            ++result.letters;
        } else if (c == kMaqaf || IsWhiteSpace(c)) {
            inWord = false;
        } else {
            ++result.ignored;
        }
    }
    return result;
}

}  // namespace vellumark

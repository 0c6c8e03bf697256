// The Hebrew normaliser against ICU's NFKD, taken directly through ICU's C
// interface: for any bytes (UTF-8 or not) the normaliser's letter count is the
// number of Hebrew letters (U+05D0 to U+05EA) of the decomposed text, its words
// hold exactly those letters, and its words read again give themselves.
#include "data/HebrewInput.h"

#include "FuzzSupport.h"

#include <unicode/unorm2.h>
#include <unicode/ustring.h>

namespace {

/// The Hebrew letters of the text's NFKD, ill-formed UTF-8 replaced.
std::size_t LettersOfNfkd(std::string_view utf8) {
    UErrorCode status = U_ZERO_ERROR;
    // A byte gives at most one UTF-16 unit (four give two).
    std::vector<UChar> text(utf8.size() + 1);
    std::int32_t length = 0;
    u_strFromUTF8WithSub(text.data(), static_cast<std::int32_t>(text.size()), &length, utf8.data(),
                         static_cast<std::int32_t>(utf8.size()), 0xFFFD, nullptr, &status);
    fuzzing::Require(U_SUCCESS(status), "ICU could not read the text");
    const UNormalizer2* const nfkd = unorm2_getNFKDInstance(&status);
    std::vector<UChar> decomposed(static_cast<std::size_t>(length) * 18 + 1);
    const std::int32_t size =
        unorm2_normalize(nfkd, text.data(), length, decomposed.data(),
                         static_cast<std::int32_t>(decomposed.size()), &status);
    fuzzing::Require(U_SUCCESS(status), "ICU could not decompose the text");
    std::size_t letters = 0;
    for (std::int32_t i = 0; i < size; ++i)
        letters += decomposed[i] >= 0x05D0 && decomposed[i] <= 0x05EA;
    return letters;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vellumark::HebrewWords words = vellumark::HebrewWordsOf(text);
    fuzzing::Require(words.letters == LettersOfNfkd(text), "letters differ from ICU's NFKD");

    std::size_t bytes = 0;
    std::string joined;
    for (const std::string& word : words.words) {
        fuzzing::Require(!word.empty(), "an empty word");
        for (std::size_t i = 0; i < word.size(); i += 2) {
            fuzzing::Require(i + 1 < word.size() && word[i] == '\xD7' &&
                                 static_cast<unsigned char>(word[i + 1]) >= 0x90 &&
                                 static_cast<unsigned char>(word[i + 1]) <= 0xAA,
                             "a word holds more than letters");
        }
        bytes += word.size();
        joined += word + ' ';
    }
    fuzzing::Require(bytes == 2 * words.letters, "the words do not hold the letters");
    const vellumark::HebrewWords again = vellumark::HebrewWordsOf(joined);
    fuzzing::Require(again.words == words.words && again.ignored == 0,
                     "the words read again differ");
    return 0;
}

#include "data/HebrewInput.h"

#include <dlfcn.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>
#include <unicode/uvernum.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <vector>

// ICU's names carry its version (unorm2_normalize is unorm2_normalize_72):
// spelled through the headers' own renaming, so that they match the library
// the program was built against.
#define VELLUMARK_TEXT(x) #x
#define VELLUMARK_NAME(x) VELLUMARK_TEXT(x)

namespace vellumark {

namespace {

/// The three ICU functions the normaliser calls. ICU is loaded at the first
/// Hebrew text, not at every start of the program: most runs of the command
/// line read none, and loading ICU costs more than such a run's search.
struct Icu {
    decltype(&::u_strFromUTF8WithSub) fromUtf8 = nullptr;
    decltype(&::unorm2_getNFKDInstance) nfkdInstance = nullptr;
    decltype(&::unorm2_normalize) normalize = nullptr;
};

const Icu& LoadIcu() {
    static const Icu icu = [] {
        Icu loaded;
        void* const library =
            dlopen("libicuuc.so." VELLUMARK_NAME(U_ICU_VERSION_MAJOR_NUM), RTLD_NOW | RTLD_LOCAL);
        if (!library) return loaded;
        loaded.fromUtf8 = reinterpret_cast<decltype(loaded.fromUtf8)>(
            dlsym(library, VELLUMARK_NAME(u_strFromUTF8WithSub)));
        loaded.nfkdInstance = reinterpret_cast<decltype(loaded.nfkdInstance)>(
            dlsym(library, VELLUMARK_NAME(unorm2_getNFKDInstance)));
        loaded.normalize = reinterpret_cast<decltype(loaded.normalize)>(
            dlsym(library, VELLUMARK_NAME(unorm2_normalize)));
        return loaded;
    }();
    if (!icu.fromUtf8 || !icu.nfkdInstance || !icu.normalize)
        throw std::runtime_error("The Unicode data is missing (ICU).");
    return icu;
}

}  // namespace

HebrewWords HebrewWordsOf(std::string_view utf8) {
    // ICU counts in 32-bit lengths; no field takes text near that size.
    if (utf8.size() > INT32_MAX / 4) throw std::length_error("The Hebrew text is too long.");
    const Icu& icu = LoadIcu();
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* const nfkd = icu.nfkdInstance(&status);
    if (U_FAILURE(status)) throw std::runtime_error("The Unicode data is missing (ICU).");
    // Ill-formed UTF-8 becomes U+FFFD, one an ill-formed sequence. A byte
    // gives at most one UTF-16 unit (four bytes give two).
    std::vector<UChar> text(utf8.size() + 1);
    std::int32_t length = 0;
    icu.fromUtf8(text.data(), static_cast<std::int32_t>(text.size()), &length, utf8.data(),
                 static_cast<std::int32_t>(utf8.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status)) throw std::runtime_error("The Hebrew text could not be decomposed.");
    // The decomposition's length is asked first, then written.
    const std::int32_t size = icu.normalize(nfkd, text.data(), length, nullptr, 0, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) status = U_ZERO_ERROR;
    std::vector<UChar> decomposed(static_cast<std::size_t>(size) + 1);
    icu.normalize(nfkd, text.data(), length, decomposed.data(),
                  static_cast<std::int32_t>(decomposed.size()), &status);
    if (U_FAILURE(status)) throw std::runtime_error("The Hebrew text could not be decomposed.");
    std::u32string codePoints;
    codePoints.reserve(static_cast<std::size_t>(size));
    for (std::int32_t i = 0; i < size;) {
        UChar32 c = 0;
        U16_NEXT(decomposed.data(), i, size, c);
        codePoints.push_back(static_cast<char32_t>(c));
    }
    return SplitHebrewWords(codePoints);
}

}  // namespace vellumark

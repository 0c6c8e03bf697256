#pragma once

#include "data/Gematria.h"

#include <string_view>

namespace vellumark {

/// The words of typed or pasted Hebrew (UTF-8; a byte that is not UTF-8 counts
/// as an ignored character). The text is first brought to its compatibility
/// decomposition (NFKD, by ICU), so that presentation forms such as U+FB2A
/// (shin with its dot) and wide or symbol letters count as their letter:
/// «שָׁלוֹם» gives the one word «שלום» of 4 letters, its points ignored.
HebrewWords HebrewWordsOf(std::string_view utf8);

}  // namespace vellumark

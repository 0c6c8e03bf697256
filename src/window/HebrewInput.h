#pragma once

#include "data/Gematria.h"

#include <QString>

namespace vellumark {

/// The words of typed or pasted Hebrew: the text is first brought to its
/// compatibility decomposition (NFKD), so that presentation forms such as
/// U+FB2A (shin with its dot) and wide or symbol letters count as their letter.
HebrewWords HebrewWordsOf(const QString& text);

}  // namespace vellumark

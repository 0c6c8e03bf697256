#include "window/HebrewInput.h"

namespace vellumark {

HebrewWords HebrewWordsOf(const QString& text) {
    return SplitHebrewWords(text.normalized(QString::NormalizationForm_KD).toStdU32String());
}

}  // namespace vellumark

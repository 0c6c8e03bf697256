#pragma once

#include "data/Gematria.h"
#include "data/VerseRecordFile.h"
#include "data/WordRecordFile.h"

#include <array>
#include <cstdint>

namespace vellumark {

/// One hit of a search, as plain data; sinks turn hits into reports or counts.
struct Hit {
    VerseId verse;
    /// The hit is on the alternate (final-letter) value: a verse, a run, a phrase.
    bool alternate = false;
    /// Word searches: the number of words in the verse.
    int wordCount = 0;
    /// Single word search: per word 0 no match, 1 a match, 2 a match of its
    /// alternate value.
    std::array<std::uint8_t, VerseBlock::kMaxWords> marks{};
    /// Phrase search: the first and last word of the phrase, 0-based.
    int firstWord = 0;
    int lastWord = 0;
    /// Verse runs: the last verse and how many verses follow the first.
    VerseId runEnd;
    int furtherVerses = 0;
    /// The method the hit was found under (All methods names each hit's own).
    Method method = Method::StandardAndFinal;
};

/// Takes the hits of one search in file order.
class HitSink {
public:
    virtual ~HitSink() = default;
    /// Before the scan: open what the hits go to.
    virtual void begin() {}
    virtual void add(const Hit& hit) = 0;
    /// After the scan, finished or killed: complete what the hits went to.
    virtual void finish() {}
};

}  // namespace vellumark

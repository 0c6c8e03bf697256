#pragma once

#include "data/VerseRange.h"

#include <array>
#include <string_view>

namespace vellumark {

/// One weekly Torah portion: its name and verses, in the verse numbering of the
/// data (the Hebrew one of the source, where Genesis 32 begins two verses
/// before the English and Numbers 30 one verse after).
struct Portion {
    std::string_view name;
    VerseScope verses;
};

constexpr int kPortionCount = 54;

/// The 54 portions in reading order, from Bereshit (Genesis 1:1-6:8) to Vezot
/// Haberakhah (Deuteronomy 33:1-34:12). They follow one another without a gap
/// and together hold the Torah.
extern const std::array<Portion, kPortionCount> kPortions;

}  // namespace vellumark

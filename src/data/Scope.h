#pragma once

#include "data/VerseRange.h"

#include <string>
#include <string_view>
#include <vector>

namespace vellumark {

/// The highest chapter or verse number a record can hold: the open end of a
/// book or chapter ("Gen" ends at Genesis 32767:32767).
constexpr std::int16_t kOpenEnd = 32767;

/// The verses a search, total or statistic covers: one or more ranges in file
/// order that share no verse. A scope without a name is a range as typed in
/// the window's range fields or given with --range: its two verses must be in
/// the data, and reports write it as "Range: ...". A named scope (a section,
/// a book, a portion, typed chapters and verses) may reach past the data's
/// verses, and reports write "Scope: " and its name.
struct Scope {
    Scope() = default;
    Scope(const VerseScope& range) : ranges{range} {}  // NOLINT: a typed range is a scope

    std::string name;  ///< "Torah", "Vayetze (Genesis 28:10 to Genesis 32:3)", "Genesis 1-3"
    std::vector<VerseScope> ranges;
};

/// What ParseScope made of a text: a message when it failed, else the whole
/// text ("Whole text") or the scope.
struct ParsedScope {
    std::string message;
    bool whole = false;
    Scope scope;

    bool passed() const { return message.empty(); }
};

/// Reads a scope as typed, parts separated by commas, each one of: "Whole
/// text", "Torah", "Prophets", "Writings", a portion ("Vayetze"), a book
/// ("Gen", "Genesis", "1 Sam"), a chapter ("Gen 1"), a verse ("Gen 1:1"), or a
/// range of these with "-": "Gen 1-3", "Gen 1:1-6:8", "Gen 1:5-10" (verses of
/// chapter 1), "Gen 50-Exo 2", "Gen-Deut". Letter case, spaces, hyphens and
/// apostrophes in names do not count. Overlapping parts are joined; a part
/// whose end comes before its start, or an unknown name (the message lists the
/// nearest names), fails.
ParsedScope ParseScope(std::string_view text);

/// The sections of the text and the books they hold.
struct Section {
    std::string_view name;
    std::vector<VerseScope> ranges;
};
const std::vector<Section>& Sections();

/// The verses of a book, open at its end.
VerseScope BookVerses(std::int16_t book);

/// The name of a verse for reports: "Genesis 28:10".
std::string PlaceName(const VerseId& id);

/// The names `typed` comes nearest to among the sections, books and portions
/// (at most `count`, nearest first).
std::vector<std::string> NearestScopeNames(std::string_view typed, std::size_t count = 3);

}  // namespace vellumark

#include "data/Scope.h"

#include "data/Books.h"
#include "data/Portions.h"
#include "data/TextInput.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace vellumark {

namespace {

/// Lower-case ASCII without spaces, hyphens and apostrophes: "Lech-Lecha" and
/// "lech lecha" both give "lechlecha".
std::string Folded(std::string_view text) {
    std::string folded;
    for (char c : text)
        if (c != ' ' && c != '-' && c != '\'')
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

std::string BookName(std::int16_t book) { return std::string(kBookNames[book - 1]); }

/// A place as typed: a book (possibly empty) and a chapter and verse (0 when not typed).
struct Place {
    std::string book;
    std::int32_t chapter = 0;
    std::int32_t verse = 0;
};

/// "1 Sam 3:4" gives "1 Sam", 3, 4; "3" gives "", 3; "Gen" gives "Gen". A
/// number that is 0 or too large is a message.
std::optional<Place> SplitPlace(const std::string& typed, std::string& message) {
    const std::string text = TrimSpaces(typed);
    std::size_t start = text.size();
    while (start > 0 &&
           (std::isdigit(static_cast<unsigned char>(text[start - 1])) || text[start - 1] == ':'))
        --start;
    // "1 Sam": the digit belongs to the book when letters follow it.
    Place place;
    place.book = TrimSpaces(text.substr(0, start));
    const std::string numbers = text.substr(start);
    if (numbers.empty()) return place;
    const std::size_t colon = numbers.find(':');
    const std::string chapter = numbers.substr(0, colon);
    const std::string verse = colon == std::string::npos ? "" : numbers.substr(colon + 1);
    if (CheckWholeNumber(chapter, kOpenEnd, place.chapter) != WholeNumber::Valid ||
        (colon != std::string::npos &&
         CheckWholeNumber(verse, kOpenEnd, place.verse) != WholeNumber::Valid)) {
        message = "\"" + text + "\" is not a chapter or verse such as \"Gen 1\" or \"Gen 1:1\".";
        return std::nullopt;
    }
    return place;
}

/// "Genesis", "Genesis 1", "Genesis 1:1".
std::string PlaceText(std::int16_t book, const Place& place) {
    std::string text = BookName(book);
    if (place.chapter) text.append(" ").append(std::to_string(place.chapter));
    if (place.verse) text.append(":").append(std::to_string(place.verse));
    return text;
}

/// The range of one part without a section's or portion's name.
std::optional<std::pair<VerseScope, std::string>> ParseRange(const std::string& part,
                                                             std::string& message) {
    const std::size_t dash = part.find('-');
    const std::optional<Place> start = SplitPlace(part.substr(0, dash), message);
    if (!start) return std::nullopt;
    std::optional<Place> end = start;
    if (dash != std::string::npos) {
        end = SplitPlace(part.substr(dash + 1), message);
        if (!end) return std::nullopt;
    }
    const std::int16_t startBook = FindBook(start->book);
    if (startBook == 0 || (end->book.empty() && end->chapter == 0)) return std::nullopt;
    std::int16_t endBook = startBook;
    if (!end->book.empty()) {
        endBook = FindBook(end->book);
        if (endBook == 0) return std::nullopt;
    } else if (dash != std::string::npos && start->verse != 0 && end->verse == 0) {
        // "Gen 1:5-10": the end is a verse of the start's chapter.
        end->verse = end->chapter;
        end->chapter = start->chapter;
    }
    const auto n16 = [](std::int32_t n, std::int16_t none) {
        return n == 0 ? none : static_cast<std::int16_t>(n);
    };
    const VerseScope range{{startBook, n16(start->chapter, 1), n16(start->verse, 1)},
                           {endBook, n16(end->chapter, kOpenEnd), n16(end->verse, kOpenEnd)}};
    std::string name = PlaceText(startBook, *start);
    if (dash != std::string::npos) {
        const bool oneBook = endBook == startBook;
        if (oneBook && start->verse == 0 && end->verse == 0 && start->chapter && end->chapter)
            name.append("-").append(std::to_string(end->chapter));  // "Genesis 1-3"
        else if (oneBook && start->verse && end->verse && end->chapter == start->chapter)
            name.append("-").append(std::to_string(end->verse));  // "Genesis 1:5-10"
        else
            name.append(" to ").append(PlaceText(endBook, *end));
    }
    if (range.last < range.first) {
        message = "In \"" + part + "\" the end comes before the start.";
        return std::nullopt;
    }
    return std::pair{range, name};
}

std::string UnknownMessage(const std::string& part) {
    std::string message = "\"" + part + "\" is not a section, book, portion or verse range.";
    const std::vector<std::string> nearest = NearestScopeNames(part);
    if (nearest.empty()) return message;
    message += " The nearest names: ";
    for (std::size_t i = 0; i < nearest.size(); ++i) message += (i ? ", " : "") + nearest[i];
    return message + ".";
}

/// Edit distance of two short texts.
std::size_t Distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

const std::vector<Section>& Sections() {
    static const std::vector<Section> sections = [] {
        auto books = [](std::int16_t first, std::int16_t last) {
            return VerseScope{BookVerses(first).first, BookVerses(last).last};
        };
        return std::vector<Section>{
            {"Torah", {books(1, 5)}},
            {"Prophets", {books(6, 7), books(9, 12), books(23, 24), books(26, 26), books(28, 39)}},
            {"Writings", {books(8, 8), books(13, 22), books(25, 25), books(27, 27)}},
        };
    }();
    return sections;
}

VerseScope BookVerses(std::int16_t book) { return {{book, 1, 1}, {book, kOpenEnd, kOpenEnd}}; }

std::string PlaceName(const VerseId& id) {
    const std::string book = id.book >= 1 && id.book <= kBookCount
                                 ? BookName(id.book)
                                 : "book " + std::to_string(id.book);
    return book + " " + std::to_string(id.chapter) + ":" + std::to_string(id.verse);
}

std::vector<std::string> NearestScopeNames(std::string_view typed, std::size_t count) {
    std::vector<std::pair<std::string, std::string_view>> names;  // (compared, shown)
    names.emplace_back("Whole text", "Whole text");
    for (const Section& section : Sections()) names.emplace_back(section.name, section.name);
    for (std::int16_t book = 1; book <= kBookCount; ++book) {
        names.emplace_back(kBookNames[book - 1], kBookNames[book - 1]);
        names.emplace_back(TrimSpaces(GetBookAbbrev(book)), kBookNames[book - 1]);
    }
    for (const Portion& portion : kPortions) names.emplace_back(portion.name, portion.name);

    const std::string wanted = Folded(typed);
    std::vector<std::pair<std::size_t, std::string_view>> ranked;
    for (const auto& name : names) {
        const std::string_view shown = name.second;
        const std::size_t distance = Distance(wanted, Folded(name.first));
        auto same = [shown](const auto& r) { return r.second == shown; };
        const auto found = std::find_if(ranked.begin(), ranked.end(), same);
        if (found == ranked.end())
            ranked.emplace_back(distance, shown);
        else
            found->first = std::min(found->first, distance);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> nearest;
    for (std::size_t i = 0; i < ranked.size() && i < count; ++i)
        nearest.emplace_back(ranked[i].second);
    return nearest;
}

ParsedScope ParseScope(std::string_view text) {
    ParsedScope parsed;
    // An en dash between verses reads as a hyphen.
    std::string all;
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at, 3) == "\xE2\x80\x93") {
            all += '-';
            at += 3;
        } else {
            all += text[at++];
        }
    }

    std::vector<std::string> names;
    std::size_t from = 0;
    while (from <= all.size()) {
        const std::size_t comma = std::min(all.find(',', from), all.size());
        const std::string part = TrimSpaces(all.substr(from, comma - from));
        from = comma + 1;
        if (part.empty()) return {"The scope \"" + TrimSpaces(all) + "\" has an empty part."};
        const std::string folded = Folded(part);
        if (folded == "wholetext") {
            parsed.whole = true;
            continue;
        }
        const auto section =
            std::find_if(Sections().begin(), Sections().end(),
                         [&](const Section& s) { return Folded(s.name) == folded; });
        if (section != Sections().end()) {
            names.emplace_back(section->name);
            for (const VerseScope& range : section->ranges) parsed.scope.ranges.push_back(range);
            continue;
        }
        const auto portion =
            std::find_if(kPortions.begin(), kPortions.end(),
                         [&](const Portion& p) { return Folded(p.name) == folded; });
        if (portion != kPortions.end()) {
            names.push_back(std::string(portion->name) + " (" + PlaceName(portion->verses.first) +
                            " to " + PlaceName(portion->verses.last) + ")");
            parsed.scope.ranges.push_back(portion->verses);
            continue;
        }
        std::string message;
        const auto range = ParseRange(part, message);
        if (!range) return {message.empty() ? UnknownMessage(part) : message};
        names.push_back(range->second);
        parsed.scope.ranges.push_back(range->first);
    }
    if (parsed.whole) {
        parsed.scope = {};
        return parsed;
    }

    // In file order, overlapping ranges joined.
    std::vector<VerseScope>& ranges = parsed.scope.ranges;
    std::sort(ranges.begin(), ranges.end(),
              [](const VerseScope& a, const VerseScope& b) { return a.first < b.first; });
    std::vector<VerseScope> joined;
    for (const VerseScope& range : ranges) {
        if (!joined.empty() && range.first <= joined.back().last)
            joined.back().last = std::max(joined.back().last, range.last);
        else
            joined.push_back(range);
    }
    ranges = std::move(joined);
    for (std::size_t i = 0; i < names.size(); ++i) parsed.scope.name += (i ? ", " : "") + names[i];
    return parsed;
}

}  // namespace vellumark

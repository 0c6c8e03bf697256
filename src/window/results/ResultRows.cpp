#include "window/results/ResultRows.h"

#include "data/Books.h"

#include <set>

namespace vellumark {

namespace {

/// 6565 gives "6,565".
std::string Grouped(std::size_t number) {
    const std::string digits = std::to_string(number);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

std::string_view MatchWords(const SearchRequest& request) {
    switch (request.match) {
        case Match::Words:
            return "words";
        case Match::Phrases:
            return "phrases";
        case Match::Verses:
            return "verses";
        default:
            return "verse runs";
    }
}

std::string_view Measure(std::int16_t searchType) {
    switch (searchType) {
        case kWordCount:
            return " of word count";
        case kLetterCount:
            return " of letter count";
        default:
            return "";
    }
}

}  // namespace

std::size_t ResultSet::verses() const {
    std::set<std::tuple<int, int, int>> seen;
    for (const ResultRow& row : rows)
        seen.emplace(row.verse.book, row.verse.chapter, row.verse.verse);
    return seen.size();
}

void AddResultRows(const Hit& hit, Match match, std::vector<ResultRow>& rows) {
    ResultRow row;
    row.verse = hit.verse;
    row.alternate = hit.alternate;
    row.method = hit.method;
    switch (match) {
        case Match::Words:
            for (int k = 0; k < hit.wordCount; ++k) {
                if (hit.marks[static_cast<std::size_t>(k)] == 0) continue;
                row.firstWord = row.lastWord = k + 1;
                row.alternate = hit.marks[static_cast<std::size_t>(k)] == 2;
                rows.push_back(row);
            }
            return;
        case Match::Phrases:
            row.firstWord = hit.firstWord + 1;
            row.lastWord = hit.lastWord + 1;
            break;
        case Match::Verses:
            break;
        case Match::VerseRuns:
            row.end = hit.runEnd;
            row.furtherVerses = hit.furtherVerses;
            break;
    }
    rows.push_back(row);
}

std::string DescribeResults(const ResultSet& results, const VerseScope& whole) {
    const SearchRequest& request = results.request;
    const std::size_t hits = results.rows.size();
    const std::size_t verses = results.verses();
    std::string text = Grouped(hits) + (hits == 1 ? " hit in " : " hits in ") + Grouped(verses) +
                       (verses == 1 ? " verse: " : " verses: ");
    text.append(MatchWords(request));
    if (request.match == Match::Phrases && results.maxPhraseWords > 0)
        text += " of 2 to " + std::to_string(results.maxPhraseWords) + " words";
    if (request.match == Match::Verses || request.match == Match::VerseRuns)
        text.append(Measure(request.searchType));
    text += " equal to " + std::to_string(request.value);
    if (UsesMethod(request))
        text.append(" by ").append(request.allMethods ? "All methods" : MethodName(request.method));
    if (request.scope && !request.scope->name.empty()) {
        text += ", " + request.scope->name;
    } else {
        const VerseScope& scope = request.scope ? request.scope->ranges.front() : whole;
        auto name = [](const VerseId& id) {
            const bool known = id.book >= 1 && id.book <= kBookCount;
            return (known ? std::string(kBookNames[static_cast<std::size_t>(id.book - 1)])
                          : "book " + std::to_string(id.book)) +
                   ' ' + std::to_string(id.chapter) + ':' + std::to_string(id.verse);
        };
        text += ", " + name(scope.first) + " to " + name(scope.last);
    }
    if (request.reading == Reading::Read) text += ", read text (qere)";
    if (results.killed) text += " (stopped)";
    return text;
}

std::string RowReference(const ResultRow& row) {
    const VerseId& a = row.verse;
    std::string text = VerseName(a.book, a.chapter, a.verse);
    const VerseId& b = row.end;
    if (b.book == 0) return text;
    if (b.book != a.book) {
        text += '-' + VerseName(b.book, b.chapter, b.verse);
    } else if (b.chapter != a.chapter) {
        text += '-' + std::to_string(b.chapter) + ':' + std::to_string(b.verse);
    } else {
        text += '-' + std::to_string(b.verse);
    }
    return text;
}

}  // namespace vellumark

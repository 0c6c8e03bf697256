#include "cli/HitRows.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/Errors.h"

#include <vector>

namespace vellumark::cli {

namespace {

/// The named entities of HTML 4 text that English texts use; numeric ones are
/// decoded whatever their number.
constexpr std::pair<std::string_view, std::string_view> kEntities[] = {
    {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", "\u00A0"}};

void AppendUtf8(std::string& out, unsigned long code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

/// Decodes the entity at `text` ("&amp;..."); returns the bytes it took, 0 when
/// it is no entity.
std::size_t DecodeEntity(std::string_view text, std::string& out) {
    const std::size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos || semicolon < 2 || semicolon > 10) return 0;
    const std::string_view name = text.substr(1, semicolon - 1);
    if (name[0] == '#') {
        const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
        const std::string digits(name.substr(hex ? 2 : 1));
        if (digits.empty()) return 0;
        std::size_t used = 0;
        unsigned long code = 0;
        try {
            code = std::stoul(digits, &used, hex ? 16 : 10);
        } catch (const std::exception&) {
            return 0;
        }
        if (used != digits.size()) return 0;
        AppendUtf8(out, code);
        return semicolon + 1;
    }
    for (const auto& [entity, decoded] : kEntities) {
        if (name == entity) {
            out += decoded;
            return semicolon + 1;
        }
    }
    return 0;
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

}  // namespace

std::string PlainEnglish(std::string_view html) {
    std::string plain;
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            const std::size_t close = html.find('>', i);
            if (close != std::string_view::npos) {
                i = close + 1;
                continue;
            }
        } else if (html[i] == '&') {
            if (const std::size_t used = DecodeEntity(html.substr(i), plain)) {
                i += used;
                continue;
            }
        }
        plain += html[i++];
    }
    return Trimmed(plain);
}

namespace {

/// The words of a verse's Hebrew text, split at single spaces as the report
/// splits them; the text must hold every word the word record file counts.
std::vector<std::string_view> WordsOf(std::string_view text, const VerseId& id, int wordCount) {
    std::vector<std::string_view> words;
    for (std::size_t start = 0; !text.empty();) {
        const std::size_t space = text.find(' ', start);
        words.push_back(text.substr(start, space - start));
        if (space == std::string_view::npos) break;
        start = space + 1;
    }
    if (words.size() < static_cast<std::size_t>(wordCount)) {
        throw DataError(std::string(kHebrewFile) + ", " + VerseName(id.book, id.chapter, id.verse) +
                        ": the line has " + std::to_string(words.size()) + " words, word " +
                        std::to_string(words.size() + 1) + " is wanted." + kRebuildHint);
    }
    return words;
}

}  // namespace

RowSink::RowSink(std::string appPath, RowHandler handler)
    : appPath_(std::move(appPath)), handler_(std::move(handler)) {}

void RowSink::add(const Hit& hit) {
    if (!texts_) texts_.emplace(appPath_);
    VerseTexts& texts = *texts_;
    const VerseId& id = hit.verse;
    HitRow row;
    row.value = request_.value;
    row.method = request_.allMethods ? hit.method : request_.method;
    row.match = request_.match;
    row.verse = id;
    row.alternate = hit.alternate;
    row.english = texts.plainEnglish(id);
    switch (request_.match) {
        case Match::Words: {
            const std::vector<std::string_view> words =
                WordsOf(texts.hebrew(id), id, hit.wordCount);
            for (int k = 0; k < hit.wordCount; ++k) {
                if (hit.marks[k] == 0) continue;
                row.firstWord = row.lastWord = k + 1;
                row.hebrew = words[k];
                row.alternate = hit.marks[k] == 2;
                handler_(row);
            }
            return;
        }
        case Match::Phrases: {
            const std::vector<std::string_view> words =
                WordsOf(texts.hebrew(id), id, hit.wordCount);
            row.firstWord = hit.firstWord + 1;
            row.lastWord = hit.lastWord + 1;
            for (int k = hit.firstWord; k <= hit.lastWord; ++k) {
                if (k > hit.firstWord) row.hebrew += ' ';
                row.hebrew += words[k];
            }
            break;
        }
        case Match::Verses:
            row.hebrew = texts.hebrew(id);
            break;
        case Match::VerseRuns:
            row.end = hit.runEnd;
            row.hebrew = texts.hebrew(id);
            for (int k = 1; k <= hit.furtherVerses; ++k) {
                row.hebrew.append(" ").append(texts.hebrew(id, k));
                row.english.append(" ").append(texts.plainEnglish(id, k));
            }
            break;
    }
    handler_(row);
}

}  // namespace vellumark::cli

#include "search/RowWriters.h"

#include "data/Books.h"
#include "search/ByteScan.h"

#include <nlohmann/json.hpp>

#include <charconv>

namespace vellumark {

namespace {

constexpr std::string_view kMatchKeys[] = {"words", "phrases", "verses", "verse-runs"};

void AppendNumber(std::string& out, std::int32_t number) {
    char digits[12];
    const char* const end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

/// The book's abbreviation without its space: "1 Sam".
void AppendBook(std::string& out, std::int16_t book) {
    const std::string abbrev = GetBookAbbrev(book);  // a few bytes: no allocation
    out.append(abbrev, 0, abbrev.empty() ? 0 : abbrev.size() - 1);
}

/// The length of the well-formed UTF-8 sequence that starts `text` with a
/// byte of 0x80 or above, as JSON writers decode it (no overlong forms, no
/// surrogates, nothing above U+10FFFF); 0 when it is not one.
std::size_t Utf8Length(std::string_view text) {
    const auto c = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < low || second > high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[k]);
        if (next < 0x80 || next > 0xBF) return 0;
    }
    return length;
}

/// Appends the escape of `c`, a control character, a quote or a backslash.
void AppendJsonEscape(std::string& out, unsigned char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
            break;
    }
}

/// A JSON string as nlohmann-json writes it (UTF-8 kept, control characters
/// escaped), in one pass that copies the stretches needing no escape whole;
/// a text with bytes that are not UTF-8 goes through nlohmann-json, which
/// puts U+FFFD in their place.
void AppendJsonString(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out += '"';
    std::size_t plain = 0;  // the start of the bytes not yet copied
    std::size_t i = FindJsonSpecial(text, 0);
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out.append(text, plain, i - plain);
            AppendJsonEscape(out, c);
            plain = ++i;
        } else {
            // Letters of other scripts come in runs, with spaces between
            // words: checked here byte by byte rather than block by block.
            do {
                const std::size_t length = Utf8Length(text.substr(i));
                if (length == 0) {
                    out.resize(start);
                    out += nlohmann::json(std::string(text))
                               .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
                    return;
                }
                i += length;
                while (i < text.size() && text[i] == ' ') ++i;
            } while (i < text.size() && static_cast<unsigned char>(text[i]) >= 0x80);
        }
        i = FindJsonSpecial(text, i);
    }
    out.append(text, plain);
    out += '"';
}

}  // namespace

std::string_view MethodKey(Method method) { return InfoOf(method).key; }
std::string_view MatchKey(Match match) { return kMatchKeys[static_cast<int>(match)]; }

void AppendCsvField(std::string& out, std::string_view text) {
    if (!NeedsCsvQuotes(text)) {
        out += text;
        return;
    }
    out += '"';
    // Each quote is doubled: the text up to and including it, then one more.
    for (std::size_t quote = text.find('"'); quote != std::string_view::npos;
         quote = text.find('"')) {
        out.append(text.substr(0, quote + 1)) += '"';
        text.remove_prefix(quote + 1);
    }
    out.append(text) += '"';
}

void RowWriter::begin() {
    if (format_ == RowFormat::Csv) {
        out_ +=
            "value,method,match,book,chapter,verse,end_book,end_chapter,end_verse,first_word,"
            "last_word,hebrew,alternate,english\r\n";
    } else if (format_ == RowFormat::Json) {
        out_ += '[';
    }
}

void RowWriter::row(const HitRow& row) {
    switch (format_) {
        case RowFormat::Csv:
            csv(row);
            break;
        case RowFormat::Json:
            json(row);
            break;
        case RowFormat::Text:
            text(row);
            break;
    }
}

void RowWriter::finish() {
    if (format_ == RowFormat::Json) out_ += first_ ? "]\n" : "\n]\n";
}

void RowWriter::csv(const HitRow& r) {
    const bool run = r.match == Match::VerseRuns;
    const bool words = r.match == Match::Words || r.match == Match::Phrases;
    // A number, or nothing where the match has none.
    const auto number = [this](bool present, std::int32_t n) {
        if (present) AppendNumber(out_, n);
        out_ += ',';
    };
    number(true, r.value);
    out_.append(MethodKey(r.method)).append(",").append(MatchKey(r.match)) += ',';
    AppendBook(out_, r.verse.book);
    out_ += ',';
    number(true, r.verse.chapter);
    number(true, r.verse.verse);
    if (run) AppendBook(out_, r.end.book);
    out_ += ',';
    number(run, r.end.chapter);
    number(run, r.end.verse);
    number(words, r.firstWord);
    number(words, r.lastWord);
    AppendCsvField(out_, r.hebrew);
    out_ += r.alternate ? ",true," : ",false,";
    AppendCsvField(out_, r.english);
    out_ += "\r\n";
}

void RowWriter::json(const HitRow& r) {
    const bool run = r.match == Match::VerseRuns;
    const bool words = r.match == Match::Words || r.match == Match::Phrases;
    const auto number = [this](const char* key, bool present, std::int32_t n) {
        out_ += key;
        if (present)
            AppendNumber(out_, n);
        else
            out_ += "null";
    };
    out_ += first_ ? "\n" : ",\n";
    first_ = false;
    number("{\"value\":", true, r.value);
    out_.append(",\"method\":\"").append(MethodKey(r.method));
    out_.append("\",\"match\":\"").append(MatchKey(r.match));
    out_ += "\",\"book\":\"";
    AppendBook(out_, r.verse.book);
    out_ += '"';
    number(",\"chapter\":", true, r.verse.chapter);
    number(",\"verse\":", true, r.verse.verse);
    out_ += ",\"end_book\":";
    if (run) {
        out_ += '"';
        AppendBook(out_, r.end.book);
        out_ += '"';
    } else {
        out_ += "null";
    }
    number(",\"end_chapter\":", run, r.end.chapter);
    number(",\"end_verse\":", run, r.end.verse);
    number(",\"first_word\":", words, r.firstWord);
    number(",\"last_word\":", words, r.lastWord);
    out_ += ",\"hebrew\":";
    AppendJsonString(out_, r.hebrew);
    out_ += r.alternate ? ",\"alternate\":true,\"english\":" : ",\"alternate\":false,\"english\":";
    AppendJsonString(out_, r.english);
    out_ += '}';
}

void RowWriter::text(const HitRow& r) {
    out_ += VerseName(r.verse.book, r.verse.chapter, r.verse.verse);
    if (r.match == Match::VerseRuns && !(r.end == r.verse))
        out_.append("-").append(VerseName(r.end.book, r.end.chapter, r.end.verse));
    if (r.match == Match::Words || r.match == Match::Phrases) {
        out_ += r.firstWord == r.lastWord ? ", word " : ", words ";
        AppendNumber(out_, r.firstWord);
        if (r.firstWord != r.lastWord) {
            out_ += '-';
            AppendNumber(out_, r.lastWord);
        }
    }
    out_ += r.alternate ? "  (" : "  ";
    out_ += r.hebrew;
    out_ += r.alternate ? ")  " : "  ";
    AppendNumber(out_, r.value);
    if (r.allMethods) out_.append("  ").append(MethodName(r.method));
    out_ += '\n';
}

}  // namespace vellumark

#include "search/RowWriters.h"

#include "data/Books.h"
#include "search/ByteScan.h"
#include "search/Put.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>

namespace vellumark {

namespace {

constexpr std::string_view kMatchKeys[] = {"words", "phrases", "verses", "verse-runs"};

void AppendNumber(std::string& out, std::int32_t number) {
    char digits[12];
    const char* const end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

/// The book's abbreviation without its space: "1 Sam"; nothing for no book.
char* PutBook(char* p, std::int16_t book) {
    static const std::array<std::string, kBookCount + 1> kBooks = [] {
        std::array<std::string, kBookCount + 1> books;
        for (std::int16_t b = 1; b <= kBookCount; ++b) {
            books[b] = GetBookAbbrev(b);
            books[b].pop_back();
        }
        return books;
    }();
    return Put(p, book >= 1 && book <= kBookCount ? std::string_view(kBooks[book]) : "");
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

/// Writes the escape of `c`, a control character, a quote or a backslash.
char* PutJsonEscape(char* p, unsigned char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    *p++ = '\\';
    switch (c) {
        case '"':
        case '\\':
            *p++ = static_cast<char>(c);
            break;
        case '\b':
            *p++ = 'b';
            break;
        case '\f':
            *p++ = 'f';
            break;
        case '\n':
            *p++ = 'n';
            break;
        case '\r':
            *p++ = 'r';
            break;
        case '\t':
            *p++ = 't';
            break;
        default:
            p = Put(p, "u00");
            *p++ = kHex[c >> 4];
            *p++ = kHex[c & 0xF];
            break;
    }
    return p;
}

/// The room a JSON string of `text` may take: every byte a six-byte escape,
/// or a three-byte U+FFFD, and the quotes.
std::size_t JsonRoom(std::string_view text) { return 6 * text.size() + 2; }

/// Writes a JSON string as nlohmann-json writes it (UTF-8 kept, control
/// characters escaped), in one pass that copies the stretches needing no
/// escape whole; a text with bytes that are not UTF-8 goes through
/// nlohmann-json, which puts U+FFFD in their place. Takes JsonRoom(text).
char* PutJsonString(char* p, std::string_view text) {
    char* const start = p;
    *p++ = '"';
    std::size_t plain = 0;  // the start of the bytes not yet copied
    std::size_t i = FindJsonSpecial(text, 0);
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            p = PutJsonEscape(Put(p, text.substr(plain, i - plain)), c);
            plain = ++i;
        } else {
            // Letters of other scripts come in runs, with spaces between
            // words: checked here byte by byte rather than block by block.
            do {
                const std::size_t length = Utf8Length(text.substr(i));
                if (length == 0) {
                    return Put(start,
                               nlohmann::json(std::string(text))
                                   .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
                }
                i += length;
                while (i < text.size() && text[i] == ' ') ++i;
            } while (i < text.size() && static_cast<unsigned char>(text[i]) >= 0x80);
        }
        i = FindJsonSpecial(text, i);
    }
    p = Put(p, text.substr(plain));
    *p++ = '"';
    return p;
}

/// The room a CSV field of `text` may take: every byte a doubled quote, and
/// the quotes around.
std::size_t CsvRoom(std::string_view text) { return 2 * text.size() + 2; }

/// Writes `text` as a CSV field (AppendCsvField). Takes CsvRoom(text).
char* PutCsvField(char* p, std::string_view text) {
    if (!NeedsCsvQuotes(text)) return Put(p, text);
    *p++ = '"';
    // Each quote is doubled: the text up to and including it, then one more.
    for (std::size_t quote = text.find('"'); quote != std::string_view::npos;
         quote = text.find('"')) {
        p = Put(p, text.substr(0, quote + 1));
        *p++ = '"';
        text.remove_prefix(quote + 1);
    }
    p = Put(p, text);
    *p++ = '"';
    return p;
}

/// The room of a row's words, numbers and keys, besides its two texts.
constexpr std::size_t kFixedRoom = 512;

}  // namespace

std::string_view MethodKey(Method method) { return InfoOf(method).key; }
std::string_view MatchKey(Match match) { return kMatchKeys[static_cast<int>(match)]; }

void AppendCsvField(std::string& out, std::string_view text) {
    const std::size_t size = out.size();
    out.resize(size + CsvRoom(text));
    out.resize(static_cast<std::size_t>(PutCsvField(out.data() + size, text) - out.data()));
}

char* RowWriter::room(std::size_t bytes) {
    if (bytes > roomSize_) {
        room_ = std::make_unique<char[]>(bytes);
        roomSize_ = bytes;
    }
    return room_.get();
}

void RowWriter::take(const char* end) {
    out_.append(room_.get(), static_cast<std::size_t>(end - room_.get()));
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
    char* p = room(kFixedRoom + CsvRoom(r.hebrew) + CsvRoom(r.english));
    // A number, or nothing where the match has none.
    const auto number = [&p](bool present, std::int32_t n) {
        if (present) p = PutNumber(p, n);
        *p++ = ',';
    };
    number(true, r.value);
    p = Put(p, MethodKey(r.method));
    *p++ = ',';
    p = Put(p, MatchKey(r.match));
    *p++ = ',';
    p = PutBook(p, r.verse.book);
    *p++ = ',';
    number(true, r.verse.chapter);
    number(true, r.verse.verse);
    if (run) p = PutBook(p, r.end.book);
    *p++ = ',';
    number(run, r.end.chapter);
    number(run, r.end.verse);
    number(words, r.firstWord);
    number(words, r.lastWord);
    p = PutCsvField(p, r.hebrew);
    p = Put(p, r.alternate ? ",true," : ",false,");
    p = PutCsvField(p, r.english);
    p = Put(p, "\r\n");
    take(p);
}

void RowWriter::json(const HitRow& r) {
    const bool run = r.match == Match::VerseRuns;
    const bool words = r.match == Match::Words || r.match == Match::Phrases;
    char* p = room(kFixedRoom + JsonRoom(r.hebrew) + JsonRoom(r.english));
    const auto number = [&p](std::string_view key, bool present, std::int32_t n) {
        p = Put(p, key);
        p = present ? PutNumber(p, n) : Put(p, "null");
    };
    p = Put(p, first_ ? "\n" : ",\n");
    first_ = false;
    number("{\"value\":", true, r.value);
    p = Put(Put(p, ",\"method\":\""), MethodKey(r.method));
    p = Put(Put(p, "\",\"match\":\""), MatchKey(r.match));
    p = PutBook(Put(p, "\",\"book\":\""), r.verse.book);
    *p++ = '"';
    number(",\"chapter\":", true, r.verse.chapter);
    number(",\"verse\":", true, r.verse.verse);
    p = Put(p, ",\"end_book\":");
    if (run) {
        *p++ = '"';
        p = PutBook(p, r.end.book);
        *p++ = '"';
    } else {
        p = Put(p, "null");
    }
    number(",\"end_chapter\":", run, r.end.chapter);
    number(",\"end_verse\":", run, r.end.verse);
    number(",\"first_word\":", words, r.firstWord);
    number(",\"last_word\":", words, r.lastWord);
    p = PutJsonString(Put(p, ",\"hebrew\":"), r.hebrew);
    p = Put(p,
            r.alternate ? ",\"alternate\":true,\"english\":" : ",\"alternate\":false,\"english\":");
    p = PutJsonString(p, r.english);
    *p++ = '}';
    take(p);
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

#include "cli/RowWriters.h"

#include "cli/CliInput.h"
#include "data/Books.h"

#include <nlohmann/json.hpp>

namespace vellumark::cli {

namespace {

std::string Book(std::int16_t book) {
    std::string abbrev = GetBookAbbrev(book);
    if (!abbrev.empty()) abbrev.pop_back();
    return abbrev;
}

class CsvWriter : public RowWriter {
public:
    explicit CsvWriter(Output& out) : out_(out) {}
    void begin() override {
        out_.write(
            "value,method,match,book,chapter,verse,end_book,end_chapter,end_verse,first_word,"
            "last_word,hebrew,alternate,english\r\n");
    }
    void row(const HitRow& r) override {
        const bool run = r.match == Match::VerseRuns;
        const bool words = r.match == Match::Words || r.match == Match::Phrases;
        auto number = [](bool present, int n) { return present ? std::to_string(n) : ""; };
        std::string line = std::to_string(r.value) + ',' + MethodKey(r.method) + ',' +
                           MatchKey(r.match) + ',' + CsvField(Book(r.verse.book)) + ',' +
                           std::to_string(r.verse.chapter) + ',' + std::to_string(r.verse.verse) +
                           ',' + (run ? CsvField(Book(r.end.book)) : "") + ',' +
                           number(run, r.end.chapter) + ',' + number(run, r.end.verse) + ',' +
                           number(words, r.firstWord) + ',' + number(words, r.lastWord) + ',' +
                           CsvField(r.hebrew) + ',' + (r.alternate ? "true" : "false") + ',' +
                           CsvField(r.english) + "\r\n";
        out_.write(line);
    }

private:
    Output& out_;
};

class JsonWriter : public RowWriter {
public:
    explicit JsonWriter(Output& out) : out_(out) {}
    void begin() override { out_.write("["); }
    void row(const HitRow& r) override {
        const bool run = r.match == Match::VerseRuns;
        const bool words = r.match == Match::Words || r.match == Match::Phrases;
        nlohmann::ordered_json object = {
            {"value", r.value},           {"method", MethodKey(r.method)},
            {"match", MatchKey(r.match)}, {"book", Book(r.verse.book)},
            {"chapter", r.verse.chapter}, {"verse", r.verse.verse}};
        object["end_book"] = run ? nlohmann::ordered_json(Book(r.end.book)) : nullptr;
        object["end_chapter"] = run ? nlohmann::ordered_json(r.end.chapter) : nullptr;
        object["end_verse"] = run ? nlohmann::ordered_json(r.end.verse) : nullptr;
        object["first_word"] = words ? nlohmann::ordered_json(r.firstWord) : nullptr;
        object["last_word"] = words ? nlohmann::ordered_json(r.lastWord) : nullptr;
        object["hebrew"] = r.hebrew;
        object["alternate"] = r.alternate;
        object["english"] = r.english;
        out_.write(first_ ? "\n" : ",\n");
        first_ = false;
        out_.write(object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
    }
    void finish() override { out_.write(first_ ? "]\n" : "\n]\n"); }

private:
    Output& out_;
    bool first_ = true;
};

class TextWriter : public RowWriter {
public:
    explicit TextWriter(Output& out) : out_(out) {}
    void row(const HitRow& r) override {
        std::string line = VerseName(r.verse.book, r.verse.chapter, r.verse.verse);
        if (r.match == Match::VerseRuns && !(r.end == r.verse))
            line += '-' + VerseName(r.end.book, r.end.chapter, r.end.verse);
        line += "  " + r.hebrew + "  " + std::to_string(r.value) + '\n';
        out_.write(line);
    }

private:
    Output& out_;
};

}  // namespace

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::unique_ptr<RowWriter> MakeRowWriter(Format format, Output& out) {
    switch (format) {
        case Format::Csv:
            return std::make_unique<CsvWriter>(out);
        case Format::Json:
            return std::make_unique<JsonWriter>(out);
        default:
            return std::make_unique<TextWriter>(out);
    }
}

}  // namespace vellumark::cli

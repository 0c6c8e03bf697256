// vellumark-cli stats: the text's own statistics, per book, section and the
// whole text, and for a chosen scope its letter forms and middles.
#include "cli/Commands.h"
#include "cli/Output.h"
#include "data/Books.h"
#include "totals/TextStatistics.h"

#include <nlohmann/json.hpp>

namespace vellumark::cli {

namespace {

std::string PlaceText(const TextPlace& place) {
    std::string text = VerseName(place.verse.book, place.verse.chapter, place.verse.verse);
    if (place.word) text += ", word " + std::to_string(place.word);
    if (place.letter) text += ", letter " + std::to_string(place.letter);
    return text;
}

std::string MiddleText(const Middle& middle) {
    if (middle.number == 0) return "none";
    std::string text = std::to_string(middle.number) + " (" + PlaceText(middle.first) + ")";
    if (middle.even)
        text += " and " + std::to_string(middle.number + 1) + " (" + PlaceText(middle.second) + ")";
    return text;
}

/// The published figures beside this text's counts, a line a scope that has them.
std::string PublishedText(const std::vector<Statistics>& rows) {
    std::string out = "\nPublished figures (see Sources and Counting Rules):\n";
    for (const Statistics& s : rows) {
        const PublishedFigures& p = s.published;
        if (!p.verses && !p.printedLetters && !p.leningradLetters) continue;
        out += s.name + ":";
        if (p.verses)
            out.append(" ")
                .append(std::to_string(p.verses))
                .append(" verses in the traditional division (here ")
                .append(std::to_string(s.verses))
                .append(")");
        if (p.printedLetters)
            out += "; " + std::to_string(p.printedLetters) + " letters in the printed editions, " +
                   std::to_string(p.leningradLetters) + " in the Leningrad Codex (here " +
                   std::to_string(s.letters) + ")";
        out += "\n";
    }
    return out;
}

/// A letter form as text: the two bytes of U+05D0 + form.
std::string Form(int form) { return {'\xD7', static_cast<char>(0x90 + form)}; }

nlohmann::ordered_json Json(const Statistics& s, bool detail) {
    nlohmann::ordered_json row = {{"scope", s.name},      {"chapters", s.chapters},
                                  {"verses", s.verses},   {"words", s.words},
                                  {"letters", s.letters}, {"gematria", s.gematria}};
    const PublishedFigures& p = s.published;
    if (p.verses || p.printedLetters || p.leningradLetters) {
        nlohmann::ordered_json published;
        if (p.verses) published["traditional_verses"] = p.verses;
        if (p.printedLetters) published["printed_letters"] = p.printedLetters;
        if (p.leningradLetters) published["leningrad_letters"] = p.leningradLetters;
        row["published"] = published;
    }
    if (!detail) return row;
    nlohmann::ordered_json forms;
    for (int f = 0; f < kLetterForms; ++f) forms[Form(f)] = s.forms[static_cast<std::size_t>(f)];
    row["letter_forms"] = forms;
    row["middle_verse"] = MiddleText(s.middleVerse);
    row["middle_word"] = MiddleText(s.middleWord);
    row["middle_letter"] = MiddleText(s.middleLetter);
    return row;
}

}  // namespace

int RunStatsCommand(const StatsOptions& o) {
    if (o.scope) CheckScopeText(*o.scope);
    const std::string app = AppFolder(o.appFolder);
    const Reading reading = CheckReading(o.reading, app);
    std::optional<Scope> scope;
    if (o.scope) scope = CheckScope(*o.scope, app);
    const TextVerses verses(app, reading);
    std::vector<Statistics> rows = verses.table(o.method);
    std::string name = scope ? scope->name : "";
    if (scope && name.empty()) {  // a range as typed
        const VerseScope& range = scope->ranges.front();
        name = PlaceName(range.first);
        if (!(range.last == range.first)) name += " to " + PlaceName(range.last);
    }
    const Statistics chosen =
        scope ? verses.statistics(name, scope->ranges, o.method) : rows.back();

    std::string out;
    if (o.format == Format::Json) {
        nlohmann::ordered_json json = {{"text", reading == Reading::Read ? "qere" : "ketiv"},
                                       {"method", std::string(MethodKey(o.method))}};
        for (const Statistics& row : rows) json["table"].push_back(Json(row, false));
        json["scope"] = Json(chosen, true);
        out = json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    } else if (o.format == Format::Csv) {
        rows.push_back(chosen);
        out = StatisticsCsv(rows);
    } else {
        out = "Text: " + std::string(reading == Reading::Read ? "read (qere)" : "written (ketiv)") +
              ". Method: " + std::string(MethodName(o.method)) + ".\n";
        out += "Scope\tChapters\tVerses\tWords\tLetters\tGematria\n";
        for (const Statistics& s : rows)
            out += s.name + "\t" + std::to_string(s.chapters) + "\t" + std::to_string(s.verses) +
                   "\t" + std::to_string(s.words) + "\t" + std::to_string(s.letters) + "\t" +
                   std::to_string(s.gematria) + "\n";
        out += "\n" + chosen.name + ": " + std::to_string(chosen.chapters) + " chapters, " +
               std::to_string(chosen.verses) + " verses, " + std::to_string(chosen.words) +
               " words, " + std::to_string(chosen.letters) + " letters, gematria " +
               std::to_string(chosen.gematria) + "\nLetter forms:";
        for (int f = 0; f < kLetterForms; ++f)
            out.append(" ").append(Form(f)).append(" ").append(
                std::to_string(chosen.forms[static_cast<std::size_t>(f)]));
        out += "\nMiddle verse: " + MiddleText(chosen.middleVerse) +
               "\nMiddle word: " + MiddleText(chosen.middleWord) +
               "\nMiddle letter: " + MiddleText(chosen.middleLetter) + "\n";
        out += PublishedText(rows);
    }
    WriteOut(out);
    return kFound;
}

}  // namespace vellumark::cli

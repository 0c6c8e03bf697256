#include "cli/CliInput.h"

#include "data/Books.h"
#include "data/TextInput.h"

#include <algorithm>
#include <cctype>

namespace vellumark::cli {

namespace {

/// The keys of the methods that `take`, with "all" for kAllMethods.
std::map<std::string, int> MethodKeys(bool (*take)(Method), bool withAll) {
    std::map<std::string, int> keys;
    for (Method method : kMethods)
        if (take(method)) keys.emplace(InfoOf(method).key, static_cast<int>(method));
    if (withAll) keys.emplace("all", kAllMethods);
    return keys;
}

}  // namespace

const std::map<std::string, int> kMethodNames = MethodKeys([](Method) { return true; }, false);
const std::map<std::string, int> kSearchMethodNames =
    MethodKeys([](Method m) { return IsSearchMethod(m); }, true);
const std::map<std::string, int> kValueMethodNames = MethodKeys([](Method) { return true; }, true);

const std::map<std::string, Match> kMatchNames = {{"words", Match::Words},
                                                  {"phrases", Match::Phrases},
                                                  {"verses", Match::Verses},
                                                  {"verse-runs", Match::VerseRuns}};

const std::map<std::string, std::int16_t> kMeasureNames = {
    {"gematria", kGematria}, {"letters", kLetterCount}, {"words", kWordCount}};

const std::map<std::string, Reading> kReadingNames = {{"ketiv", Reading::Written},
                                                      {"qere", Reading::Read}};

namespace {

/// "Gen 1:1" split into its book (possibly empty) and chapter and verse texts.
struct VerseText {
    std::string book, chapter, verse;
};

std::optional<VerseText> SplitVerse(const std::string& typed) {
    const std::string text = TrimSpaces(typed);
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos) return std::nullopt;
    const std::size_t space = text.rfind(' ', colon);
    VerseText verse;
    verse.verse = text.substr(colon + 1);
    if (space == std::string::npos) {
        verse.chapter = text.substr(0, colon);
    } else {
        verse.book = TrimSpaces(text.substr(0, space));
        verse.chapter = text.substr(space + 1, colon - space - 1);
    }
    return verse;
}

}  // namespace

std::int16_t FindBook(const std::string& typed) { return vellumark::FindBook(typed); }

ParsedRange ParseRange(const std::string& text) {
    ParsedRange parsed;
    const std::size_t firstColon = text.find(':');
    const std::size_t dash =
        firstColon == std::string::npos ? firstColon : text.find('-', firstColon);
    const std::optional<VerseText> start = SplitVerse(text.substr(0, dash));
    const std::optional<VerseText> end =
        dash == std::string::npos ? start : SplitVerse(text.substr(dash + 1));
    if (!start || !end || start->book.empty()) {
        parsed.message =
            "The range \"" + text + "\" is not a range such as \"Gen 1:1-Deut 34:12\".";
        return parsed;
    }
    const std::int16_t startBook = FindBook(start->book);
    const std::string endName = end->book.empty() ? start->book : end->book;
    const std::int16_t endBook = FindBook(endName);
    for (const auto& [book, name] : {std::pair{startBook, start->book}, {endBook, endName}}) {
        if (book == 0) {
            parsed.message = "\"" + name + "\" is not a book of the Old Testament.";
            return parsed;
        }
    }
    parsed.range = {startBook, std::string(kBookNames[startBook - 1]), start->chapter, start->verse,
                    endBook,   std::string(kBookNames[endBook - 1]),   end->chapter,   end->verse};
    return parsed;
}

}  // namespace vellumark::cli

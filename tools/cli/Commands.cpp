// The four commands: each checks its input with the core's own check, then
// calls the core command the window calls, and writes the result.
#include "cli/Commands.h"

#include "cli/CliInput.h"
#include "cli/Interrupt.h"
#include "cli/SearchValues.h"
#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/FileErrors.h"
#include "data/HebrewInput.h"
#include "data/Scope.h"
#include "filter/ReportFilter.h"
#include "search/HitRows.h"
#include "search/SearchBatch.h"
#include "search/SearchData.h"
#include "search/ValueSearchInput.h"
#include "totals/RangeTotals.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>

namespace vellumark::cli {

/// The program folder: the one given, or the window's (Data beside the program,
/// else the user's documents folder when installed). An installed program's
/// folders are made only with FolderSetup::Make, which a command asks for once
/// its input has passed the checks that need no data, so that a usage error
/// leaves nothing behind.
std::string AppFolder(const std::string& given, FolderSetup setup) {
    if (!given.empty()) return given;
    const AppFolders folders = ChooseAppFolders(setup);
    if (!folders.message.empty()) throw CommandFailure(folders.message);
    return folders.app;
}

namespace {

/// The start-up check of the window: the data files are regular files.
void CheckDataFiles(const std::string& app) {
    for (const char* file : kDataFiles)
        if (auto error = CheckRegularFile(DataPath(app, file))) throw *error;
}

HebrewWords WordsOf(const std::string& utf8) { return HebrewWordsOf(utf8); }

/// A checked range and the verses it spans.
struct CheckedRange {
    RangeInput input;
    VerseScope scope;
};

CheckedRange CheckRange(const std::string& text, const std::string& app) {
    const ParsedRange parsed = ParseRange(text);
    if (!parsed.message.empty()) throw UsageError(parsed.message);
    const RangeCheck check = ValidateRange(parsed.range, DataPath(app, kLineDataFile));
    if (!check.passed()) throw UsageError(check.message);
    return {parsed.range,
            {{parsed.range.startBook, check.startChapter, check.startVerse},
             {parsed.range.endBook, check.endChapter, check.endVerse}}};
}

void CheckCombination(const SearchOptions& o, Format format) {
    if (format == Format::Html) {
        if (!o.report) throw UsageError("--format html writes a report: give its --report NAME.");
        if (o.output)
            throw UsageError("--output is for csv, json and text; html goes to --report.");
        if (o.valuesFrom) throw UsageError("--values-from writes csv, json or text, not html.");
    } else if (o.report) {
        throw UsageError("--report writes an HTML report: use --format html, or --output FILE.");
    }
    if (o.measureGiven && o.measure != kGematria &&
        (o.match == Match::Words || o.match == Match::Phrases)) {
        throw UsageError("--measure letters and words are for --match verses and verse-runs.");
    }
}

/// The checked search and its values, one a request; nothing runs before
/// every value passed. The range is checked once for them all.
struct CheckedSearch {
    SearchRequest request;
    std::vector<std::int32_t> values;
};

/// The search's input checked without the data: the scope's text, the values,
/// the report's name and header. `app` is where the program folder is or will be.
CheckedSearch CheckedRequests(const SearchOptions& o, Format format, const std::string& app,
                              bool& reportExists) {
    if (o.range) CheckScopeText(*o.range);
    CheckedSearch search;
    if (o.valuesFrom) search.values = ReadSearchValues(*o.valuesFrom, o.method, o.measure);
    ValueSearchFields fields;
    fields.value = o.valuesFrom ? std::to_string(search.values.front())
                                : SearchValueText(*o.value, o.method, o.measure);
    if (format == Format::Html) fields.reportName = *o.report;
    fields.reportHeader = o.header;
    fields.method = o.method;
    ValueSearchCheck check = CheckValueSearch(fields, app);
    if (!check.passed()) throw UsageError(check.message);
    reportExists = check.reportExists;
    search.request = std::move(check.request);
    SearchRequest& request = search.request;
    request.match = o.match;
    request.searchType = o.match == Match::Verses || o.match == Match::VerseRuns
                             ? o.measure
                             : static_cast<std::int16_t>(kGematria);
    request.method = o.method;
    request.allMethods = o.allMethods;
    if (!o.valuesFrom) search.values = {request.value};
    return search;
}

/// The exit status of a search that found `hits`; a search stopped by Ctrl+C
/// says so, as its output holds only the hits found until then, and ends with
/// the status of an interrupted program.
int Status(long hits) {
    if (Interrupted()) {
        std::fputs("vellumark-cli: stopped by Ctrl+C; the output holds the hits found so far.\n",
                   stderr);
        return kInterrupted;
    }
    return hits > 0 ? kFound : kNone;
}

int WriteHtml(const SearchRequest& request, const std::string& app) {
    std::error_code ignored;
    std::filesystem::create_directories(ReportFolder(app), ignored);
    TerminalObserver observer;
    SearchResult result;
    try {
        result = RunSearch(request, observer);
    } catch (const std::exception& error) {
        throw CommandFailure(std::string("The search stopped and the report was not written: ") +
                             error.what());
    }
    return Status(result.hits);
}

int WriteRows(const CheckedSearch& search, Format format, const std::string& target,
              const std::string& app) {
    Output out(target);
    RowOutput writer(format, out);
    // The record files are read and decoded once for every value of a batch.
    const SearchData data(app, std::nullopt, search.request.reading);
    RowSink sink(data, [&writer](const HitRow& row) { writer.row(row); });
    TerminalObserver observer;
    writer.begin();
    // Every value's hits in one pass over the data, written value by value.
    const long hits = RunSearchBatch(search.request, search.values, data, sink, observer,
                                     [&sink](const SearchRequest& request) {
                                         if (Interrupted()) return false;
                                         sink.setRequest(request);
                                         return true;
                                     });
    writer.finish();
    out.commit();
    return Status(hits);
}

}  // namespace

void CheckScopeText(const std::string& text) {
    const bool several = text.find(',') != std::string::npos;
    const ParsedRange range = ParseRange(text);
    if (!several && range.message.empty()) return;
    const ParsedScope scope = ParseScope(text);
    if (!scope.passed()) {
        const bool typedRange = !several && text.find(':') != std::string::npos;
        throw UsageError(typedRange ? range.message : scope.message);
    }
}

std::optional<Scope> CheckScope(const std::string& text, const std::string& app) {
    const bool several = text.find(',') != std::string::npos;
    const ParsedRange range = ParseRange(text);
    if (!several && range.message.empty()) return CheckRange(text, app).scope;
    const ParsedScope scope = ParseScope(text);
    if (!scope.passed()) {
        const bool typedRange = !several && text.find(':') != std::string::npos;
        throw UsageError(typedRange ? range.message : scope.message);
    }
    if (scope.whole) return std::nullopt;
    return scope.scope;
}

Reading CheckReading(Reading reading, const std::string& app) {
    if (reading == Reading::Read && !HasReadText(app)) throw UsageError(kNoReadText);
    return reading;
}

int RunValueCommand(const ValueOptions& o) {
    std::string text;
    for (const std::string& piece : o.text) text += (text.empty() ? "" : " ") + piece;
    const HebrewWords words = WordsOf(text);
    if (words.letters == 0) throw UsageError("The text holds no Hebrew letters.");
    nlohmann::ordered_json json = {
        {"text", text}, {"words", words.words.size()}, {"letters", words.letters}};
    std::string lines = "Words: " + std::to_string(words.words.size()) +
                        "\nLetters: " + std::to_string(words.letters) + "\n";
    std::string csv = "method,value\r\n";
    for (const Method method : kMethods) {
        if (o.method != kAllMethods && o.method != static_cast<int>(method)) continue;
        const std::int64_t value = WordsValue(words.words, method);
        json["values"][MethodKey(method)] = value;
        csv.append(MethodKey(method)).append(",").append(std::to_string(value)) += "\r\n";
        lines += std::string(MethodName(method)) + ": " + std::to_string(value);
        // The default method finds either value: both stand on its line.
        if (method == Method::StandardAndFinal)
            lines +=
                ", final-letter value " + std::to_string(WordsValue(words.words, Method::Final));
        lines += "\n";
    }
    const std::string out =
        o.format == Format::Json
            ? json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n"
        : o.format == Format::Csv ? csv
                                  : lines;
    WriteOut(out);
    return kFound;
}

int RunSearchCommand(const SearchOptions& o) {
    const Format format = o.format.value_or(o.report ? Format::Html : Format::Text);
    CheckCombination(o, format);
    bool reportExists = false;
    CheckedSearch search =
        CheckedRequests(o, format, AppFolder(o.appFolder, FolderSetup::DescribeOnly), reportExists);
    const std::string app = AppFolder(o.appFolder);
    CheckDataFiles(app);
    SearchRequest& request = search.request;
    request.appPath = app;
    if (o.range) request.scope = CheckScope(*o.range, app);
    request.reading = CheckReading(o.reading, app);
    InstallInterruptHandler();
    if (format != Format::Html) return WriteRows(search, format, o.output.value_or("-"), app);
    if (reportExists && !o.yes) {
        throw UsageError("Report file " + search.request.reportName +
                         ".html already exists: give --yes to overwrite it.");
    }
    return WriteHtml(search.request, app);
}

int RunTotalsCommand(const TotalsOptions& o) {
    CheckScopeText(o.range);
    const std::string app = AppFolder(o.appFolder);
    const std::string path = TextPath(app, o.reading, kLineDataFile);
    const Reading reading = CheckReading(o.reading, app);
    if (auto error = CheckRegularFile(path)) throw *error;
    const std::optional<Scope> scope = CheckScope(o.range, app);
    RangeTotals totals;
    std::int64_t methodTotal = 0;
    try {
        if (scope && scope->name.empty()) {
            // A typed range: the totals of its verses as the window's range fields give them.
            const VerseScope& range = scope->ranges.front();
            totals =
                CalculateRangeTotals(path, range.first.book, range.first.chapter, range.first.verse,
                                     range.last.book, range.last.chapter, range.last.verse);
            methodTotal = o.method == Method::StandardAndFinal
                              ? totals.gematria
                              : CalculateMethodTotal(app, range, o.method, reading);
        } else {
            const ScopeTotals named = CalculateScopeTotals(
                app, reading,
                scope ? scope->ranges
                      : std::vector<VerseScope>{{VerseId{1, 1, 1},
                                                 VerseId{kBookCount, kOpenEnd, kOpenEnd}}},
                o.method);
            totals = named.totals;
            methodTotal = named.methodTotal;
        }
    } catch (const std::exception& error) {
        throw CommandFailure(std::string("The range totals could not be computed: ") +
                             error.what());
    }
    std::string out;
    if (o.format == Format::Json) {
        nlohmann::ordered_json json = {{"range", o.range},
                                       {"words", totals.words},
                                       {"letters", totals.letters},
                                       {"gematria", totals.gematria},
                                       {"alternate_gematria", totals.altGematria},
                                       {"method", MethodKey(o.method)}};
        json["method_total"] = methodTotal;
        out = json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    } else {
        out = "Word count: " + std::to_string(totals.words) +
              "\nLetter count: " + std::to_string(totals.letters) +
              "\nGematria: " + std::to_string(totals.gematria) +
              "\nAlternative gematria: " + std::to_string(totals.altGematria) + "\n";
        if (o.method != Method::StandardAndFinal) {
            out += std::string(MethodName(o.method)) + ": " + std::to_string(methodTotal) + "\n";
        }
    }
    WriteOut(out);
    return kFound;
}

int RunFilterCommand(const FilterOptions& o) {
    const FilterCheck check = CheckReportFilter({o.report, o.text, o.heading},
                                                AppFolder(o.appFolder, FolderSetup::DescribeOnly));
    if (!check.passed()) throw UsageError(check.message);
    const std::string app = AppFolder(o.appFolder);
    const FilterResult result = FilterReport(app, check.reportName, check.filterText, check.heading,
                                             [&o] { return o.yes; });
    if (result.cancelled) {
        throw UsageError(check.reportName +
                         ".html highlights nothing, so filtering it removes every entry: give "
                         "--yes to filter it anyway.");
    }
    WriteOut(std::to_string(result.kept) + " of " + std::to_string(result.entries) +
             " entries kept in " + ReportPath(app, check.reportName) + "\n");
    return kFound;
}

}  // namespace vellumark::cli

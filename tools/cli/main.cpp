// vellumark-cli: Value Search, Range Totals and Report Filter for scripts, and
// the values of Hebrew text. Run `vellumark-cli --help` for the commands.
#include "cli/CliInput.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "data/AppPaths.h"
#include "data/Errors.h"
#include "data/FileReading.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>

namespace {

using namespace vellumark::cli;

const std::map<std::string, Format> kSearchFormats = {
    {"html", Format::Html}, {"csv", Format::Csv}, {"json", Format::Json}, {"text", Format::Text}};
const std::map<std::string, Format> kStatsFormats = {
    {"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}};
const std::map<std::string, Format> kPrintFormats = {{"text", Format::Text},
                                                     {"json", Format::Json}};
const std::map<std::string, Format> kValueFormats = {
    {"text", Format::Text}, {"json", Format::Json}, {"csv", Format::Csv}};

/// Maps a name (letter case ignored) onto its value's number, which CLI11 then
/// stores; any other name is refused with the list of names, and `note`.
template <typename Map>
CLI::Validator Names(const Map& names, const std::string& note = {}) {
    std::string list;
    for (const auto& entry : names) list += (list.empty() ? "" : ", ") + entry.first;
    return CLI::Validator(
        [names, list, note](std::string& input) -> std::string {
            std::string folded = input;
            for (char& c : folded)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            const auto found = names.find(folded);
            if (found == names.end()) return "\"" + input + "\" is none of " + list + note;
            input = std::to_string(static_cast<int>(found->second));
            return {};
        },
        "");
}

void AddAppFolder(CLI::App& command, std::string& folder) {
    command.add_option("--app-folder", folder,
                       "The folder holding Data and Report (default: the program's folder when "
                       "its Data folder is there, else Vellumark in your documents folder when "
                       "installed)");
}

/// One line on standard error: line breaks of a message become spaces.
int Fail(const std::string& message, int status) {
    std::string line = message;
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    std::fprintf(stderr, "vellumark-cli: %s\n", line.c_str());
    return status;
}

/// The help or version text CLI11 has for `error`, written with every write
/// checked: a full disk or a closed pipe is status 3.
int Exit(const CLI::App& app, const CLI::Error& error) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = app.exit(error, out, err);
    std::fputs(err.str().c_str(), stderr);
    try {
        WriteOut(out.str());
    } catch (const std::exception& failure) {
        return Fail(failure.what(), kDataFailure);
    }
    return status;
}

/// The first word that is not an option, nor the folder of --app-folder: the
/// command, when one was given.
std::string CommandWord(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--app-folder") {
            ++k;
        } else if (arg.empty() || arg[0] != '-') {
            return arg;
        }
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    // One command and out: the data files are mapped rather than copied.
    vellumark::SetFileAccess(vellumark::FileAccess::Mapped);
    CLI::App app{"Vellumark on the command line: Value Search, Range Totals and Report Filter"};
    app.set_version_flag("--version", "vellumark-cli " VELLUMARK_VERSION);
    app.require_subcommand(1);
    // Where the reports of --report go without --app-folder, worked out only when
    // the help is shown; the help makes no folder.
    app.footer([] {
        const vellumark::AppFolders folders =
            vellumark::ChooseAppFolders(vellumark::FolderSetup::DescribeOnly);
        return folders.message.empty() ? vellumark::ReportsGoTo(folders) : folders.message;
    });
    // --app-folder may come before the command as well as after it.
    std::string appFolder;
    AddAppFolder(app, appFolder);

    ValueOptions value;
    CLI::App* valueCommand =
        app.add_subcommand("value", "Words, letters and values of Hebrew text");
    valueCommand->add_option("text", value.text, "The Hebrew text")->required();
    valueCommand->add_option("--format", value.format, "text, json or csv")
        ->transform(Names(kValueFormats));
    valueCommand->add_option("--method", value.method, "A method's key, or all (the default)")
        ->type_name("METHOD")
        ->transform(Names(kValueMethodNames));
    AddAppFolder(*valueCommand, value.appFolder);

    SearchOptions search;
    CLI::App* searchCommand = app.add_subcommand(
        "search", "Value Search: exit status 0 with hits, 1 without, 2 bad input, 3 data error");
    CLI::Option* valueOption = searchCommand->add_option(
        "--value", search.value, "The value: a number, or Hebrew text (its value)");
    CLI::Option* valuesFrom = searchCommand->add_option(
        "--values-from", search.valuesFrom, "A file (- for standard input) of values, one a line");
    valueOption->excludes(valuesFrom);
    searchCommand->add_option("--match", search.match, "words, phrases, verses or verse-runs")
        ->required()
        ->transform(Names(kMatchNames));
    CLI::Option* measure = searchCommand
                               ->add_option("--measure", search.measure,
                                            "gematria, letters or words (verses and verse-runs)")
                               ->type_name("gematria|letters|words")
                               ->transform(Names(kMeasureNames));
    int searchMethod = static_cast<int>(vellumark::Method::StandardAndFinal);
    searchCommand
        ->add_option("--method", searchMethod,
                     "A method's key (standard-final, standard, final, ordinal, reduced, atbash "
                     "…), or all: the value under every method")
        ->type_name("METHOD")
        ->transform(Names(kSearchMethodNames,
                          " (integral-reduced is no sum of words: value and totals take it)"));
    searchCommand->add_option("--scope,--range", search.range,
                              "Only these verses: a section, book, chapter, portion or range, "
                              "several separated by commas: \"Torah\", \"Vayetze\", \"Gen 1-3, "
                              "Ex 20\", \"Gen 1:1-Deut 34:12\"");
    searchCommand
        ->add_option("--text", search.reading,
                     "ketiv (the written text, default) or qere (the read text)")
        ->transform(Names(kReadingNames));
    searchCommand
        ->add_option("--format", search.format,
                     "html (with --report), csv, json or text (default: text, html with --report)")
        ->transform(Names(kSearchFormats));
    searchCommand->add_option("--report", search.report, "The report's name in the Report folder");
    searchCommand->add_option("--output", search.output,
                              "The file for csv, json and text (- or "
                              "none: standard output). A link is followed and the file it "
                              "leads to replaced; a pipe or device is written directly; a file "
                              "with further hard links is replaced by a new file, the other "
                              "names keeping the old content");
    searchCommand->add_option("--header", search.header, "The report's heading");
    searchCommand->add_flag("--yes", search.yes, "Replace a report of the same name");
    AddAppFolder(*searchCommand, search.appFolder);

    TotalsOptions totals;
    CLI::App* totalsCommand = app.add_subcommand("totals", "Range Totals of a verse range");
    totalsCommand
        ->add_option("--range,--scope", totals.range,
                     "\"Gen 1:1-Mal 3:24\", or a scope as search --scope takes it: \"Torah\", "
                     "\"Vayetze\", \"Gen 1-3, Ex 20\"")
        ->required();
    totalsCommand
        ->add_option("--text", totals.reading,
                     "ketiv (the written text, default) or qere (the read text)")
        ->transform(Names(kReadingNames));
    totalsCommand
        ->add_option("--method", totals.method,
                     "A method's key: standard-final, standard, final, ordinal, reduced, atbash …")
        ->type_name("METHOD")
        ->transform(Names(kMethodNames));
    totalsCommand->add_option("--format", totals.format, "text or json")
        ->transform(Names(kPrintFormats));
    AddAppFolder(*totalsCommand, totals.appFolder);

    StatsOptions stats;
    CLI::App* statsCommand = app.add_subcommand(
        "stats", "Chapters, verses, words, letters, gematria, letter forms and middles");
    statsCommand->add_option("--scope", stats.scope,
                             "The scope to detail: \"Torah\", \"Vayetze\", \"Gen 1-3\"");
    statsCommand->add_option("--text", stats.reading, "ketiv (the written text, default) or qere")
        ->transform(Names(kReadingNames));
    statsCommand
        ->add_option("--method", stats.method,
                     "standard-final, standard, final, ordinal, reduced or atbash")
        ->transform(Names(kMethodNames));
    statsCommand->add_option("--format", stats.format, "text, csv or json")
        ->transform(Names(kStatsFormats));
    AddAppFolder(*statsCommand, stats.appFolder);

    FilterOptions filter;
    CLI::App* filterCommand =
        app.add_subcommand("filter", "Report Filter: drop the hits of a word or phrase");
    filterCommand->add_option("--report", filter.report, "The report's name")->required();
    filterCommand->add_option("--text", filter.text, "The word or phrase")->required();
    filterCommand->add_option("--heading", filter.heading, "A new heading for the report");
    filterCommand->add_flag("--yes", filter.yes, "Filter even a report that highlights nothing");
    AddAppFolder(*filterCommand, filter.appFolder);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return Exit(app, e);
    } catch (const CLI::CallForAllHelp& e) {
        return Exit(app, e);
    } catch (const CLI::CallForVersion& e) {
        return Exit(app, e);
    } catch (const CLI::ParseError& e) {
        const std::string command = CommandWord(argc, argv);
        const auto commands = app.get_subcommands({});
        if (!command.empty() &&
            std::none_of(commands.begin(), commands.end(),
                         [&command](const CLI::App* c) { return c->get_name() == command; })) {
            return Fail("\"" + command +
                            "\" is not a command; the commands are value, search, totals, "
                            "filter and stats.",
                        kUsage);
        }
        return Fail(e.what(), kUsage);
    }
    for (std::string* folder : {&value.appFolder, &search.appFolder, &totals.appFolder,
                                &filter.appFolder, &stats.appFolder})
        if (folder->empty()) *folder = appFolder;
    if (!search.value && !search.valuesFrom && searchCommand->parsed())
        return Fail("search needs --value or --values-from.", kUsage);
    search.measureGiven = measure->count() > 0;
    search.allMethods = searchMethod == kAllMethods;
    if (!search.allMethods) search.method = static_cast<vellumark::Method>(searchMethod);

    try {
        if (valueCommand->parsed()) return RunValueCommand(value);
        if (searchCommand->parsed()) return RunSearchCommand(search);
        if (totalsCommand->parsed()) return RunTotalsCommand(totals);
        if (statsCommand->parsed()) return RunStatsCommand(stats);
        return RunFilterCommand(filter);
    } catch (const UsageError& error) {
        return Fail(error.what(), kUsage);
    } catch (const std::exception& error) {
        // FileError, DataError, CommandFailure and anything else the core throws
        return Fail(error.what(), kDataFailure);
    }
}

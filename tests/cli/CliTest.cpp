// vellumark-cli run as a process over small program folders: its reports are
// the window's to the byte, its exports parse back to the report's hits, and
// bad input gives the window's message, status 2 and no file.
#include "cli/CliInput.h"
#include "filter/ReportFilter.h"
#include "search/Searches.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vellumark;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WordFields;
using testing_support::WriteAppFolder;
using testing_support::WriteFile;

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

/// Runs the program with `args`, each quoted for the shell; standard input
/// comes from `input`, standard output goes to `stdoutTo` when it is given.
CliRun RunCli(const std::vector<std::string>& args, const std::string& input = {},
              const std::string& stdoutTo = {}) {
    TempDir io;
    WriteFile(io.file("in"), input);
    std::string command = VELLUMARK_CLI;
    for (const std::string& arg : args) {
        command += " '";
        for (const char c : arg) command += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += '\'';
    }
    command += " <" + io.file("in") + " >" + (stdoutTo.empty() ? io.file("out") : stdoutTo) +
               " 2>" + io.file("err");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(io.file("out")),
            ReadFile(io.file("err"))};
}

/// RFC 4180 records: quoted fields may hold commas, quotes ("") and line breaks.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool pair = i + 1 < text.size() && text[i + 1] == (c == '"' ? '"' : '\n');
        if (c == '"' && quoted && pair)
            rows.back().back() += text[i++];
        else if (c == '"')
            quoted = !quoted;
        else if (quoted || (c != ',' && !(c == '\r' && pair)))
            rows.back().back() += c;
        else if (c == ',')
            rows.back().emplace_back();
        else {  // \r\n
            rows.emplace_back(1);
            ++i;
        }
    }
    if (rows.back().size() == 1 && rows.back()[0].empty()) rows.pop_back();
    return rows;
}

/// The value of a JSON field as CSV writes it.
std::string AsCsv(const nlohmann::json& value) {
    if (value.is_null()) return "";
    return value.is_string() ? value.get<std::string>() : value.dump();
}

/// Each leaf of `expected` as the JSON text `actual` holds it; other fields are not checked.
void ExpectFields(const std::string& actual, const std::string& expected) {
    const nlohmann::json flat = nlohmann::json::parse(actual).flatten();
    const nlohmann::json wanted = nlohmann::json::parse(expected).flatten();
    for (const auto& [key, value] : wanted.items())
        EXPECT_EQ(flat.value(key, nlohmann::json("missing")), value) << key;
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

/// Three verses of Genesis and one of Exodus. Word values: Gen 1:1 5 8 3,
/// Gen 1:2 8 and 20 with the alternate 8, Gen 1:3 4 4, Exo 1:1 16.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteAppFolder(app.path(),
                       {{1, 1, 1, 3, 9, 16, 16, "A B C", "E1 <i>was</i> A&amp;B, \"q\""},
                        {1, 1, 2, 2, 6, 16, 28, "D E", "E2"},
                        {1, 1, 3, 2, 4, 8, 8, "F G", "E3"},
                        {2, 1, 1, 1, 7, 16, 16, "H", "E4"}},
                       WordFields({0, 1, 1, 1, 5, 8,   3,  //
                                   0, 1, 1, 2, 8, -20, 8,  //
                                   0, 1, 1, 3, 4, 4,       //
                                   0, 2, 1, 1, 16}));
    }
    /// Runs the program on this folder.
    CliRun cli(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.end(), {"--app-folder", app.path()});
        return RunCli(args, input);
    }
    TempDir app;
};

struct MatchCase {
    const char* name;
    Match match;
    const char* matchName;
    const char* measure;
    std::int16_t searchType;
    std::int32_t value;
    /// What marks one hit in the HTML report: the row count of the exports.
    const char* hitMark;
};

const MatchCase kMatchCases[] = {
    {"words", Match::Words, "words", "gematria", kGematria, 8, "<b><i>"},
    {"phrases", Match::Phrases, "phrases", "gematria", kGematria, 8, "<b><i>"},
    {"verses", Match::Verses, "verses", "gematria", kGematria, 16, "<p><a href="},
    {"verseLetters", Match::Verses, "verses", "letters", kLetterCount, 9, "<p><a href="},
    {"runs", Match::VerseRuns, "verse-runs", "gematria", kGematria, 24, "<br>+++"},
    {"runWords", Match::VerseRuns, "verse-runs", "words", kWordCount, 4, "<br>Gen"},
};

class CliMatchTest : public CliTest, public ::testing::WithParamInterface<MatchCase> {};

// The HTML report is the one the core's search writes for the window, to the
// byte; the CSV and JSON exports hold one row for each of its hits.
TEST_P(CliMatchTest, htmlIsTheWindows_csvAndJsonParseBackToItsHits) {
    const MatchCase& c = GetParam();
    SearchRequest request{app.path(), "window", "Head\nline", c.value, c.match, c.searchType};
    SearchObserver observer;
    RunSearch(request, observer);
    const std::string window = ReadFile(app.file("Report/window.html"));
    const auto search = [&](std::vector<std::string> more) {
        more.insert(more.begin(), {"search", "--value", std::to_string(c.value), "--match",
                                   c.matchName, "--measure", c.measure});
        return cli(more);
    };
    const CliRun html =
        search({"--format", "html", "--report", " cli.html ", "--header", "Head\nline"});
    EXPECT_EQ(html.status, 0) << html.err;
    EXPECT_EQ(ReadFile(app.file("Report/cli.html")), window);

    const std::size_t hits = Count(window, c.hitMark);
    ASSERT_GT(hits, 0u);
    const CliRun csv = search({"--format", "csv"});
    const CliRun json = search({"--format", "json"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    ASSERT_EQ(json.status, 0) << json.err;
    const auto rows = ParseCsv(csv.out);
    const nlohmann::json objects = nlohmann::json::parse(json.out);
    ASSERT_EQ(rows.size(), hits + 1);
    ASSERT_EQ(objects.size(), hits);
    for (std::size_t r = 0; r < hits; ++r) {
        ASSERT_EQ(rows[r + 1].size(), rows[0].size()) << "row " << r;
        ASSERT_EQ(objects[r].size(), rows[0].size());
        for (std::size_t f = 0; f < rows[0].size(); ++f)
            EXPECT_EQ(rows[r + 1][f], AsCsv(objects[r].at(rows[0][f]))) << rows[0][f];
        EXPECT_EQ(objects[r]["match"], c.matchName);
        EXPECT_EQ(objects[r]["value"], c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Matches, CliMatchTest, ::testing::ValuesIn(kMatchCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliTest, jsonFieldsOfWordsAndRuns_andTextWithAHebrewValue) {
    const CliRun words = cli({"search", "--value", "8", "--match", "words", "--format", "json"});
    // Gen 1:1 word 2; Gen 1:2 words 1 and 2, the second on its alternate.
    EXPECT_EQ(nlohmann::json::parse(words.out).size(), 3u);
    ExpectFields(words.out, R"([{"book": "Gen", "first_word": 2, "hebrew": "B",
                                 "english": "E1 was A&B, \"q\"", "end_book": null},
                                {"alternate": false}, {"hebrew": "E", "alternate": true}])");
    // Gen 1:2-3 (16 + 8); a run stays in its book.
    const CliRun runs =
        cli({"search", "--value", "24", "--match", "verse-runs", "--format", "json"});
    EXPECT_EQ(nlohmann::json::parse(runs.out).size(), 1u);
    ExpectFields(runs.out, R"([{"end_verse": 3, "hebrew": "D E F G", "english": "E2 E3",
                                "first_word": null}])");

    const CliRun text = cli({"search", "--value", "יג", "--match", "phrases"});
    EXPECT_EQ(text.out, "Gen 1:1, words 1-2  A B  13\n") << "י 10 + ג 3: the phrase of 5 and 8";
    EXPECT_EQ(text.status, 0);
}

// Status 2 and the window's message for input it refuses; status 1 without
// hits. Nothing is written but on success.
struct StatusCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* message;
};

const StatusCase kStatusCases[] = {
    {"hits", {"--value", "8"}, 0, ""},
    {"noHits", {"--value", "9999"}, 1, ""},
    {"zero", {"--value", "0"}, 2, "Numeric value must be greater than zero"},
    {"tooLarge", {"--value", "1e10"}, 2, "value 1e10 is too large; the largest is 2147483647."},
    {"decimal", {"--value", "2.5"}, 2, "Decimal search values are not permitted"},
    {"notANumber", {"--value", "abc"}, 2, "Please enter a valid numeric search value."},
    {"method",
     {"--value", "8", "--method", "gold"},
     2,
     "--method: \"gold\" is none of albam, all, atbash"},
    {"match", {"--value", "8", "--match", "lines"}, 2, "--match"},
    {"unknownOption", {"--value", "8", "--colour"}, 2, "--colour"},
    {"noValue", {}, 2, "search needs --value or --values-from."},
    {"bookOrder", {"--value", "8", "--range", "Exo 1:1-Gen 1:1"}, 2, "are out of order"},
    {"verseMissing", {"--value", "8", "--range", "gen 1:1-1:9"}, 2, "Genesis 1:9 was not found"},
    {"badChapter", {"--value", "8", "--range", "Gen x:1"}, 2, "enter a valid start chapter."},
    {"notABook", {"--value", "8", "--range", "Jn 1:1"}, 2, "\"Jn\" is not a book of the Old"},
    {"slash", {"--value", "8", "--report", "a/b"}, 2, "A report name cannot contain \"/\""},
    {"htmlWithoutName", {"--value", "8", "--format", "html"}, 2, "--report NAME"},
    {"measureOfWords", {"--value", "8", "--measure", "letters"}, 2, "--measure"},
    {"matchAnyCase", {"--value", "16", "--match", "Verses"}, 0, ""},
    {"rangeLineBreak", {"--value", "8", "--range", "Gen 1:1-\nExo 1:1"}, 2, "is not a book"},
    {"valueAndValuesFrom", {"--value", "8", "--values-from", "-"}, 2, "--value excludes"},
    {"startVerseMissing", {"--value", "8", "--range", "Gen 1:9-Exo 1:1"}, 2, "Genesis 1:9 was"},
    {"hebrewOfWords", {"--value", "אב", "--measure", "words"}, 2, "--measure letters and"},
    {"digitsAndHebrew", {"--value", "26א"}, 2, "holds Hebrew letters and digits"},
    {"hebrewAndDigits", {"--value", "1א2"}, 2, "holds Hebrew letters and digits"},
    {"belowDoubles", {"--value", "1e-400"}, 2, "Decimal search values are not permitted"},
    {"dotsOnly", {"--value", "8", "--report", ".html"}, 2, "at least one character that is"},
    {"outputFolder", {"--value", "8", "--output", "@/Report/"}, 3, "it is a folder"},
    {"namedScope", {"--value", "8", "--scope", "Gen 1, Exodus"}, 0, ""},
    {"scopeWithoutHits", {"--value", "8", "--scope", "Exodus"}, 1, ""},
    {"unknownScope", {"--value", "8", "--scope", "Genisis"}, 2, "nearest names: Genesis,"},
    {"noReadText", {"--value", "8", "--text", "qere"}, 2, "build it again with vellumark-data"},
};

class CliStatusTest : public CliTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(CliStatusTest, statusMessageAndNoFile) {
    const StatusCase& c = GetParam();
    std::vector<std::string> args = {"search", "--match", "words"};
    const auto has = [&c](const char* option) {
        return std::find(c.args.begin(), c.args.end(), option) != c.args.end();
    };
    const bool html = has("--report") || has("--format") || has("--output");
    if (!html) args.insert(args.end(), {"--format", "csv", "--output", app.file("out.csv")});
    for (const std::string& arg : c.args)  // "@/x": x in the program folder
        args.push_back(arg.starts_with("@/") ? app.file(arg.substr(2)) : arg);
    std::size_t matches = 0;
    for (std::size_t k = 0; k + 1 < args.size(); ++k) matches += args[k] == "--match";
    if (matches > 1) args.erase(args.begin() + 1, args.begin() + 3);
    const CliRun run = cli(args);
    EXPECT_EQ(run.status, c.status) << run.err;
    if (c.status < 2) {
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(fs::exists(app.file("out.csv")));
        return;
    }
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(app.file("out.csv")));
    EXPECT_TRUE(fs::is_empty(app.file("Report")));
}

INSTANTIATE_TEST_SUITE_P(Statuses, CliStatusTest, ::testing::ValuesIn(kStatusCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliTest, dataErrors_status3WithTheWindowsMessage) {
    const CliRun missing = RunCli(
        {"search", "--value", "8", "--match", "words", "--app-folder", app.file("elsewhere")});
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.err,
              "vellumark-cli: " + app.file("elsewhere") + "/Data/LineData.dat was not found.\n");

    WriteFile(app.file("Data/LineData.dat"), std::string(15, '\0'));
    const CliRun damaged = cli({"search", "--value", "8", "--match", "verses"});
    EXPECT_EQ(damaged.status, 3);
    EXPECT_NE(damaged.err.find("Rebuild the data with vellumark-data."), std::string::npos)
        << damaged.err;
}

// A report is replaced, or filtered down to no hits, only with --yes.
TEST_F(CliTest, reportChangedOnlyWithYes) {
    ASSERT_EQ(cli({"search", "--value", "16", "--match", "verses", "--report", "v"}).status, 0);
    const std::string report = ReadFile(app.file("Report/v.html"));
    EXPECT_EQ(cli({"search", "--value", "8", "--match", "words", "--report", "v"}).status, 2);
    const CliRun filter = cli({"filter", "--report", "v", "--text", "A"});
    EXPECT_EQ(filter.status, 2);
    EXPECT_NE(filter.err.find("v.html highlights nothing"), std::string::npos) << filter.err;
    EXPECT_EQ(ReadFile(app.file("Report/v.html")), report);

    EXPECT_EQ(cli({"filter", "--report", "v", "--text", "A", "--yes"}).status, 0);
    EXPECT_EQ(Count(ReadFile(app.file("Report/v.html")), "<p><a href="), 0u);
    EXPECT_EQ(cli({"search", "--value", "8", "--match", "words", "--report", "v", "--yes"}).status,
              0);
    EXPECT_EQ(Count(ReadFile(app.file("Report/v.html")), "<b><i>"), 3u);

    // A verse-runs report filtered with --yes is the window's filtered copy.
    ASSERT_EQ(cli({"search", "--value", "24", "--match", "verse-runs", "--report", "runs"}).status,
              0);
    fs::copy_file(app.file("Report/runs.html"), app.file("Report/window.html"));
    FilterReport(app.path(), "window", "A", "", [] { return true; });
    const CliRun runs = cli({"filter", "--report", "runs", "--text", "A", "--yes"});
    EXPECT_EQ(runs.out, "0 of 2 entries kept in " + app.file("Report/runs.html") + "\n");
    EXPECT_EQ(ReadFile(app.file("Report/runs.html")), ReadFile(app.file("Report/window.html")));
}

TEST_F(CliTest, valuesFrom_oneOutputWithAValueColumn) {
    WriteFile(app.file("values.txt"), "8\r\n\n9999\nיג\n16\n");
    const CliRun run = cli({"search", "--values-from", app.file("values.txt"), "--match", "phrases",
                            "--format", "csv"});
    EXPECT_EQ(run.status, 0) << run.err;
    const auto rows = ParseCsv(run.out);
    std::vector<std::string> values;
    for (std::size_t r = 1; r < rows.size(); ++r) values.push_back(rows[r][0]);
    EXPECT_EQ(values, (std::vector<std::string>{"8", "8", "8", "13", "16", "16"}))
        << "8: B, D, F G (E's alternate is below its value); 13: A B; 16: A B C, Exo 1:1 H";

    // Standard input under both its names; a byte-order mark and tabs are white
    // space; a refused value is named by its real line, at most 40 characters of
    // it shown, a NUL escaped; nothing is written.
    const std::string bom = "\xEF\xBB\xBF";
    const std::string nul(
        "1\0"
        "2",
        3);
    const struct {
        std::string input, err;
    } refused[] = {
        {bom + "8\t\n\n \t\n0\n", "line 4 (0): Numeric value must be greater than zero"},
        {"8\n" + nul + "\n", "line 2 (1\\02): Please enter a valid numeric search value."},
        {std::string(50, '9') + "\n", "line 1 (" + std::string(40, '9') +
                                          "...): The search value " + std::string(40, '9') +
                                          "... is too large"},
    };
    for (const char* source : {"-", "/dev/stdin"}) {
        for (const auto& c : refused) {
            const CliRun bad = cli({"search", "--values-from", source, "--match", "words",
                                    "--output", app.file("out.txt")},
                                   c.input);
            EXPECT_EQ(bad.status, 2);
            EXPECT_NE(bad.err.find(std::string(source) + ", " + c.err), std::string::npos)
                << bad.err;
            EXPECT_FALSE(fs::exists(app.file("out.txt")));
        }
    }
}

TEST_F(CliTest, totalsAndValue) {
    // --app-folder may also stand before the command.
    const CliRun totals = RunCli({"--app-folder", app.path(), "totals", "--range",
                                  "Genesis 1:2-Exodus 1:1", "--format", "json"});
    ASSERT_EQ(totals.status, 0) << totals.err;
    ExpectFields(totals.out,
                 R"({"words": 5, "letters": 17, "gematria": 40, "alternate_gematria": 52})");
    // U+FB2A (shin with its dot) counts as shin; maqaf separates words.
    const CliRun value = RunCli({"value", "--format", "json", "\uFB2A\u05BE\u05D0", "\u05DA"});
    ASSERT_EQ(value.status, 0) << value.err;
    ExpectFields(value.out, R"({"words": 3, "values": {"standard": 321, "final": 801}})");
    EXPECT_EQ(nlohmann::json::parse(value.out)["values"].size(), kMethods.size());
    EXPECT_EQ(RunCli({"value", "abc"}).status, 2);
    // One row per method; Integral reduced and Building take the whole text.
    const CliRun csv = RunCli({"value", "אחד", "--method", "all", "--format", "csv"});
    EXPECT_EQ(ParseCsv(csv.out).size(), kMethods.size() + 1) << csv.err;
    for (const char* row : {"method,value\r\n", "\nbuilding,23\r\n", "\nintegral-reduced,4\r\n"})
        EXPECT_NE(csv.out.find(row), std::string::npos) << row;
    EXPECT_EQ(RunCli({"value", "אחד אחד אחד", "--method", "integral-reduced"}).out,
              "Words: 3\nLetters: 9\nIntegral reduced: 3\n");

    // The text forms, whole.
    EXPECT_EQ(RunCli({"value", "אלהים"}).out,
              "Words: 1\nLetters: 5\nStandard and final letters: 86, final-letter value 646\n"
              "Standard: 86\nFinal letters: 646\nOrdinal: 41\nReduced: 14\nAtbash: 560\n"
              "Ordinal with finals: 52\nIntegral reduced: 5\nAlbam: 403\nAvgad: 118\n"
              "Reverse avgad: 463\nSquares (perati): 2626\nCubes (meshulash): 92126\n"
              "Triangular (kidmi): 321\nBuilding (boneh): 200\nPosition (ha-achor): 316\n"
              "Kolel: 87\nAdded letters (musafi): 91\nMilui 72: 300\nMilui 63: 300\n"
              "Milui 45: 291\nMilui 52: 295\nHidden (ne'elam) 72: 214\nHidden (ne'elam) 63: "
              "214\nHidden (ne'elam) 45: 205\nHidden (ne'elam) 52: 209\n");
    EXPECT_EQ(cli({"totals", "--range", "Gen 1:2-Gen 1:3", "--method", "ordinal"}).out,
              "Word count: 4\nLetter count: 10\nGematria: 24\nAlternative gematria: 36\n"
              "Ordinal: 0\n");
    EXPECT_EQ(cli({"search", "--value", "24", "--match", "verse-runs"}).out,
              "Gen 1:2-Gen 1:3  D E F G  24\n");
    const CliRun bogus = RunCli({"bogus"});
    EXPECT_EQ(bogus.status, 2);
    EXPECT_EQ(bogus.err,
              "vellumark-cli: \"bogus\" is not a command; the commands are value, search, totals, "
              "filter and stats.\n");
    // A full disk under standard output is a failure, as for the searches.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--version"}, {"--help"}, {"value", "א"}}) {
        const CliRun full = RunCli(args, {}, "/dev/full");
        EXPECT_EQ(full.status, 3) << args[0];
        EXPECT_NE(full.err.find("No space left on device"), std::string::npos) << full.err;
    }
}

// --output writes the bytes of standard output, through a link (kept) and into
// a named pipe; a program beside its Data folder needs no --app-folder.
TEST_F(CliTest, outputThroughLinkAndPipe_sameBytesAsStandardOutput) {
    std::string values;
    for (int k = 0; k < 2000; ++k) values += "8\n16\n";
    WriteFile(app.file("values.txt"), values);
    const std::vector<std::string> search = {
        "search", "--values-from", app.file("values.txt"), "--match", "words", "--format", "csv"};
    const std::string expected = cli(search).out;
    ASSERT_GT(expected.size(), 1u << 16);

    fs::create_symlink("real.csv", app.file("link.csv"));
    auto toLink = search;
    toLink.insert(toLink.end(), {"--output", app.file("link.csv")});
    EXPECT_EQ(cli(toLink).status, 0);
    EXPECT_EQ(ReadFile(app.file("real.csv")), expected);
    EXPECT_TRUE(fs::is_symlink(app.file("link.csv")));

    ASSERT_EQ(::mkfifo(app.file("pipe").c_str(), 0600), 0);
    std::string piped;
    {
        std::jthread reader([&] { piped = ReadFile(app.file("pipe")); });
        auto toPipe = search;
        toPipe.insert(toPipe.end(), {"--output", app.file("pipe")});
        EXPECT_EQ(cli(toPipe).status, 0);
    }
    EXPECT_EQ(piped, expected);
    EXPECT_TRUE(fs::is_fifo(app.file("pipe")));

    fs::copy_file(VELLUMARK_CLI, app.file("vellumark-cli"));
    fs::permissions(app.file("vellumark-cli"), fs::perms::owner_exec, fs::perm_options::add);
    const std::string own = app.file("vellumark-cli") + " search --value 16 --match verses >" +
                            app.file("own.txt") + " 2>&1";
    EXPECT_EQ(WEXITSTATUS(std::system(own.c_str())), 0) << ReadFile(app.file("own.txt"));
    EXPECT_EQ(ReadFile(app.file("own.txt")),
              cli({"search", "--value", "16", "--match", "verses"}).out);
}

// SIGINT, SIGTERM and SIGHUP stop a batch: a complete output of the hits so far,
// status 130, no progress on a redirected standard error; a second signal ends
// the program at once and takes the temporary output with it.
TEST_F(CliTest, signalsStopTheSearchWithACompleteOutput) {
    std::string values = "24\n";
    for (int k = 0; k < 5000000; ++k) values += "9999\n";
    WriteFile(app.file("values.txt"), values);
    const auto temporaries = [this] {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(app.path()))
            if (entry.path().filename().string().starts_with(".out.json."))
                found.push_back(entry.path());
        return found;
    };
    const std::vector<std::vector<int>> cases = {{SIGINT}, {SIGTERM}, {SIGHUP}, {SIGINT, SIGTERM}};
    for (const std::vector<int>& signals : cases) {
        fs::remove(app.file("out.json"));
        const std::string args[] = {VELLUMARK_CLI,   "search",
                                    "--values-from", app.file("values.txt"),
                                    "--match",       "verse-runs",
                                    "--format",      "json",
                                    "--output",      app.file("out.json"),
                                    "--app-folder",  app.path()};
        const pid_t pid = fork();
        if (pid == 0) {
            std::freopen(app.file("err").c_str(), "w", stderr);
            std::vector<char*> argv;
            for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            std::_Exit(127);
        }
        // The temporary output is made once every value passed and the handler is set:
        // waited for up to 30 s, as reading five million values takes seconds on a
        // loaded machine or under the sanitizers.
        for (int wait = 0; wait < 15000 && temporaries().empty(); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        ::kill(pid, SIGSTOP);  // the signals arrive together
        for (const int signal : signals) ::kill(pid, signal);
        ::kill(pid, SIGCONT);
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(temporaries().empty());
        if (signals.size() > 1) {
            EXPECT_TRUE(WIFSIGNALED(status));
            EXPECT_FALSE(fs::exists(app.file("out.json")));
            continue;
        }
        ASSERT_TRUE(WIFEXITED(status)) << signals[0];
        EXPECT_EQ(WEXITSTATUS(status), 130);
        EXPECT_TRUE(nlohmann::json::parse(ReadFile(app.file("out.json"))).is_array());
        EXPECT_EQ(ReadFile(app.file("err")),
                  "vellumark-cli: stopped by Ctrl+C; the output holds the hits found so far.\n");
    }
}

// A method and a range reach the core: letters counted by Ordinal, hits kept
// to the range, and the range's total by the method.
TEST(CliMethodTest, methodAndRange) {
    TempDir app;
    testing_support::WriteHebrewAppFolder(app.path(),
                                          {{1, 1, 1, "אם ית", "E1"}, {1, 1, 2, "בך", "E2"}});
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.end(),
                    {"--app-folder", app.path(), "--format", "json", "--method", "ordinal"});
        return RunCli(args);
    };
    // Ordinal: אם 1+13, ית 10+22, בך 2+11
    const CliRun words = run({"search", "--value", "14", "--match", "words"});
    EXPECT_EQ(nlohmann::json::parse(words.out).size(), 1u) << words.err;
    ExpectFields(words.out, R"([{"hebrew": "אם", "method": "ordinal"}])");
    EXPECT_EQ(run({"search", "--value", "13", "--match", "words", "--range", "Gen 1:1"}).status, 1);
    ExpectFields(run({"totals", "--range", "Gen 1:1-Gen 1:2"}).out, R"({"method_total": 59})");
    // A named scope: Genesis holds both verses; the whole text likewise.
    ExpectFields(run({"totals", "--scope", "Genesis"}).out, R"({"words": 3, "method_total": 59})");
    ExpectFields(run({"totals", "--scope", "Whole text"}).out, R"({"method_total": 59})");
    EXPECT_EQ(run({"totals", "--scope", "Gen", "--text", "qere"}).status, 2);

    // The classical keys and all: 41 is אם's standard value and ית's atbash one.
    auto runAll = [&](std::vector<std::string> args) {
        args.insert(args.end(), {"--app-folder", app.path(), "--format", "json"});
        return RunCli(args);
    };
    const CliRun all = runAll({"search", "--value", "41", "--match", "words", "--method", "all"});
    ExpectFields(all.out, R"([{"hebrew": "אם", "method": "standard-final"},
        {"hebrew": "אם", "method": "standard"}, {"hebrew": "ית", "method": "atbash"}])");
    EXPECT_EQ(nlohmann::json::parse(all.out).size(), 3u);
    EXPECT_EQ(RunCli({"search", "--value", "41", "--match", "words", "--method", "all",
                      "--app-folder", app.path()})
                  .out,
              "Gen 1:1, word 1  אם  41  Standard and final letters\n"
              "Gen 1:1, word 1  אם  41  Standard\nGen 1:1, word 2  ית  41  Atbash\n");
    // Kolel adds the words: 473 and 3.
    ExpectFields(runAll({"totals", "--range", "Gen 1:1-Gen 1:2", "--method", "kolel"}).out,
                 R"({"method_total": 476})");
    EXPECT_EQ(runAll({"search", "--value", "4", "--match", "words", "--method", "integral-reduced"})
                  .status,
              2);
    // Ordinal: בך 2+11; Genesis 1:2 is the middle verse of Genesis.
    ExpectFields(run({"stats", "--scope", "Gen 1:2"}).out,
                 R"j({"table": [{"scope": "Genesis", "verses": 2, "gematria": 59}],
                     "scope": {"scope": "Genesis 1:2", "letters": 2, "gematria": 13,
                               "letter_forms": {"א": 0, "ב": 1},
                               "middle_letter": "1 (Gen 1:2, word 1, letter 1) and 2 (Gen 1:2, word 1, letter 2)"}})j");
    // The published figures: beside the text's own counts, after them in the text format.
    const std::string text =
        RunCli({"stats", "--app-folder", app.path(), "--scope", "Gen 1:2"}).out;
    EXPECT_TRUE(text.starts_with("Text: written (ketiv). Method: Standard and final letters.\n"))
        << text;
    EXPECT_TRUE(
        text.ends_with("\nPublished figures (see Sources and Counting Rules):\n"
                       "Genesis: 1534 verses in the traditional division (here 2)\n"
                       "Exodus: 1209 verses in the traditional division (here 0)\n"
                       "Leviticus: 859 verses in the traditional division (here 0)\n"
                       "Numbers: 1288 verses in the traditional division (here 0)\n"
                       "Deuteronomy: 955 verses in the traditional division (here 0)\n"
                       "Torah: 5845 verses in the traditional division (here 2); 304805 "
                       "letters in the printed editions, 304850 in the Leningrad Codex "
                       "(here 6)\n"))
        << text;
}

// An installed program (a copy beside share/vellumark/Data): its help and its
// usage errors make nothing in the home folder; the help says where reports
// would go, and why a user-dirs.dirs that is a pipe was not read (not hanging on it).
TEST(CliInstalledTest, helpAndUsageErrorsMakeNothing) {
    TempDir root;
    const std::string home = root.file("home");
    fs::create_directories(root.file("usr/share/vellumark/Data"));
    fs::create_directories(root.file("usr/bin"));
    fs::create_directories(home + "/.config");
    ASSERT_EQ(::mkfifo((home + "/.config/user-dirs.dirs").c_str(), 0600), 0);
    fs::copy_file(VELLUMARK_CLI, root.file("usr/bin/vellumark-cli"));
    auto run = [&](const std::string& args) {
        const std::string command = "HOME=" + home + " timeout 20 " +
                                    root.file("usr/bin/vellumark-cli") + " " + args + " >" +
                                    root.file("out") + " 2>&1";
        const int status = std::system(command.c_str());
        EXPECT_FALSE(fs::exists(home + "/Documents")) << args;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run("bogus"), 2);
    EXPECT_EQ(run("search --value"), 2);
    // Input refused before the folders would be made, for each command that makes them.
    for (const char* refused :
         {"search --match words --value 1x", "search --match words --value 1 --scope Exodsu",
          "totals --range \"Gen 1:1-\"", "stats --scope Exodsu",
          "filter --report missing --text x"})
        EXPECT_EQ(run(refused), 2) << refused;
    EXPECT_EQ(run("--help"), 0);
    EXPECT_NE(ReadFile(root.file("out"))
                  .find("Reports go to " + home + "/Documents/Vellumark/Report/. " + home +
                        "/.config/user-dirs.dirs was not read: it is a named pipe, not a file."),
              std::string::npos)
        << ReadFile(root.file("out"));
}

// The book names and ranges the command line reads.
TEST(CliInputTest, findBookAndParseRange) {
    const std::pair<const char*, int> cases[] = {
        {"Gen", 1},   {"genesis", 1}, {"1Sa", 9},
        {"1 sam", 9}, {"1samuel", 9}, {"Ju", 7},
        {"J", 0},     {"", 0},        {"Song of Solomon", 22},
        {"Zach", 38}, {"Job", 18},    {"Jo", 0},
        {"Mal", 39},  {"Matthew", 0}};
    for (const auto& [typed, book] : cases) EXPECT_EQ(cli::FindBook(typed), book) << typed;

    const cli::ParsedRange parsed = cli::ParseRange(" 1 Sam 3:1 - 3:21 ");
    EXPECT_EQ(parsed.message, "");
    EXPECT_EQ(parsed.range.startBook, 9);
    EXPECT_EQ(parsed.range.endBook, 9);
    EXPECT_EQ(parsed.range.endBookName, "1 Samuel");
    EXPECT_EQ(parsed.range.startChapter + "|" + parsed.range.startVerse + "|" +
                  parsed.range.endChapter + "|" + parsed.range.endVerse,
              "3|1|3|21");
    for (const char* bad : {"Gen", "1:1-2:2", "Gen 1-2", ""})
        EXPECT_NE(cli::ParseRange(bad).message, "") << bad;
}

}  // namespace

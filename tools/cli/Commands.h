#pragma once

#include "cli/RowWriters.h"
#include "data/AppPaths.h"
#include "data/Gematria.h"
#include "search/Searches.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vellumark::cli {

/// Exit statuses, as grep has them: hits, none, a usage error; a data or
/// file error; and a search stopped by Ctrl+C, SIGTERM or SIGHUP (128 + SIGINT).
enum ExitStatus { kFound = 0, kNone = 1, kUsage = 2, kDataFailure = 3, kInterrupted = 130 };

/// Input the window would refuse, or options that do not go together: status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A failure the window reports with a text of its own before the core's
/// message ("The search stopped and the report was not written: ..."): status 3.
class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ValueOptions {
    std::string appFolder;
    std::vector<std::string> text;
    Format format = Format::Text;
    int method = -1;  ///< a Method, or -1 (kAllMethods): every method
};

struct SearchOptions {
    std::string appFolder;
    std::optional<std::string> value;
    std::optional<std::string> valuesFrom;
    Match match = Match::Words;
    std::int16_t measure = kGematria;
    bool measureGiven = false;
    Method method = Method::StandardAndFinal;
    bool allMethods = false;  ///< a Hebrew value is then taken by its standard value
    std::optional<std::string> range;
    Reading reading = Reading::Written;
    std::optional<Format> format;
    std::optional<std::string> report;
    std::optional<std::string> output;
    std::string header;
    bool yes = false;
};

struct TotalsOptions {
    std::string appFolder;
    std::string range;  ///< a typed range, or a scope as --scope takes it
    Method method = Method::StandardAndFinal;
    Reading reading = Reading::Written;
    Format format = Format::Text;
};

struct FilterOptions {
    std::string appFolder;
    std::string report;
    std::string text;
    std::string heading;
    bool yes = false;
};

/// The program folder: the one given, or the window's (Data beside the program,
/// else the user's documents folder when installed). DescribeOnly names an
/// installed program's folder without making it.
std::string AppFolder(const std::string& given, FolderSetup setup = FolderSetup::Make);

/// A scope as typed: a range as Range Totals takes it ("Gen 1:1-Deut 34:12",
/// checked with the window's messages), or names and ranges separated by
/// commas ("Torah", "Gen 1-3, Ex 20"). None: the whole text. UsageError.
std::optional<Scope> CheckScope(const std::string& text, const std::string& app);
/// The part of CheckScope that needs no data: a scope that cannot be read is a UsageError.
void CheckScopeText(const std::string& text);

/// The reading a command runs on; the read text must have been built (UsageError).
Reading CheckReading(Reading reading, const std::string& app);

struct StatsOptions {
    std::string appFolder;
    std::optional<std::string> scope;
    Reading reading = Reading::Written;
    Method method = Method::StandardAndFinal;
    Format format = Format::Text;
};

/// Each command returns its exit status; UsageError, FileError and DataError
/// leave it for main() to report.
int RunValueCommand(const ValueOptions& options);
int RunSearchCommand(const SearchOptions& options);
int RunTotalsCommand(const TotalsOptions& options);
int RunFilterCommand(const FilterOptions& options);
int RunStatsCommand(const StatsOptions& options);

}  // namespace vellumark::cli

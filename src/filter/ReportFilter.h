#pragma once

#include <functional>
#include <string>

namespace vellumark {

/// The Report Filter fields as typed: the report name, the filter text and the
/// report header (the new heading).
struct FilterFields {
    std::string reportName;
    std::string filterText;
    std::string header;
};

/// The outcome of CheckReportFilter: `message` is empty when the input passed.
/// The cleaned name and text are set once their checks were reached, for the
/// window to show.
struct FilterCheck {
    std::string message;
    bool nameCleaned = false;
    std::string reportName;
    bool textCleaned = false;
    std::string filterText;  ///< trimmed, runs of spaces made single
    std::string heading;     ///< the header, trimmed

    bool passed() const { return message.empty(); }
};

/// Checks, in order: the report name (not empty; cleaned; no path separator;
/// not too long), that the report is a file, the filter text (not empty) and
/// the header (its heading line fits one report line, as for Value Search).
FilterCheck CheckReportFilter(const FilterFields& fields, const std::string& appPath);

struct FilterResult {
    int entries = 0;         ///< hit entries in the report before
    int kept = 0;            ///< hit entries left
    bool cancelled = false;  ///< the user declined; the report was left as it was
};

/// Rewrites the report <app>/Report/<name>.html so that the hits of `filterText`
/// are no longer highlighted: in every entry line "<b><i>F</i></b>" and
/// "<b><i>(F)</i></b>" become F (letter case ignored); an entry that still
/// highlights something stays with its next line, any other is dropped with it.
/// A non-empty `heading` replaces the report's whole heading (the "<h2>" line
/// to the line that closes it), or is inserted as "<p>", "<h2>heading</h2>",
/// "<p>" before the first entry (before the closing "</body>" in a report
/// without entries), and before the line that says what was searched (method
/// and range), which stays in the head as it is.
///
/// A file that is not a report of this program (not UTF-8 text, NUL bytes, no
/// report head) is a DataError and stays untouched. When no entry highlights
/// anything, filtering would drop every entry: `confirmEmptying` is asked first,
/// and without a yes nothing is written. The copy is written under a temporary
/// name and renamed over the report, so a failure leaves the report as it was.
/// Failures are FileErrors or DataErrors.
FilterResult FilterReport(const std::string& appPath, const std::string& name,
                          const std::string& filterText, const std::string& heading,
                          const std::function<bool()>& confirmEmptying = {});

}  // namespace vellumark

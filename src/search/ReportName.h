#pragma once

#include <string>

namespace vellumark {

/// A report name as typed, cleaned: spaces around it removed, then a final
/// ".html" and then a final ".htm" (letter case significant: "a.htm.html"
/// gives "a", "notes.HTML" stays). `message` is empty when the name can be
/// used, else it says why not: empty, nothing but dots once cleaned (".html",
/// ".."), a path separator (reports stay in the Report folder), or too long
/// for a file name.
struct ReportName {
    std::string name;
    std::string message;
};

/// `emptyMessage` is the command's own text for an empty name.
ReportName CleanReportName(const std::string& typed, const std::string& emptyMessage);

}  // namespace vellumark

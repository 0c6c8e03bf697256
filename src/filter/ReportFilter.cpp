#include "filter/ReportFilter.h"

#include "data/AppPaths.h"
#include "data/AtomicFile.h"
#include "data/Errors.h"
#include "data/FileErrors.h"
#include "data/TextInput.h"
#include "data/TextStream.h"
#include "search/ReportFormat.h"
#include "search/ReportName.h"

#include <algorithm>
#include <vector>

namespace vellumark {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::size_t FindNoCase(std::string_view text, std::string_view pattern, std::size_t from = 0) {
    if (from > text.size()) return std::string::npos;
    const auto it =
        std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), pattern.begin(),
                    pattern.end(), [](char a, char b) { return Lower(a) == Lower(b); });
    return it == text.end() && !pattern.empty() ? std::string::npos
                                                : static_cast<std::size_t>(it - text.begin());
}

void ReplaceAllNoCase(std::string& text, const std::string& pattern, const std::string& by) {
    for (std::size_t at = FindNoCase(text, pattern); at != std::string::npos;
         at = FindNoCase(text, pattern, at + by.size())) {
        text.replace(at, pattern.size(), by);
    }
}

bool Highlights(std::string_view line) { return FindNoCase(line, "<b><i>") != std::string::npos; }

/// True for UTF-8 text without NUL bytes.
bool IsUtf8Text(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80             ? 1
                                   : (c & 0xE0) == 0xC0 ? 2
                                   : (c & 0xF0) == 0xE0 ? 3
                                   : (c & 0xF8) == 0xF0 ? 4
                                                        : 0;
        if (c == 0 || length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

FilterCheck CheckReportFilter(const FilterFields& fields, const std::string& appPath) {
    FilterCheck check;
    const ReportName name = CleanReportName(
        fields.reportName, "Please enter the name of the report that you want to filter.");
    check.nameCleaned = true;
    check.reportName = name.name;
    if (!name.message.empty()) {
        check.message = name.message;
        return check;
    }
    if (auto error = CheckRegularFile(ReportPath(appPath, name.name))) {
        check.message = error->what();
        return check;
    }
    check.textCleaned = true;
    check.filterText = TrimSpaces(fields.filterText);
    if (check.filterText.empty()) {
        check.message = "Please enter the text that you want to filter.";
        return check;
    }
    for (std::size_t at; (at = check.filterText.find("  ")) != std::string::npos;)
        check.filterText.erase(at, 1);
    check.heading = TrimSpaces(fields.header);
    check.message = HeadingTooLong(check.heading);
    return check;
}

FilterResult FilterReport(const std::string& appPath, const std::string& name,
                          const std::string& filterText, const std::string& heading,
                          const std::function<bool()>& confirmEmptying) {
    const std::string reportPath = ReportPath(appPath, name);
    TextStream in(reportPath);
    std::vector<std::string_view> lines;
    for (std::string_view line; in.readLine(line);) lines.push_back(line);
    if (lines.empty() || !StartsWithNoCase(lines.front(), "<html>") || !IsUtf8Text(in.text())) {
        throw DataError(reportPath + " is not a report of this program, so it was left as it is.");
    }

    const auto firstEntry = std::find_if(lines.begin(), lines.end(), IsEntry);
    const std::size_t headEnd = static_cast<std::size_t>(firstEntry - lines.begin());
    FilterResult result;
    bool anyHighlight = false;
    for (std::size_t k = headEnd; k < lines.size(); ++k) {
        if (!IsEntry(lines[k])) continue;
        ++result.entries;
        anyHighlight = anyHighlight || Highlights(lines[k]);
        ++k;  // the entry's English block
    }
    if (result.entries > 0 && !anyHighlight && !(confirmEmptying && confirmEmptying())) {
        result.cancelled = true;
        return result;
    }

    bool headingSeen = false;
    for (std::size_t k = 0; k < headEnd; ++k)
        headingSeen = headingSeen || StartsWithNoCase(lines[k], "<h2>");
    std::size_t insertAt = headEnd;
    if (firstEntry == lines.end()) {
        const auto tail = std::find_if(lines.begin(), lines.end(), [](std::string_view l) {
            return StartsWithNoCase(l, "</body");
        });
        insertAt = static_cast<std::size_t>(tail - lines.begin());
    }
    // A heading stands before the line that says what was searched, as in a new report.
    const auto searched = std::find_if(lines.begin(), lines.begin() + insertAt, IsSearchedLine);
    insertAt = static_cast<std::size_t>(searched - lines.begin());
    const bool insertHeading = !heading.empty() && !headingSeen;

    AtomicFile out(reportPath);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (insertHeading && k == insertAt) WriteHeadingBlock(out, heading);
        if (k < headEnd) {
            if (!heading.empty() && StartsWithNoCase(lines[k], "<h2>")) {
                // The whole heading goes, up to the line that closes it.
                std::size_t end = k;
                while (end + 1 < headEnd && FindNoCase(lines[end], "</h2>") == std::string::npos)
                    ++end;
                if (FindNoCase(lines[end], "</h2>") != std::string::npos) k = end;
                out.line(HeadingLine(heading));
            } else {
                out.line(lines[k]);
            }
            continue;
        }
        if (!IsEntry(lines[k])) {
            out.line(lines[k]);
            continue;
        }
        std::string line(lines[k]);
        ReplaceAllNoCase(line, "<b><i>" + filterText + "</i></b>", filterText);
        ReplaceAllNoCase(line, "<b><i>(" + filterText + ")</i></b>", filterText);
        if (Highlights(line)) {
            ++result.kept;
            out.line(line);
            if (k + 1 < lines.size()) out.line(lines[k + 1]);
        }
        ++k;  // the entry's English block goes with it
    }
    if (insertHeading && insertAt == lines.size()) WriteHeadingBlock(out, heading);
    out.commit();
    return result;
}

}  // namespace vellumark

#include "filter/ReportFilter.h"

#include "data/AppPaths.h"
#include "data/TextStream.h"
#include "search/ReportOutput.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace vellumark {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::size_t FindNoCase(const std::string& text, const std::string& pattern, std::size_t from = 0) {
    const auto it =
        std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), pattern.begin(),
                    pattern.end(), [](char a, char b) { return Lower(a) == Lower(b); });
    return it == text.end() && !pattern.empty() ? std::string::npos
                                                : static_cast<std::size_t>(it - text.begin());
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && FindNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

void ReplaceAllNoCase(std::string& text, const std::string& pattern, const std::string& by) {
    for (std::size_t at = FindNoCase(text, pattern); at != std::string::npos;
         at = FindNoCase(text, pattern, at + by.size())) {
        text.replace(at, pattern.size(), by);
    }
}

bool IsEntry(const std::string& line) { return StartsWithNoCase(line, "<p><a href="); }

}  // namespace

void FilterReport(const std::string& appPath, const std::string& name,
                  const std::string& filterText, const std::string& heading) {
    const std::string reportPath = ReportPath(appPath, name);
    std::vector<std::string> lines;
    {
        TextStream in(reportPath);
        std::string line;
        while (in.readLine(line)) lines.push_back(line);
    }
    OutputFile out(reportPath, ReportFolder(appPath) + name + ".copy");

    const auto firstEntry = std::find_if(lines.begin(), lines.end(), IsEntry);
    const std::size_t headEnd = static_cast<std::size_t>(firstEntry - lines.begin());
    bool headingSeen = false;
    for (std::size_t k = 0; k < headEnd; ++k)
        headingSeen = headingSeen || StartsWithNoCase(lines[k], "<h2>");

    std::size_t insertAt = headEnd;
    if (firstEntry == lines.end()) {
        const auto tail = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
            return StartsWithNoCase(l, "</body");
        });
        insertAt = static_cast<std::size_t>(tail - lines.begin());
    }
    auto writeHeadingBlock = [&] {
        out.line("<p>");
        out.line("<h2>" + heading + "</h2>");
        out.line("<p>");
    };
    const bool insertHeading = !heading.empty() && !headingSeen;

    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (insertHeading && k == insertAt) writeHeadingBlock();
        std::string& line = lines[k];
        if (k < headEnd) {
            const bool replace = StartsWithNoCase(line, "<h2>") && !heading.empty();
            out.line(replace ? "<h2>" + heading + "</h2>" : line);
            continue;
        }
        if (!IsEntry(line)) {
            out.line(line);
            continue;
        }
        ReplaceAllNoCase(line, "<b><i>" + filterText + "</i></b>", filterText);
        ReplaceAllNoCase(line, "<b><i>(" + filterText + ")</i></b>", filterText);
        if (FindNoCase(line, "<b><i>") != std::string::npos) {
            out.line(line);
            if (k + 1 < lines.size()) out.line(lines[k + 1]);
        }
        ++k;  // the entry's English block goes with it
    }
    if (insertHeading && insertAt == lines.size()) writeHeadingBlock();
    out.commit();
}

}  // namespace vellumark

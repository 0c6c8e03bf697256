#include "search/ReportFormat.h"

#include "data/AtomicFile.h"
#include "data/Books.h"
#include "data/TextInput.h"
#include "data/TextStream.h"
#include "search/Put.h"

#include <array>

namespace vellumark {

const std::string kRunSeparator = "<br>" + std::string(55, '+');

std::string HeadingLine(std::string_view heading) {
    std::string line = "<h2>";
    for (std::size_t i = 0; i < heading.size(); ++i) {
        if (heading[i] == '\r' || heading[i] == '\n') {
            line += "<br>";
            if (heading[i] == '\r' && i + 1 < heading.size() && heading[i + 1] == '\n') ++i;
        } else {
            line += heading[i];
        }
    }
    return line + "</h2>";
}

std::string HeadingTooLong(std::string_view header) {
    if (TrimSpaces(std::string(header)).empty() ||
        HeadingLine(header).size() <= TextStream::kMaxLine)
        return {};
    return "The report header is too long: its report line can hold at most 32,767 characters.";
}

void WriteHeadingBlock(AtomicFile& report, std::string_view heading) {
    report.line("<p>");
    report.line(HeadingLine(heading));
    report.line("<p>");
}

void WriteReportHead(AtomicFile& report, const std::string& header) {
    for (const char* line : {"<html>", "<head>", "</head>", "<body>"}) report.line(line);
    if (!TrimSpaces(header).empty()) WriteHeadingBlock(report, header);
}

void WriteReportTail(AtomicFile& report, Tail tail) {
    if (tail == Tail::OneLine) {
        report.line("</body></html>");
    } else {
        report.line("</body>");
        report.line("</html>");
    }
}

std::string SearchedLine(const SearchRequest& request) {
    std::string line;
    if (request.allMethods && UsesMethod(request))
        line.append("Method: All methods.");
    else if (request.method != Method::StandardAndFinal && UsesMethod(request))
        line.append("Method: ").append(MethodName(request.method)).append(".");
    if (request.scope) {
        if (!line.empty()) line += ' ';
        const Scope& scope = *request.scope;
        if (!scope.name.empty()) {
            line += "Scope: " + scope.name + ".";
        } else if (!scope.ranges.empty()) {
            const VerseScope& range = scope.ranges.front();
            line += "Range: " + PlaceName(range.first);
            if (!(range.last == range.first)) line += " to " + PlaceName(range.last);
            line += '.';
        }
    }
    if (request.reading == Reading::Read) {
        if (!line.empty()) line += ' ';
        line += "Text: read (qere).";
    }
    return line.empty() ? line : "<p>" + line + "</p>";
}

std::string MethodHeadingLine(Method method) {
    return "<h3>" + std::string(MethodName(method)) + "</h3>";
}

bool IsSearchedLine(std::string_view line) {
    return line.starts_with("<p>Method: ") || line.starts_with("<p>Range: ") ||
           line.starts_with("<p>Scope: ") || line.starts_with("<p>Text: ");
}

bool IsEntry(std::string_view line) { return StartsWithNoCase(line, "<p><a href="); }

char* PutEntryStart(char* p, std::int16_t anchor, std::string_view boldPart) {
    p = PutNumber(Put(p, kEntryStart), anchor);
    p = Put(Put(Put(p, "'><b>"), boldPart), "</b></a> ");
    return p;
}

char* PutVerseKey(char* p, std::int16_t book, std::int16_t chapter, std::int16_t verse) {
    static const std::array<std::string, kBookCount + 1> kBooks = [] {
        std::array<std::string, kBookCount + 1> books;
        for (std::int16_t b = 1; b <= kBookCount; ++b) books[b] = GetBookAbbrev(b);
        return books;
    }();
    if (book >= 1 && book <= kBookCount) p = Put(p, kBooks[book]);
    p = PutNumber(p, chapter);
    *p++ = ':';
    p = PutNumber(p, verse);
    *p++ = ' ';
    return p;
}

char* PutEnglishBlock(char* p, const EnglishBlock& english) {
    p = Put(Put(p, EnglishBlock::kStart), english.text);
    return Put(p, english.cut ? "\r\n" : "</font></blockquote>\r\n");
}

std::string RangeLine(std::int16_t firstBook, std::int16_t firstChapter, std::int16_t firstVerse,
                      std::int16_t lastBook, std::int16_t lastChapter, std::int16_t lastVerse) {
    auto place = [](std::int16_t book, std::int16_t chapter, std::int16_t verse) {
        return GetBookAbbrev(book) + " " + std::to_string(chapter) + ":" + std::to_string(verse);
    };
    std::string line = "<br>" + place(firstBook, firstChapter, firstVerse);
    if (firstBook != lastBook || firstChapter != lastChapter || firstVerse != lastVerse)
        line += " - " + place(lastBook, lastChapter, lastVerse);
    return line;
}

}  // namespace vellumark

#include "search/ReportWriter.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/EnglishLookup.h"
#include "data/Errors.h"
#include "data/TextInput.h"

namespace vellumark {

namespace {

constexpr std::string_view kEntryStart = "<p><a href='..\\Data\\EnglishOT.html#";
const std::string kRunSeparator = "<br>" + std::string(55, '+');

std::string EntryStart(std::int16_t anchor, const std::string& boldPart) {
    std::string line(kEntryStart);
    line += std::to_string(anchor);
    line += "'><b>";
    line += boldPart;
    line += "</b></a> ";
    return line;
}

std::string LineEntry(std::int16_t anchor, const std::string& boldPart, const std::string& hebrew,
                      bool alternate) {
    std::string line = EntryStart(anchor, boldPart);
    if (alternate)
        line += "(" + hebrew + ")";
    else
        line += hebrew;
    return line;
}

/// The Hebrew text after the verse key, searching forward (and with `wrap`
/// starting over at the end of the file).
std::string FindHebrewText(TextStream& hebrew, const std::string& key, bool wrap,
                           const std::string& verse) {
    const std::string line = FindLine(
        hebrew, [&key](const std::string& l) { return l.compare(0, key.size(), key) == 0; }, wrap,
        verse);
    return line.substr(key.size());
}

/// Splits at every space; an empty text has no words.
std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    if (text.empty()) return words;
    std::size_t start = 0;
    for (;;) {
        const std::size_t space = text.find(' ', start);
        words.push_back(text.substr(start, space - start));
        if (space == std::string::npos) break;
        start = space + 1;
    }
    return words;
}

const std::string& WordAt(const std::vector<std::string>& words, int index, const std::string& path,
                          const std::string& verse) {
    if (index < 0 || static_cast<std::size_t>(index) >= words.size()) {
        throw DataError(path + ", " + verse + ": the line has " + std::to_string(words.size()) +
                        " words, word " + std::to_string(index + 1) + " is wanted.");
    }
    return words[static_cast<std::size_t>(index)];
}

}  // namespace

SearchContext::SearchContext(const std::string& appPath, const std::string& reportName)
    : hebrew(DataPath(appPath, kHebrewFile)),
      english(DataPath(appPath, kEnglishFile)),
      report(ReportPath(appPath, reportName)) {}

void WriteReportHead(OutputFile& report, const std::string& header) {
    for (const char* line : {"<html>", "<head>", "</head>", "<body>"}) report.line(line);
    if (!TrimSpaces(header).empty()) {
        report.line("<p>");
        report.line("<h2>" + header + "</h2>");
        report.line("<p>");
    }
}

void WriteReportTail(OutputFile& report, Tail tail) {
    if (tail == Tail::OneLine) {
        report.line("</body></html>");
    } else {
        report.line("</body>");
        report.line("</html>");
    }
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

std::string WriteSingleLineHit(SearchContext& context, std::int16_t book, std::int16_t chapter,
                               std::int16_t verse, bool alternate, std::int16_t anchor) {
    const std::string key = VerseKey(book, chapter, verse);
    const std::string hebrew =
        FindHebrewText(context.hebrew, key, false, VerseName(book, chapter, verse));
    return LineEntry(anchor, key, hebrew, alternate);
}

void WriteMultipleLineHit(SearchContext& context, std::int16_t book, std::int16_t chapter,
                          std::int16_t verse, std::int16_t furtherVerses, bool alternate) {
    const std::string name = VerseName(book, chapter, verse);
    const std::string key = VerseKey(book, chapter, verse);
    const std::string hebrew = FindHebrewText(context.hebrew, key, true, name);
    EnglishVerse english = SplitEnglishVerse(GetEnglishVerse(context.english, book, chapter, verse),
                                             context.english.path() + ", " + name);
    context.report.line(LineEntry(english.anchor, key, hebrew, alternate));
    context.report.line(english.block);

    for (int k = 1; k <= furtherVerses; ++k) {
        const std::string where = "verse " + std::to_string(k + 1) + " of the run from " + name;
        english = SplitEnglishVerse(GetEnglishVerse(context.english, 0, 0, 0),
                                    context.english.path() + ", " + where);
        const std::string line =
            context.hebrew.readLineOrFail("the file ends inside the run from " + name + ".");
        const std::size_t colon = line.find(':');
        const std::size_t space = colon == std::string::npos ? colon : line.find(' ', colon + 1);
        if (space == std::string::npos) {
            throw DataError(context.hebrew.path() + ", " + where +
                            ": the line has no space after its verse reference.");
        }
        context.report.line(
            LineEntry(english.anchor, line.substr(0, space), line.substr(space), alternate));
        context.report.line(english.block);
    }
    context.report.line(kRunSeparator);
}

std::string WriteSingleWordHit(SearchContext& context, std::int16_t book, std::int16_t chapter,
                               std::int16_t verse, const WordMarks& marks, std::int16_t anchor) {
    const std::string name = VerseName(book, chapter, verse);
    const std::string key = VerseKey(book, chapter, verse);
    const std::vector<std::string> words =
        SplitWords(TrimSpaces(FindHebrewText(context.hebrew, key, false, name)));
    std::string line = EntryStart(anchor, key);
    for (std::size_t k = 0; k < marks.size() && marks[k] != 0; ++k) {
        const auto word = [&]() -> const std::string& {
            return WordAt(words, static_cast<int>(k), context.hebrew.path(), name);
        };
        switch (marks[k]) {
            case 1:
                line.append(" <b><i>").append(word()).append("</i></b>");
                break;
            case 2:
                line.append(" <b><i>(").append(word()).append(")</i></b>");
                break;
            case 3:
                line.append(" ").append(word());
                break;
            default:
                break;
        }
    }
    return line;
}

std::string MultipleWordWriter::WriteMultipleWordHit(SearchContext& context, std::int16_t book,
                                                     std::int16_t chapter, std::int16_t verse,
                                                     std::int16_t firstWord, std::int16_t wordCount,
                                                     std::int16_t lastWord, bool alternate,
                                                     bool verseSeen, std::int16_t anchor) {
    const std::string name = VerseName(book, chapter, verse);
    const std::string key = VerseKey(book, chapter, verse);
    if (!verseSeen)
        keptWords_ = SplitWords(TrimSpaces(FindHebrewText(context.hebrew, key, false, name)));

    const int first = firstWord;
    const int end = firstWord + wordCount - 1;
    std::string line = EntryStart(anchor, key);
    for (int k = 0; k <= lastWord; ++k) {
        const std::string& word = WordAt(keptWords_, k, context.hebrew.path(), name);
        if (k == first) line += (alternate ? " <b><i>(" : " <b><i>") + word;
        if (k == end) {
            if (wordCount != 1) line += " " + word;
            line += alternate ? ")</i></b>" : "</i></b>";
        }
        if (k != first && k != end) line += " " + word;
    }
    return line;
}

}  // namespace vellumark

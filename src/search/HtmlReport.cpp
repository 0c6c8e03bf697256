#include "search/HtmlReport.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/Errors.h"
#include "search/ByteScan.h"
#include "search/ReportFormat.h"

namespace vellumark {

namespace {

/// «<p><a href=...><b>Gen 1:1 </b></a> W1 W2», with "(W1 W2)" for an alternate
/// match, and the English block.
void WriteEntry(AtomicFile& report, const EnglishBlock& english, std::string_view boldPart,
                std::string_view hebrew, bool alternate) {
    WriteEntryStart(report, english.anchor, boldPart);
    if (alternate) report.write("(");
    report.write(hebrew);
    report.write(alternate ? ")\r\n" : "\r\n");
    WriteEnglishBlock(report, english);
}

/// Words `first` to `last` of a verse's Hebrew line as they stand in it,
/// separated by single spaces (as SplitAtSpaces split them).
std::string_view Stretch(const std::vector<std::string_view>& words, int first, int last) {
    const std::string_view a = words[static_cast<std::size_t>(first)];
    const std::string_view b = words[static_cast<std::size_t>(last)];
    return {a.data(), static_cast<std::size_t>(b.data() + b.size() - a.data())};
}

}  // namespace

struct HtmlReport::Files {
    Files(const SearchRequest& request, const VerseTexts* given)
        : owned(given ? nullptr : std::make_unique<VerseTexts>(request.appPath, request.reading)),
          texts(given ? *given : *owned),
          report(ReportPath(request.appPath, request.reportName)) {}

    std::unique_ptr<VerseTexts> owned;
    const VerseTexts& texts;
    AtomicFile report;
};

HtmlReport::HtmlReport(const SearchRequest& request) : request_(request) {}
HtmlReport::HtmlReport(const SearchRequest& request, const VerseTexts& texts)
    : request_(request), texts_(&texts) {}
HtmlReport::~HtmlReport() = default;

std::string HtmlReport::path() const { return ReportPath(request_.appPath, request_.reportName); }

void HtmlReport::begin() {
    files_ = std::make_unique<Files>(request_, texts_);
    WriteReportHead(files_->report, request_.reportHeader);
    if (const std::string searched = SearchedLine(request_); !searched.empty())
        files_->report.line(searched);
}

void HtmlReport::finish() {
    WriteReportTail(files_->report,
                    request_.match == Match::Words ? Tail::OneLine : Tail::TwoLines);
    files_->report.commit();
}

void HtmlReport::add(const Hit& hit) {
    // Under All methods each method's hits come under a heading of their own.
    if (request_.allMethods && UsesMethod(request_) && (!headed_ || hit.method != headedMethod_)) {
        files_->report.line(MethodHeadingLine(hit.method));
        kept_ = false;
        headed_ = true;
        headedMethod_ = hit.method;
    }
    // In the order of Match: words, phrases, verses, verse runs.
    static constexpr void (HtmlReport::*kAdd[])(const Hit&) = {
        &HtmlReport::addWords, &HtmlReport::addPhrase, &HtmlReport::addVerse, &HtmlReport::addRun};
    (this->*kAdd[static_cast<int>(request_.match)])(hit);
}

void HtmlReport::addVerse(const Hit& hit) {
    const VerseId& id = hit.verse;
    const EnglishBlock english = files_->texts.english(id);
    const std::string_view hebrew = files_->texts.hebrewText(id);
    WriteEntry(files_->report, english, VerseKey(id.book, id.chapter, id.verse), hebrew,
               hit.alternate);
}

void HtmlReport::addRun(const Hit& hit) {
    const VerseId& id = hit.verse;
    AtomicFile& report = files_->report;
    if (request_.searchType != kGematria) {
        report.line(RangeLine(id.book, id.chapter, id.verse, hit.runEnd.book, hit.runEnd.chapter,
                              hit.runEnd.verse));
        return;
    }
    const VerseTexts& texts = files_->texts;
    const std::string_view hebrew = texts.hebrewText(id);
    WriteEntry(report, texts.english(id), VerseKey(id.book, id.chapter, id.verse), hebrew,
               hit.alternate);
    // The later verses are the lines that follow the first in each file.
    for (int k = 1; k <= hit.furtherVerses; ++k) {
        const EnglishBlock english = texts.english(id, k);
        const VerseTexts::RunLine line = texts.hebrewRunLine(id, k);
        WriteEntry(report, english, line.reference, line.text, hit.alternate);
    }
    report.line(kRunSeparator);
}

const std::vector<std::string_view>& HtmlReport::wordsOf(const Hit& hit) {
    if (kept_ && keptVerse_ == hit.verse) return keptWords_;
    const VerseId& id = hit.verse;
    keptEnglish_ = files_->texts.english(id);
    const std::string_view text = files_->texts.hebrewWords(id);
    SplitAtSpaces(text, keptWords_);
    keptVerse_ = hit.verse;
    kept_ = true;
    // The Hebrew line must hold every word the word record file has.
    if (keptWords_.size() < static_cast<std::size_t>(hit.wordCount)) {
        throw DataError(files_->texts.hebrewPath() + ", " +
                        VerseName(id.book, id.chapter, id.verse) + ": the line has " +
                        std::to_string(keptWords_.size()) + " words, word " +
                        std::to_string(keptWords_.size() + 1) + " is wanted.");
    }
    return keptWords_;
}

void HtmlReport::addWords(const Hit& hit) {
    const std::vector<std::string_view>& words = wordsOf(hit);
    const VerseId& id = hit.verse;
    AtomicFile& report = files_->report;
    WriteEntryStart(report, keptEnglish_.anchor, VerseKey(id.book, id.chapter, id.verse));
    for (int k = 0; k < hit.wordCount;) {
        switch (hit.marks[k]) {
            case 1:
                report.write(" <b><i>");
                report.write(words[k]);
                report.write("</i></b>");
                ++k;
                break;
            case 2:
                report.write(" <b><i>(");
                report.write(words[k]);
                report.write(")</i></b>");
                ++k;
                break;
            default: {
                // The words up to the next match in one write.
                int last = k;
                while (last + 1 < hit.wordCount && hit.marks[last + 1] == 0) ++last;
                report.write(" ");
                report.write(Stretch(words, k, last));
                k = last + 1;
                break;
            }
        }
    }
    report.write("\r\n");
    WriteEnglishBlock(report, keptEnglish_);
}

void HtmlReport::addPhrase(const Hit& hit) {
    const std::vector<std::string_view>& words = wordsOf(hit);
    const VerseId& id = hit.verse;
    AtomicFile& report = files_->report;
    WriteEntryStart(report, keptEnglish_.anchor, VerseKey(id.book, id.chapter, id.verse));
    if (hit.firstWord > 0) {
        report.write(" ");
        report.write(Stretch(words, 0, hit.firstWord - 1));
    }
    report.write(hit.alternate ? " <b><i>(" : " <b><i>");
    report.write(Stretch(words, hit.firstWord, hit.lastWord));
    report.write(hit.alternate ? ")</i></b>" : "</i></b>");
    if (hit.lastWord + 1 < hit.wordCount) {
        report.write(" ");
        report.write(Stretch(words, hit.lastWord + 1, hit.wordCount - 1));
    }
    report.write("\r\n");
    WriteEnglishBlock(report, keptEnglish_);
}

}  // namespace vellumark

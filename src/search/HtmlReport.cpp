#include "search/HtmlReport.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/Errors.h"
#include "search/ReportFormat.h"

namespace vellumark {

namespace {

/// «<p><a href=...><b>Gen 1:1 </b></a> W1 W2», with "(W1 W2)" for an alternate match.
std::string LineEntry(std::int16_t anchor, std::string_view boldPart, std::string_view hebrew,
                      bool alternate) {
    std::string line = EntryStart(anchor, boldPart);
    if (alternate) line += '(';
    line += hebrew;
    if (alternate) line += ')';
    return line;
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
    // In the order of Match: words, phrases, verses, verse runs.
    static constexpr void (HtmlReport::*kAdd[])(const Hit&) = {
        &HtmlReport::addWords, &HtmlReport::addPhrase, &HtmlReport::addVerse, &HtmlReport::addRun};
    (this->*kAdd[static_cast<int>(request_.match)])(hit);
}

void HtmlReport::addVerse(const Hit& hit) {
    const VerseId& id = hit.verse;
    const EnglishVerse english = files_->texts.english(id);
    const std::string_view hebrew = files_->texts.hebrewText(id);
    files_->report.line(
        LineEntry(english.anchor, VerseKey(id.book, id.chapter, id.verse), hebrew, hit.alternate));
    files_->report.line(english.block);
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
    EnglishVerse english = texts.english(id);
    report.line(
        LineEntry(english.anchor, VerseKey(id.book, id.chapter, id.verse), hebrew, hit.alternate));
    report.line(english.block);
    // The later verses are the lines that follow the first in each file.
    for (int k = 1; k <= hit.furtherVerses; ++k) {
        english = texts.english(id, k);
        const VerseTexts::RunLine line = texts.hebrewRunLine(id, k);
        report.line(LineEntry(english.anchor, line.reference, line.text, hit.alternate));
        report.line(english.block);
    }
    report.line(kRunSeparator);
}

const std::vector<std::string_view>& HtmlReport::wordsOf(const Hit& hit) {
    if (kept_ && keptVerse_ == hit.verse) return keptWords_;
    const VerseId& id = hit.verse;
    EnglishVerse english = files_->texts.english(id);
    keptAnchor_ = english.anchor;
    keptBlock_ = std::move(english.block);
    const std::string_view text = files_->texts.hebrewWords(id);
    keptWords_.clear();
    if (!text.empty()) {
        for (std::size_t start = 0;;) {
            const std::size_t space = text.find(' ', start);
            keptWords_.push_back(text.substr(start, space - start));
            if (space == std::string_view::npos) break;
            start = space + 1;
        }
    }
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
    std::string line = EntryStart(keptAnchor_, VerseKey(id.book, id.chapter, id.verse));
    for (int k = 0; k < hit.wordCount; ++k) {
        switch (hit.marks[k]) {
            case 1:
                line.append(" <b><i>").append(words[k]).append("</i></b>");
                break;
            case 2:
                line.append(" <b><i>(").append(words[k]).append(")</i></b>");
                break;
            default:
                line.append(" ").append(words[k]);
                break;
        }
    }
    files_->report.line(line);
    files_->report.line(keptBlock_);
}

void HtmlReport::addPhrase(const Hit& hit) {
    const std::vector<std::string_view>& words = wordsOf(hit);
    const VerseId& id = hit.verse;
    std::string line = EntryStart(keptAnchor_, VerseKey(id.book, id.chapter, id.verse));
    for (int k = 0; k < hit.wordCount; ++k) {
        if (k == hit.firstWord)
            line.append(hit.alternate ? " <b><i>(" : " <b><i>").append(words[k]);
        if (k == hit.lastWord) {
            if (hit.lastWord != hit.firstWord) line.append(" ").append(words[k]);
            line += hit.alternate ? ")</i></b>" : "</i></b>";
        }
        if (k != hit.firstWord && k != hit.lastWord) line.append(" ").append(words[k]);
    }
    files_->report.line(line);
    files_->report.line(keptBlock_);
}

}  // namespace vellumark

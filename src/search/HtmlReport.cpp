#include "search/HtmlReport.h"

#include "data/AppPaths.h"
#include "search/Put.h"
#include "search/ReportFormat.h"

namespace vellumark {

namespace {

/// The room of an entry whose Hebrew is `hebrew` with `words` words marked
/// or not (each mark takes a few bytes of tags), besides its bold part.
std::size_t EntryRoom(std::string_view hebrew, int words, const EnglishBlock& english) {
    return kEntryStartRoom + kVerseKeyRoom + hebrew.size() + 24 * static_cast<std::size_t>(words) +
           kEnglishBlockRoom + english.text.size() + 16;
}

/// «<p><a href=...><b>Gen 1:1 </b></a> W1 W2», with "(W1 W2)" for an alternate
/// match, and the English block.
char* PutEntry(char* p, const EnglishBlock& english, std::string_view boldPart,
               std::string_view hebrew, bool alternate) {
    p = PutEntryStart(p, english.anchor, boldPart);
    if (alternate) *p++ = '(';
    p = Put(Put(p, hebrew), alternate ? ")\r\n" : "\r\n");
    return PutEnglishBlock(p, english);
}

/// VerseKey («Gen 1:1 »), written into `buffer`.
std::string_view KeyOf(const VerseId& id, char (&buffer)[kVerseKeyRoom]) {
    const char* const end = PutVerseKey(buffer, id.book, id.chapter, id.verse);
    return {buffer, static_cast<std::size_t>(end - buffer)};
}

/// The text from `first` up to `end`: words as they stand in a verse's
/// Hebrew line, separated by single spaces.
std::string_view Between(const char* first, const char* end) {
    return {first, static_cast<std::size_t>(end - first)};
}

/// The end of a hit's last word: the line's last, but for a line longer than
/// the record (most lines have just the record's words, and the last ends
/// the line).
const char* LastWordEnd(VerseWords& words, int wordCount) {
    const std::string_view text = words.text();
    if (words.count() == static_cast<std::size_t>(wordCount)) return text.data() + text.size();
    const std::string_view last = words.word(wordCount - 1);
    return last.data() + last.size();
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
    drain();
    WriteReportTail(files_->report,
                    request_.match == Match::Words ? Tail::OneLine : Tail::TwoLines);
    files_->report.commit();
}

void HtmlReport::add(const Hit& hit) {
    // A hit waits a few hits in a ring while its verse's lines are fetched
    // from memory, so that the fetches overlap the writing of earlier entries.
    if (request_.match == Match::Words || request_.match == Match::Phrases) {
        files_->texts.prefetch(hit.verse);
        Hit& slot = waiting_[waitingNext_ % kWaiting];
        if (waitingNext_ >= kWaiting) addNow(slot);
        slot = hit;
        ++waitingNext_;
        return;
    }
    addNow(hit);
}

void HtmlReport::drain() {
    const std::size_t first = waitingNext_ > kWaiting ? waitingNext_ - kWaiting : 0;
    for (std::size_t k = first; k < waitingNext_; ++k) addNow(waiting_[k % kWaiting]);
    waitingNext_ = 0;
}

void HtmlReport::addNow(const Hit& hit) {
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

char* HtmlReport::room(std::size_t bytes) { return files_->report.room(bytes); }

void HtmlReport::write(const char* end) { files_->report.written(end); }

void HtmlReport::addVerse(const Hit& hit) {
    const VerseId& id = hit.verse;
    const EnglishBlock english = files_->texts.english(id);
    const std::string_view hebrew = files_->texts.hebrewText(id);
    char key[kVerseKeyRoom];
    char* const p = room(EntryRoom(hebrew, 1, english));
    write(PutEntry(p, english, KeyOf(id, key), hebrew, hit.alternate));
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
    const EnglishBlock english = texts.english(id);
    char key[kVerseKeyRoom];
    write(PutEntry(room(EntryRoom(hebrew, 1, english)), english, KeyOf(id, key), hebrew,
                   hit.alternate));
    // The later verses are the lines that follow the first in each file.
    for (int k = 1; k <= hit.furtherVerses; ++k) {
        const EnglishBlock later = texts.english(id, k);
        const VerseTexts::RunLine line = texts.hebrewRunLine(id, k);
        char* const p = room(EntryRoom(line.text, 1, later) + line.reference.size());
        write(PutEntry(p, later, line.reference, line.text, hit.alternate));
    }
    report.line(kRunSeparator);
}

VerseWords HtmlReport::wordsOf(const Hit& hit) {
    if (!kept_ || !(keptVerse_ == hit.verse)) {
        keptEnglish_ = files_->texts.english(hit.verse);
        keptText_ = files_->texts.hebrewWords(hit.verse);
        keptVerse_ = hit.verse;
        kept_ = true;
    }
    return VerseWords(keptText_, hit.verse, files_->texts.hebrewPath());
}

void HtmlReport::addWords(const Hit& hit) {
    VerseWords words = wordsOf(hit);
    char key[kVerseKeyRoom];
    char* p = room(EntryRoom(keptText_, hit.wordCount, keptEnglish_));
    p = PutEntryStart(p, keptEnglish_.anchor, KeyOf(hit.verse, key));
    // The words before each match, and after the last, in one piece each:
    // from word `next`, which follows the match that ends at `matchEnd`.
    int next = 0;
    const char* matchEnd = nullptr;
    const auto unmatched = [&](const char* end) {
        p = Put(Put(p, " "), Between(next == 0 ? keptText_.data() : matchEnd + 1, end));
    };
    for (int k = 0; k < hit.wordCount; ++k) {
        if (hit.marks[k] == 0) continue;
        const std::string_view word = words.word(k);
        if (k > next) unmatched(word.data() - 1);
        p = hit.marks[k] == 1 ? Put(Put(Put(p, " <b><i>"), word), "</i></b>")
                              : Put(Put(Put(p, " <b><i>("), word), ")</i></b>");
        next = k + 1;
        matchEnd = word.data() + word.size();
    }
    if (next < hit.wordCount) unmatched(LastWordEnd(words, hit.wordCount));
    p = Put(p, "\r\n");
    write(PutEnglishBlock(p, keptEnglish_));
}

void HtmlReport::addPhrase(const Hit& hit) {
    VerseWords words = wordsOf(hit);
    const std::string_view first = words.word(hit.firstWord);
    const std::string_view last = words.word(hit.lastWord);
    char key[kVerseKeyRoom];
    char* p = room(EntryRoom(keptText_, 3, keptEnglish_));
    p = PutEntryStart(p, keptEnglish_.anchor, KeyOf(hit.verse, key));
    if (hit.firstWord > 0) p = Put(Put(p, " "), Between(keptText_.data(), first.data() - 1));
    p = Put(p, hit.alternate ? " <b><i>(" : " <b><i>");
    p = Put(p, Between(first.data(), last.data() + last.size()));
    p = Put(p, hit.alternate ? ")</i></b>" : "</i></b>");
    if (hit.lastWord + 1 < hit.wordCount)
        p = Put(Put(p, " "),
                Between(last.data() + last.size() + 1, LastWordEnd(words, hit.wordCount)));
    p = Put(p, "\r\n");
    write(PutEnglishBlock(p, keptEnglish_));
}

}  // namespace vellumark

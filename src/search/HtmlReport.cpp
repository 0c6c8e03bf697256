#include "search/HtmlReport.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/Errors.h"
#include "search/ByteScan.h"
#include "search/ReportFormat.h"

#include <cstring>

namespace vellumark {

namespace {

char* Put(char* p, std::string_view bytes) {
    std::memcpy(p, bytes.data(), bytes.size());
    return p + bytes.size();
}

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

/// Words `first` to `last` of a verse's Hebrew line as they stand in it,
/// separated by single spaces (as SplitAtSpaces split them).
std::string_view Stretch(const std::string_view* words, int first, int last) {
    const std::string_view a = words[first];
    const std::string_view b = words[last];
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

char* HtmlReport::room(std::size_t bytes) {
    if (bytes > entrySize_) {
        entry_ = std::make_unique<char[]>(bytes);
        entrySize_ = bytes;
    }
    return entry_.get();
}

void HtmlReport::write(const char* end) {
    files_->report.write(
        std::string_view(entry_.get(), static_cast<std::size_t>(end - entry_.get())));
}

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

const HtmlReport::Words& HtmlReport::wordsOf(const Hit& hit) {
    if (kept_ && keptVerse_ == hit.verse) return keptWords_;
    const VerseId& id = hit.verse;
    keptEnglish_ = files_->texts.english(id);
    keptText_ = files_->texts.hebrewWords(id);
    // The entries show the words the word record file has.
    const std::size_t count =
        SplitAtSpaces(keptText_, keptWords_.data(), static_cast<std::size_t>(hit.wordCount));
    keptVerse_ = hit.verse;
    kept_ = true;
    // The Hebrew line must hold every word the word record file has.
    if (count < static_cast<std::size_t>(hit.wordCount)) {
        throw DataError(files_->texts.hebrewPath() + ", " +
                        VerseName(id.book, id.chapter, id.verse) + ": the line has " +
                        std::to_string(count) + " words, word " + std::to_string(count + 1) +
                        " is wanted.");
    }
    return keptWords_;
}

void HtmlReport::addWords(const Hit& hit) {
    const Words& words = wordsOf(hit);
    char key[kVerseKeyRoom];
    char* p = room(EntryRoom(keptText_, hit.wordCount, keptEnglish_));
    p = PutEntryStart(p, keptEnglish_.anchor, KeyOf(hit.verse, key));
    for (int k = 0; k < hit.wordCount;) {
        switch (hit.marks[k]) {
            case 1:
                p = Put(Put(Put(p, " <b><i>"), words[k]), "</i></b>");
                ++k;
                break;
            case 2:
                p = Put(Put(Put(p, " <b><i>("), words[k]), ")</i></b>");
                ++k;
                break;
            default: {
                // The words up to the next match in one piece.
                int last = k;
                while (last + 1 < hit.wordCount && hit.marks[last + 1] == 0) ++last;
                *p++ = ' ';
                p = Put(p, Stretch(words.data(), k, last));
                k = last + 1;
                break;
            }
        }
    }
    p = Put(p, "\r\n");
    write(PutEnglishBlock(p, keptEnglish_));
}

void HtmlReport::addPhrase(const Hit& hit) {
    const Words& words = wordsOf(hit);
    char key[kVerseKeyRoom];
    char* p = room(EntryRoom(keptText_, 3, keptEnglish_));
    p = PutEntryStart(p, keptEnglish_.anchor, KeyOf(hit.verse, key));
    if (hit.firstWord > 0) {
        *p++ = ' ';
        p = Put(p, Stretch(words.data(), 0, hit.firstWord - 1));
    }
    p = Put(p, hit.alternate ? " <b><i>(" : " <b><i>");
    p = Put(p, Stretch(words.data(), hit.firstWord, hit.lastWord));
    p = Put(p, hit.alternate ? ")</i></b>" : "</i></b>");
    if (hit.lastWord + 1 < hit.wordCount) {
        *p++ = ' ';
        p = Put(p, Stretch(words.data(), hit.lastWord + 1, hit.wordCount - 1));
    }
    p = Put(p, "\r\n");
    write(PutEnglishBlock(p, keptEnglish_));
}

}  // namespace vellumark

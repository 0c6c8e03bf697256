#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/EnglishLookup.h"
#include "data/WordRecordFile.h"
#include "search/ReportWriter.h"
#include "search/Searches.h"

namespace vellumark {

namespace {

EnglishVerse LookUp(SearchContext& context, const VerseBlock& block) {
    return SplitEnglishVerse(
        GetEnglishVerse(context.english, block.book, block.chapter, block.verse),
        context.english.path() + ", " + VerseName(block.book, block.chapter, block.verse));
}

/// Marks of one verse: 1 primary (or only) value matched, 2 alternate value
/// matched, 3 no match, 0 after the last word.
WordMarks MarkWords(const VerseBlock& block, std::int32_t value, bool& hit) {
    WordMarks marks{};
    hit = false;
    for (std::size_t k = 0; k < block.words.size(); ++k) {
        const WordValue& word = block.words[k];
        if (word.pair && word.alternate == value)
            marks[k] = 2;
        else if (word.primary == value)
            marks[k] = 1;
        else
            marks[k] = 3;
        hit = hit || marks[k] != 3;
    }
    return marks;
}

/// Writes every phrase of the verse whose primary sum equals the value, or whose
/// alternate sum equals it and exceeds the primary sum: at most one, the
/// shortest, per start position.
void EvaluateVerse(SearchContext& context, MultipleWordWriter& writer, const VerseBlock& block,
                   std::int32_t value) {
    const int last = static_cast<int>(block.words.size()) - 1;
    bool verseSeen = false;
    EnglishVerse english;
    for (int i = 0; i <= last; ++i) {
        std::int32_t primarySum = 0;
        std::int32_t alternateSum = 0;
        for (int j = i; j <= last; ++j) {
            primarySum += block.words[j].primary;
            alternateSum += block.words[j].alternate;
            if (primarySum > value) break;
            const bool primaryHit = primarySum == value;
            if (!primaryHit && !(alternateSum > primarySum && alternateSum == value)) continue;

            if (!verseSeen) english = LookUp(context, block);
            context.report.line(writer.WriteMultipleWordHit(
                context, block.book, block.chapter, block.verse, static_cast<std::int16_t>(i),
                static_cast<std::int16_t>(j - i + 1), static_cast<std::int16_t>(last), !primaryHit,
                verseSeen, english.anchor));
            context.report.line(english.block);
            verseSeen = true;
            break;
        }
    }
}

}  // namespace

bool MatchSingleWord(const SearchRequest& request, SearchObserver& observer) {
    WordRecordFile file(DataPath(request.appPath, kWordMatrixFile));
    SearchContext context(request.appPath, request.reportName);
    WriteReportHead(context.report, request.reportHeader);
    observer.processingShown(true);

    VerseBlock block;
    while (file.next(block)) {
        bool hit = false;
        const WordMarks marks = MarkWords(block, request.value, hit);
        if (!hit) continue;
        const EnglishVerse english = LookUp(context, block);
        context.report.line(WriteSingleWordHit(context, block.book, block.chapter, block.verse,
                                               marks, english.anchor));
        context.report.line(english.block);
    }

    observer.processingShown(false);
    WriteReportTail(context.report, Tail::OneLine);
    context.report.commit();
    return false;
}

bool MatchMultipleWord(const SearchRequest& request, SearchObserver& observer) {
    WordRecordFile file(DataPath(request.appPath, kWordMatrixFile));
    SearchContext context(request.appPath, request.reportName);
    WriteReportHead(context.report, request.reportHeader);
    observer.processingShown(true);

    MultipleWordWriter writer;
    VerseBlock block;
    while (file.next(block)) EvaluateVerse(context, writer, block, request.value);

    observer.processingShown(false);
    WriteReportTail(context.report, Tail::TwoLines);
    context.report.commit();
    return false;
}

}  // namespace vellumark

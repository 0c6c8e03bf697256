#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/EnglishLookup.h"
#include "data/FieldDecoding.h"
#include "data/VerseRecordFile.h"
#include "search/ReportWriter.h"
#include "search/Searches.h"

#include <vector>

namespace vellumark {

namespace {

VerseRecord::Field MeasureOf(std::int16_t searchType) {
    switch (searchType) {
        case kWordCount:
            return VerseRecord::WordCount;
        case kLetterCount:
            return VerseRecord::LetterCount;
        default:
            return VerseRecord::Gematria;
    }
}

bool IsKnownType(std::int16_t searchType) {
    return searchType == kWordCount || searchType == kLetterCount || searchType == kGematria;
}

}  // namespace

bool MatchSingleLine(const SearchRequest& request, std::int16_t searchType,
                     SearchObserver& observer) {
    const std::string recordPath = DataPath(request.appPath, kLineDataFile);
    VerseRecordFile records(recordPath);
    SearchContext context(request.appPath, request.reportName);
    WriteReportHead(context.report, request.reportHeader);
    observer.processingShown(true);

    if (IsKnownType(searchType)) {
        const VerseRecord::Field measure = MeasureOf(searchType);
        VerseRecord record;
        while (records.next(record)) {
            // Measures are compared at their full width: a value above 32,767
            // in a record cannot wrap round into a false hit.
            const bool primary = record[measure] == request.value;
            const bool alternate =
                searchType == kGematria && record[VerseRecord::AltGematria] == request.value;
            if (!primary && !alternate) continue;

            const VerseId id = IdentityOf(record, recordPath);
            const EnglishVerse english = SplitEnglishVerse(
                GetEnglishVerse(context.english, id.book, id.chapter, id.verse),
                context.english.path() + ", " + VerseName(id.book, id.chapter, id.verse));
            context.report.line(WriteSingleLineHit(context, id.book, id.chapter, id.verse,
                                                   alternate, english.anchor));
            context.report.line(english.block);
        }
    }

    observer.processingShown(false);
    WriteReportTail(context.report, Tail::TwoLines);
    context.report.commit();
    return false;
}

bool MatchMultipleLine(const SearchRequest& request, std::int16_t searchType,
                       SearchObserver& observer) {
    observer.resetKill();
    const std::string recordPath = DataPath(request.appPath, kLineDataFile);
    VerseRecordFile file(recordPath);
    SearchContext context(request.appPath, request.reportName);
    WriteReportHead(context.report, request.reportHeader);
    observer.progressPrepared(static_cast<int>(kVerseCount) - 1);

    bool killed = false;
    if (IsKnownType(searchType)) {
        const VerseRecord::Field measureField = MeasureOf(searchType);
        std::vector<VerseId> ids;
        std::vector<std::int32_t> measure;
        std::vector<std::int32_t> second;
        VerseRecord record;
        while (ids.size() < kVerseCount && file.next(record)) {
            ids.push_back(IdentityOf(record, recordPath));
            measure.push_back(record[measureField]);
            second.push_back(record[VerseRecord::AltGematria]);
        }
        const int count = static_cast<int>(ids.size());
        observer.progressShown(true);

        for (int i = 0; i < count; ++i) {
            // The one place where the window handles its events, Kill Process among them.
            observer.processEvents();
            if (observer.killRequested()) {
                killed = true;
                break;
            }
            std::int32_t sum = 0;
            std::int32_t secondSum = 0;
            for (int j = i; j < count && ids[j].book <= ids[i].book; ++j) {
                sum += measure[j];
                secondSum += second[j];
                if (sum > request.value) break;
                const bool primaryHit = sum == request.value;
                if (searchType != kGematria) {
                    if (!primaryHit) continue;
                    context.report.line(RangeLine(ids[i].book, ids[i].chapter, ids[i].verse,
                                                  ids[j].book, ids[j].chapter, ids[j].verse));
                    break;
                }
                if (primaryHit || secondSum == request.value) {
                    WriteMultipleLineHit(context, ids[i].book, ids[i].chapter, ids[i].verse,
                                         NarrowTo16(j - i, "run length", recordPath), !primaryHit);
                    break;
                }
            }
            observer.progressValue(i);
        }
        observer.progressShown(false);
    }

    // Finished or killed, the report is complete with its tail.
    WriteReportTail(context.report, Tail::TwoLines);
    context.report.commit();
    if (killed) observer.resetKill();
    return false;
}

}  // namespace vellumark

#include "window/results/ResultExport.h"

#include "data/AtomicFile.h"
#include "search/HitRows.h"
#include "search/RowWriters.h"

namespace vellumark {

void ExportResults(const ResultSet& results, const SearchData& data, const std::string& path,
                   ExportFormat format) {
    AtomicFile file(path);
    std::string bytes;
    RowWriter writer(format == ExportFormat::Json ? RowFormat::Json : RowFormat::Csv, bytes);
    RowSink sink(data, [&](const HitRow& row) {
        writer.row(row);
        file.write(bytes);
        bytes.clear();
    });
    sink.setRequest(results.request);
    writer.begin();
    for (const Hit& hit : results.hits) sink.add(hit);
    writer.finish();
    file.write(bytes);
    file.commit();
}

}  // namespace vellumark

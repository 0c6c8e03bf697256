#include "window/results/ResultExport.h"

#include "cli/HitRows.h"
#include "cli/RowWriters.h"

namespace vellumark {

void ExportResults(const ResultSet& results, const std::string& appPath, const std::string& path,
                   ExportFormat format) {
    cli::Output out(path);
    const std::unique_ptr<cli::RowWriter> writer = cli::MakeRowWriter(
        format == ExportFormat::Json ? cli::Format::Json : cli::Format::Csv, out);
    cli::RowSink sink(appPath, [&writer](const cli::HitRow& row) { writer->row(row); });
    sink.setRequest(results.request);
    writer->begin();
    for (const Hit& hit : results.hits) sink.add(hit);
    writer->finish();
    out.commit();
}

}  // namespace vellumark

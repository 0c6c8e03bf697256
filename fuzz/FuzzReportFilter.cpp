// Report Filter on any file in the Report folder. The input is a flags byte
// (bit 0: the answer to the emptying question), the filter text and the new
// heading, each ended by a NUL, and then the report. A file that is refused,
// or a filter that is declined, leaves the report byte for byte as it was and
// no temporary file behind.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "data/AppPaths.h"
#include "data/Errors.h"
#include "filter/ReportFilter.h"

namespace {

using fuzzing::Require;

const std::vector<std::string> kOnlyTheReport = {"r.html"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Input input(data, size);
    const bool answer = input.byte() & 1;
    const std::string filterText = input.text(64);
    const std::string heading = input.text(64);
    const std::string report(input.rest());

    const std::string& app = fuzzing::AppFolder();
    const std::string folder = vellumark::ReportFolder(app);
    fuzzing::ClearFolder(folder);
    const std::string path = vellumark::ReportPath(app, "r");
    fuzzing::WriteFile(path, report);

    bool asked = false;
    const auto confirm = [&] {
        Require(!asked, "the emptying question was asked twice");
        asked = true;
        return answer;
    };
    vellumark::FilterResult result;
    try {
        result = vellumark::FilterReport(app, "r", filterText, heading, confirm);
    } catch (const vellumark::DataError&) {
        Require(fuzzing::ReadFile(path) == report, "a refused report was changed");
        Require(fuzzing::FilesIn(folder) == kOnlyTheReport, "a refused filter left a file behind");
        return 0;
    } catch (const vellumark::FileError&) {
        Require(fuzzing::ReadFile(path) == report, "a failed filter changed the report");
        Require(fuzzing::FilesIn(folder) == kOnlyTheReport, "a failed filter left a file behind");
        return 0;
    }

    Require(fuzzing::FilesIn(folder) == kOnlyTheReport, "the filter left a file behind");
    Require(result.kept >= 0 && result.kept <= result.entries, "more entries kept than there were");
    Require(!asked || result.entries > 0, "asked about emptying a report without entries");
    Require(result.cancelled == (asked && !answer), "cancelled without a no, or went on after one");
    const std::string written = fuzzing::ReadFile(path);
    if (result.cancelled) {
        Require(written == report, "a declined filter changed the report");
        return 0;
    }
    if (asked) Require(result.kept == 0, "entries kept although none highlighted anything");
    // The report's first line, the "<html>" line, is never touched.
    const std::string firstLine = report.substr(0, report.find('\n'));
    const std::string firstLineText =
        firstLine.ends_with('\r') ? firstLine.substr(0, firstLine.size() - 1) : firstLine;
    Require(written.starts_with(firstLineText + "\r\n"), "the report's first line changed");
    return 0;
}

// The four searches over a small program folder whose data files are good but
// for one, which the input replaces in part. The input is a selector byte (bits
// 0-1: the file; bit 2: keep the good file's bytes after the replaced part;
// bits 3-5: the counting method, 6 and 7 the default; bits 6-7: no range, or
// one of three ranges of the good verses), two bytes for where the replacement
// starts, four for the value, one for the verse searches' measure, and then
// the replacement. Whatever the data, a search writes its report or throws,
// and a failed search leaves the earlier report as it was and nothing else in
// the Report folder.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "SmallData.h"
#include "data/AppPaths.h"
#include "data/Errors.h"
#include "search/Searches.h"

namespace {

using fuzzing::Require;

const std::string kEarlier = "an earlier report\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::array<std::string, 4> good = fuzzing::SmallData();
    fuzzing::Input input(data, size);
    const std::uint8_t selector = input.byte();
    const std::size_t which = selector & 3;
    const bool keepTail = selector & 4;
    const int methodBits = selector >> 3 & 7;
    const vellumark::Method method = methodBits < static_cast<int>(vellumark::kMethods.size())
                                         ? vellumark::kMethods[static_cast<std::size_t>(methodBits)]
                                         : vellumark::Method::StandardAndFinal;
    std::optional<vellumark::VerseScope> scope;
    constexpr std::array<std::array<std::int16_t, 2>, 3> kScopes = {{{2, 3}, {1, 1}, {3, 3}}};
    if (const int scopeBits = selector >> 6; scopeBits > 0) {
        const auto [first, last] = kScopes[static_cast<std::size_t>(scopeBits - 1)];
        scope = vellumark::VerseScope{{1, 1, first}, {1, 1, last}};
    }
    const std::size_t start = static_cast<std::uint16_t>(input.int16()) % (good[which].size() + 1);
    const auto high = static_cast<std::uint32_t>(static_cast<std::uint16_t>(input.int16()));
    const auto low = static_cast<std::uint32_t>(static_cast<std::uint16_t>(input.int16()));
    auto value = static_cast<std::int32_t>((high << 16 | low) & 0x7FFFFFFF);
    if (value == 0) value = 1;
    const auto searchType = static_cast<std::int16_t>(input.byte() % 3 + 1);

    const std::string& app = fuzzing::AppFolder();
    bool damaged = false;
    for (std::size_t k = 0; k < good.size(); ++k) {
        std::string file = good[k];
        if (k == which) {
            file = file.substr(0, start) + std::string(input.rest()) +
                   (keepTail ? file.substr(start) : std::string());
            damaged = file != good[k];
        }
        fuzzing::WriteFile(vellumark::DataPath(app, vellumark::kDataFiles[k]), file);
    }

    const std::string folder = vellumark::ReportFolder(app);
    const std::string report = vellumark::ReportPath(app, "s");
    const std::vector<std::string> onlyTheReport = {"s.html"};
    vellumark::SearchObserver observer;
    for (auto match : {vellumark::Match::Words, vellumark::Match::Phrases, vellumark::Match::Verses,
                       vellumark::Match::VerseRuns}) {
        fuzzing::ClearFolder(folder);
        fuzzing::WriteFile(report, kEarlier);
        const vellumark::SearchRequest request{app,   "s",        "Header", value,
                                               match, searchType, method,   scope};
        bool failed = true;
        try {
            const auto result = vellumark::RunSearch(request, observer);
            failed = false;
            Require(result.hits >= 0 && !result.killed, "an odd search result");
            Require(result.reportPath == report, "the report went elsewhere");
            const std::string written = fuzzing::ReadFile(report);
            Require(written.starts_with("<html>\r\n") && written.ends_with("</html>\r\n"),
                    "a report without its head or tail");
        } catch (const vellumark::DataError&) {
        } catch (const vellumark::FileError&) {
        }
        Require(!failed || damaged, "a search failed on good data");
        if (failed)
            Require(fuzzing::ReadFile(report) == kEarlier, "a failed search changed the report");
        Require(fuzzing::FilesIn(folder) == onlyTheReport, "a search left another file behind");
    }
    return 0;
}

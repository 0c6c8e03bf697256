#pragma once

#include <string>

namespace vellumark {

/// Rewrites the report <app>/Report/<name>.html so that the hits of `filterText`
/// are no longer highlighted: in every entry line "<b><i>F</i></b>" and
/// "<b><i>(F)</i></b>" become F (letter case ignored); an entry that still
/// highlights something stays with its next line, any other is dropped with it.
/// A non-empty `heading` replaces the report's "<h2>" line, or is inserted as
/// "<p>", "<h2>heading</h2>", "<p>" before the first entry (before the closing
/// "</body>" in a report without entries).
///
/// The copy is written as <name>.copy and renamed over the report, so a failure
/// leaves the report as it was and no copy behind. Failures are FileErrors or
/// DataErrors.
void FilterReport(const std::string& appPath, const std::string& name,
                  const std::string& filterText, const std::string& heading);

}  // namespace vellumark

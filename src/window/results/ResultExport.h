#pragma once

#include "window/results/ResultRows.h"

#include <string>

namespace vellumark {

class SearchData;

enum class ExportFormat { Csv, Json };

/// Writes the rows of `results` to `path` as the command line exports them,
/// byte for byte; the file replaces an earlier one only when complete.
/// Failures are FileError and DataError.
void ExportResults(const ResultSet& results, const SearchData& data, const std::string& path,
                   ExportFormat format);

}  // namespace vellumark

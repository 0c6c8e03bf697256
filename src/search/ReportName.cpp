#include "search/ReportName.h"

#include "data/AtomicFile.h"
#include "data/TextInput.h"

namespace vellumark {

namespace {

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

ReportName CleanReportName(const std::string& typed, const std::string& emptyMessage) {
    ReportName result{TrimSpaces(typed), {}};
    if (result.name.empty()) {
        result.message = emptyMessage;
        return result;
    }
    if (EndsWith(result.name, ".html")) result.name.resize(result.name.size() - 5);
    if (EndsWith(result.name, ".htm")) result.name.resize(result.name.size() - 4);
    if (result.name.find_first_not_of('.') == std::string::npos) {
        // "", "." and ".." would be a hidden file or a folder's name.
        result.message = "A report name needs at least one character that is not a dot.";
    } else if (result.name.find_first_of("/\\") != std::string::npos) {
        result.message =
            "A report name cannot contain \"/\" or \"\\\": reports are kept in the Report folder.";
    } else if (!AtomicFile::NameFits(result.name + ".html")) {
        result.message =
            "The report name is too long: a name can hold at most " +
            std::to_string(AtomicFile::kMaxFileName - AtomicFile::kTemporaryNameExtra - 5) +
            " bytes (a Hebrew letter takes two).";
    }
    return result;
}

}  // namespace vellumark

// Every numeric field and every report name goes through these functions, so
// any text a user can type must come back as a number or as no number, never
// as a crash, and the answer must not depend on blanks around the text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/AtomicFile.h"
#include "data/TextInput.h"
#include "search/ReportName.h"

namespace {

void Require(bool condition, const char* what, const std::string& input) {
    if (condition) return;
    std::fprintf(stderr, "%s for input \"%s\"\n", what, input.c_str());
    std::abort();
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void CheckNumber(const std::string& text) {
    const auto value = vellumark::ParseNumber(text);
    const auto padded = vellumark::ParseNumber("  " + text + " ");
    Require(value.has_value() == padded.has_value(), "blanks around change acceptance", text);
    if (!value) return;
    Require(*value == *padded, "blanks around change the value", text);
    // Only decimal syntax: no hexadecimal, "inf", "nan", grouping or currency.
    Require(text.find_first_not_of("0123456789+-.eE ") == std::string::npos,
            "a character outside decimal syntax was accepted", text);

    const std::string trimmed = vellumark::TrimSpaces(text);
    if (trimmed[0] != '+' && trimmed[0] != '-') {
        const auto negated = vellumark::ParseNumber("-" + trimmed);
        Require(negated && *negated == -*value, "a minus sign does not negate", text);
    }
}

void CheckTrim(const std::string& text) {
    const std::string trimmed = vellumark::TrimSpaces(text);
    Require(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '),
            "blanks left at an end", text);
    Require(text.find(trimmed) != std::string::npos, "trimmed text is not part of the input", text);
    Require(vellumark::TrimSpaces(trimmed) == trimmed, "trimming twice changes the text", text);
}

void CheckReportName(const std::string& typed) {
    const std::string trimmed = vellumark::TrimSpaces(typed);
    const auto cleaned = vellumark::CleanReportName(typed, "empty");
    Require(trimmed.compare(0, cleaned.name.size(), cleaned.name) == 0,
            "cleaned name is not a prefix of the trimmed text", typed);
    const std::string removed = trimmed.substr(cleaned.name.size());
    Require(removed.empty() || removed == ".html" || removed == ".htm" || removed == ".htm.html",
            "something other than .html and .htm was removed", typed);
    Require(!EndsWith(trimmed, ".html") || removed.size() >= 5, "a final .html stayed", typed);
    Require((cleaned.message == "empty") == trimmed.empty(), "empty text judged wrongly", typed);
    if (!cleaned.message.empty()) return;
    // A usable name must stay inside the Report folder and fit a file name
    // together with the temporary name a report is written under.
    Require(cleaned.name.find_first_of("/\\") == std::string::npos,
            "a name with a path separator was accepted", typed);
    Require(vellumark::AtomicFile::NameFits(cleaned.name + ".html"),
            "a name too long for the temporary file was accepted", typed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckNumber(text);
    CheckTrim(text);
    CheckReportName(text);
    return 0;
}

// Every numeric field and every report name goes through these functions, so
// any text a user can type must come back as a number or as no number, never
// as a crash, and the answer must not depend on blanks around the text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/TextInput.h"

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

void CheckReportName(const std::string& name) {
    const std::string stripped = vellumark::StripReportSuffix(name);
    Require(name.compare(0, stripped.size(), stripped) == 0, "stripped name is not a prefix", name);
    const std::string removed = name.substr(stripped.size());
    Require(removed.empty() || removed == ".html" || removed == ".htm" || removed == ".htm.html",
            "something other than .html and .htm was removed", name);
    Require(!EndsWith(name, ".html") || removed.size() >= 5, "a final .html stayed", name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckNumber(text);
    CheckTrim(text);
    CheckReportName(text);
    return 0;
}

#pragma once

#include "data/Scope.h"
#include "data/TextInput.h"
#include "data/VerseRange.h"
#include "search/Searches.h"

#include <optional>
#include <string>

namespace vellumark {

/// The Value Search fields as typed.
struct ValueSearchFields {
    std::string value;
    /// None for a search that writes no report (rows, a search in the window's
    /// Results): no name is checked, and the request has none.
    std::optional<std::string> reportName;
    std::string reportHeader;
    Method method = Method::StandardAndFinal;
    /// "The range below": the range fields as typed; none when the search
    /// covers the whole text or a named scope.
    std::optional<RangeInput> range;
    /// A named scope (a section, a book, a portion) when there is no range.
    std::optional<Scope> scope;
    /// The written text (the default) or the read one.
    Reading reading = Reading::Written;
};

/// The outcome of CheckValueSearch: `message` is empty when the input passed;
/// `request` then holds the search's value, report name, header, method and scope.
struct ValueSearchCheck {
    std::string message;
    /// The report name as cleaned, for the window to show; set once the value
    /// passed (the name is checked after the value) when there is a name.
    bool nameCleaned = false;
    SearchRequest request;
    /// A report of that name exists: the user is asked before it is replaced.
    bool reportExists = false;

    bool passed() const { return message.empty(); }
};

/// Checks, in order: the value (a number, greater than 0, whole), the report
/// name when there is one (not empty; cleaned; no path separator; not too
/// long), the value's
/// size (at most 2,147,483,647), the header (it fits one report line) and,
/// when it is set, the range (as ValidateRange checks it for Range Totals; the
/// request's scope then holds its verses; else a named scope is taken as it
/// is). The first failing check gives the
/// message; nothing is written.
ValueSearchCheck CheckValueSearch(const ValueSearchFields& fields, const std::string& appPath);

/// The message of CheckValueSearch for a value that CheckWholeNumber found to
/// be `number`, `shown` standing for the value as typed; empty for a valid one.
std::string SearchValueMessage(WholeNumber number, const std::string& shown);

}  // namespace vellumark

#pragma once

#include "search/Searches.h"

#include <QString>

#include <string>

namespace vellumark {

/// The Find row of the Results window as typed.
struct FindFields {
    /// A number, or Hebrew whose value by the method is searched.
    QString text;
    Match match = Match::Words;
    std::int16_t searchType = kGematria;
    Method method = Method::StandardAndFinal;
    /// The value under every search method (`method` is then not used, and
    /// Hebrew gives its standard value, as on the command line).
    bool allMethods = false;
    /// Empty or "Whole text", or a range as the command line takes it:
    /// "Gen 1:1-Deut 34:12".
    QString scope;
    /// The written text or the read one (qere).
    Reading reading = Reading::Written;
};

/// The outcome of CheckFind: nothing to search (empty text), a message, or
/// the request (without a report name).
struct FindCheck {
    bool empty = false;
    QString message;
    SearchRequest request;
    bool passed() const { return !empty && message.isEmpty(); }
};

/// The scope field's text for the whole text.
QString WholeTextScope();

/// Hebrew text gives its value by the method (Standard and final letters: its
/// standard value); a number and the scope are checked as Value Search checks
/// them, with the same messages.
FindCheck CheckFind(const FindFields& fields, const std::string& appPath);

}  // namespace vellumark

#pragma once

#include "data/VerseRecordFile.h"

#include <memory>
#include <string>

namespace vellumark {

/// The texts of verses as the Results window shows them, looked up one verse
/// at a time when a row is shown. `further` counts the verses after `id` in
/// the text's order (the verses of a run).
class VerseTextSource {
public:
    virtual ~VerseTextSource() = default;
    /// The Hebrew words, separated by single spaces, as Hebrew.txt holds them.
    virtual std::string hebrew(const VerseId& id, int further = 0) = 0;
    /// The English as plain text, with its note on the King James Version.
    virtual std::string english(const VerseId& id, int further = 0) = 0;
};

/// The texts of a program folder's data; each file is read at the first
/// look-up. Failures (FileError, DataError) reach the caller.
std::shared_ptr<VerseTextSource> DataVerseTexts(const std::string& appPath);

}  // namespace vellumark

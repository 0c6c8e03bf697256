#pragma once

#include "data/AppPaths.h"
#include "data/VerseRecordFile.h"
#include "data/WordRecordFile.h"

#include <string>

namespace vellumark {

/// What the sizes of LineData.dat and WordMatrix.dat tell, read without
/// opening them: a DataError for a size that cannot hold whole records.
void CheckRecordFileSizes(const std::string& appPath);

/// LineData.dat and WordMatrix.dat of one program folder, read in step. The two
/// files describe the same verses in the same order, and each word block holds
/// as many words as its verse record counts; where they do not, next() throws a
/// DataError naming the file, the verse and what is wrong, with the hint to
/// rebuild the data.
class RecordFiles {
public:
    /// Throws FileError, DataError.
    explicit RecordFiles(const std::string& appPath, Reading reading = Reading::Written);

    /// Reads the next verse of both files; false when both have ended.
    bool next();
    const VerseRecord& record() const { return record_; }
    const VerseBlock& block() const { return block_; }
    VerseId id() const { return id_; }
    long recordCount() const { return verses_.recordCount(); }
    const std::string& lineDataPath() const { return lineDataPath_; }

private:
    [[noreturn]] void disagree(const std::string& what) const;

    std::string lineDataPath_;
    VerseRecordFile verses_;
    WordRecordFile words_;
    VerseRecord record_;
    VerseBlock block_;
    VerseId id_;
};

}  // namespace vellumark

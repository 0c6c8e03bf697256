#include "data/RecordFiles.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/Errors.h"

#include <filesystem>

namespace vellumark {

void CheckRecordFileSizes(const std::string& appPath) {
    const std::string lineData = DataPath(appPath, kLineDataFile);
    const std::string wordMatrix = DataPath(appPath, kWordMatrixFile);
    std::error_code error;
    CheckVerseRecordFileSize(lineData, std::filesystem::file_size(lineData, error));
    CheckWordRecordFileSize(wordMatrix, std::filesystem::file_size(wordMatrix, error));
}

RecordFiles::RecordFiles(const std::string& appPath, Reading reading)
    : lineDataPath_(TextPath(appPath, reading, kLineDataFile)),
      verses_(lineDataPath_),
      words_(TextPath(appPath, reading, kWordMatrixFile)) {}

void RecordFiles::disagree(const std::string& what) const {
    throw DataError(words_.path() + " and " + lineDataPath_ + " do not agree: " + what + "." +
                    kRebuildHint);
}

bool RecordFiles::next() {
    const bool verse = verses_.next(record_);
    const bool words = words_.next(block_);
    if (!verse && !words) return false;
    if (!words) {
        disagree("record " + std::to_string(record_.number) + " has no word block");
    }
    const VerseId blockId{block_.book, block_.chapter, block_.verse};
    if (!verse)
        disagree(VerseName(blockId.book, blockId.chapter, blockId.verse) + " has no verse record");
    id_ = IdentityOf(record_, lineDataPath_);
    if (!(blockId == id_)) {
        disagree("record " + std::to_string(record_.number) + " is " +
                 VerseName(id_.book, id_.chapter, id_.verse) + ", its word block " +
                 VerseName(blockId.book, blockId.chapter, blockId.verse));
    }
    if (record_[VerseRecord::WordCount] != static_cast<std::int32_t>(block_.words.size())) {
        disagree(VerseName(id_.book, id_.chapter, id_.verse) + " has " +
                 std::to_string(record_[VerseRecord::WordCount]) + " words in its record and " +
                 std::to_string(block_.words.size()) + " in its word block");
    }
    return true;
}

}  // namespace vellumark

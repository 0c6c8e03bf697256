// LineData.dat and WordMatrix.dat as found on disk: any bytes must be read as
// verses or rejected with a DataError, never read past their end. The first
// input byte says where the rest is split between the two files.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "data/AppPaths.h"
#include "data/Errors.h"
#include "data/RecordFiles.h"
#include "data/VerseRecordFile.h"
#include "data/WordRecordFile.h"

namespace {

using fuzzing::Require;

void ReadInStep(const std::string& app) {
    vellumark::RecordFiles files(app);
    long read = 0;
    while (files.next()) {
        ++read;
        const auto& record = files.record();
        const auto& block = files.block();
        Require(record.number == read, "records are not numbered in order");
        Require(read <= files.recordCount(), "more verses than records");
        Require(files.id() == vellumark::VerseId{block.book, block.chapter, block.verse},
                "a verse whose record and word block disagree was accepted");
        Require(record[vellumark::VerseRecord::WordCount] ==
                    static_cast<std::int32_t>(block.words.size()),
                "a word count that disagrees with the block was accepted");
    }
    Require(read == files.recordCount(), "both files ended before every record was read");
}

void ReadVerses(const std::string& path, std::size_t size) {
    vellumark::VerseRecordFile verses(path);
    Require(verses.recordCount() * vellumark::VerseRecord::kSize == static_cast<long>(size),
            "a partial record was accepted");
    vellumark::VerseRecord record;
    long read = 0;
    while (verses.next(record)) {
        ++read;
        for (std::int32_t field : record.field)
            Require(field >= 0 && field <= 0xFFFF, "a field outside two unsigned bytes");
    }
    Require(read == verses.recordCount(), "records read differ from the record count");
}

void ReadWords(const std::string& path, std::size_t size) {
    vellumark::WordRecordFile words(path);
    vellumark::VerseBlock block;
    std::size_t fields = 0;
    while (words.next(block)) {
        Require(block.words.size() <= vellumark::VerseBlock::kMaxWords, "too many words");
        fields += 4;
        for (const auto& word : block.words) {
            Require(word.primary > 0 && word.alternate > 0, "a word value that is not positive");
            Require(word.pair || word.primary == word.alternate, "a single value split in two");
            fields += word.pair ? 2 : 1;
        }
    }
    Require(fields * 2 == size, "the blocks do not cover the file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Input input(data, size);
    const std::size_t ratio = input.byte();
    const std::string_view rest = input.rest();
    const std::size_t split = rest.size() * ratio / 255;

    const std::string& app = fuzzing::AppFolder();
    const std::string lineData = vellumark::DataPath(app, vellumark::kLineDataFile);
    const std::string wordMatrix = vellumark::DataPath(app, vellumark::kWordMatrixFile);
    fuzzing::WriteFile(lineData, rest.substr(0, split));
    fuzzing::WriteFile(wordMatrix, rest.substr(split));

    try {
        ReadInStep(app);
    } catch (const vellumark::DataError&) {
    } catch (const vellumark::FileError&) {
    }
    try {
        ReadVerses(lineData, split);
    } catch (const vellumark::DataError&) {
    } catch (const vellumark::FileError&) {
    }
    try {
        ReadWords(wordMatrix, rest.size() - split);
    } catch (const vellumark::DataError&) {
    } catch (const vellumark::FileError&) {
    }
    return 0;
}

// EnglishOT.html as found on disk, looked up the ways the reports do: by verse
// key (with the wrap to the top), line after line, and the split of a result
// into anchor and block. The first five input bytes are the book, chapter and
// verse; the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "data/AppPaths.h"
#include "data/EnglishLookup.h"
#include "data/Errors.h"
#include "data/TextStream.h"

namespace {

using fuzzing::Require;

constexpr std::string_view kBlockStart = "<blockquote><font color='blue'>";

void CheckVerse(const vellumark::EnglishVerse& verse) {
    Require(verse.anchor >= 0, "a negative anchor");
    // Only the start is sure: the split stops at a "#" in the verse text,
    // closing tags and all.
    Require(verse.block.starts_with(kBlockStart), "a block without its quote and colour");
}

void ReadLines(vellumark::TextStream& stream) {
    const std::string_view text = stream.text();
    std::string_view line;
    long lines = 0;
    while (stream.readLine(line)) {
        ++lines;
        Require(stream.lineNumber() == lines, "lines miscounted");
        Require(line.size() <= vellumark::TextStream::kMaxLine, "an over-long line was read");
        Require(line.find('\n') == std::string_view::npos, "a line holds its line feed");
        Require(
            line.data() >= text.data() && line.data() + line.size() <= text.data() + text.size(),
            "a line outside the text");
    }
    Require(static_cast<std::size_t>(lines) <= text.size(), "more lines than bytes");
}

void LookUpKeyed(vellumark::TextStream& stream, std::int16_t book, std::int16_t chapter,
                 std::int16_t verse) {
    const auto found = vellumark::LookUpEnglishVerse(stream, book, chapter, verse);
    CheckVerse(found);
    // Found once, the verse is found again from any position: the search
    // starts over at the end of the file.
    const auto again = vellumark::LookUpEnglishVerse(stream, book, chapter, verse);
    CheckVerse(again);
}

void LookUpInTurn(vellumark::TextStream& stream) {
    stream.reopen();
    for (int position = 2;; ++position) {
        const long before = stream.lineNumber();
        CheckVerse(vellumark::NextEnglishVerse(stream, "Gen 1:1", position));
        Require(stream.lineNumber() == before + 1, "the next-line form skipped a line");
    }
}

template <typename Check>
void Expect(const Check& check) {
    try {
        check();
    } catch (const vellumark::DataError&) {
    } catch (const vellumark::FileError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Input input(data, size);
    const std::int16_t book = input.byte();
    const std::int16_t chapter = input.int16();
    const std::int16_t verse = input.int16();
    const std::string path = vellumark::DataPath(fuzzing::AppFolder(), vellumark::kEnglishFile);
    fuzzing::WriteFile(path, input.rest());

    vellumark::TextStream stream(path);
    Expect([&] { ReadLines(stream); });
    stream.reopen();
    Expect([&] { LookUpKeyed(stream, book, chapter, verse); });
    Expect([&] { LookUpInTurn(stream); });
    Expect([&] {
        // A result split as it comes, without the lookup's quote around it.
        const std::string result(input.rest().substr(0, input.rest().find('\n')));
        const auto split = vellumark::SplitEnglishVerse(result, "fuzz input");
        Require(split.anchor >= 0, "a negative anchor");
        Require(result.find(split.block) != std::string::npos, "a block not taken from the result");
    });
    return 0;
}

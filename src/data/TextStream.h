#pragma once

#include "data/FileReading.h"

#include <string>
#include <string_view>

namespace vellumark {

/// A text file read line by line, lines ended by CR LF (a bare LF is accepted).
/// Keeps its read position between lookups and can start over from the top.
/// Opening only checks that the path is a regular file; the first read loads it
/// into memory (the data files are a few megabytes, and a search reads them
/// about once, or not at all when it finds nothing). Lines are views into the
/// loaded text, valid as long as the stream.
class TextStream {
public:
    static constexpr std::size_t kMaxLine = 32767;

    explicit TextStream(std::string path);  ///< throws FileError

    bool atEnd();
    /// Reads the next line; false at the end of the file. A line longer than
    /// 32,767 characters is a DataError, found without reading past its limit.
    bool readLine(std::string_view& line);
    /// Reads the next line; the end of the file is a DataError saying `why`.
    std::string_view readLineOrFail(const std::string& why);
    /// Starts over from the first line.
    void reopen();
    /// The whole text of the file.
    std::string_view text() {
        if (!loaded_) load();
        return content_.text();
    }

    /// Lines read since the file was (re)opened.
    long lineNumber() const { return lineNumber_; }
    const std::string& path() const { return path_; }

private:
    void load();

    std::string path_;
    bool loaded_ = false;
    FileContent content_;
    std::size_t offset_ = 0;
    long lineNumber_ = 0;
};

/// The DataError of a line that no lookup found.
[[noreturn]] void ThrowLineNotFound(const TextStream& stream, bool wrap, const std::string& verse);

/// Reads forward from the stream's position to the first line that `matches`
/// and returns it. With `wrap` the stream starts over at its end; either way a
/// verse in no line ends with a DataError after at most one full pass, naming
/// `verse` (called only then) and the file.
template <typename Matches, typename VerseName>
std::string_view FindLine(TextStream& stream, const Matches& matches, bool wrap,
                          const VerseName& verse) {
    const long startLine = stream.lineNumber();
    bool wrapped = false;
    std::string_view line;
    for (;;) {
        if (wrapped && stream.lineNumber() >= startLine) break;
        if (!stream.readLine(line)) {
            if (!wrap || wrapped || startLine == 0) break;
            stream.reopen();
            wrapped = true;
            continue;
        }
        if (matches(line)) return line;
    }
    ThrowLineNotFound(stream, wrap, verse());
}

}  // namespace vellumark

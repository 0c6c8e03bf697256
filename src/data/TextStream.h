#pragma once

#include <functional>
#include <string>

namespace vellumark {

/// A text file read line by line, lines ended by CR LF (a bare LF is accepted).
/// Keeps its read position between lookups and can start over from the top.
/// Opening only checks that the file can be read; the first read loads it into
/// memory (the data files are a few megabytes, and a search reads them about
/// once, or not at all when it finds nothing).
class TextStream {
public:
    static constexpr std::size_t kMaxLine = 32767;

    explicit TextStream(std::string path);  ///< throws FileError

    bool atEnd();
    /// Reads the next line; false at the end of the file. A line longer than
    /// 32,767 characters is a DataError.
    bool readLine(std::string& line);
    /// Reads the next line; the end of the file is a DataError saying `why`.
    std::string readLineOrFail(const std::string& why);
    /// Starts over from the first line.
    void reopen();

    /// Lines read since the file was (re)opened.
    long lineNumber() const { return lineNumber_; }
    const std::string& path() const { return path_; }

private:
    void load();

    std::string path_;
    bool loaded_ = false;
    std::string content_;
    std::size_t offset_ = 0;
    long lineNumber_ = 0;
};

/// Reads forward from the stream's position to the first line that `matches`
/// and returns it. With `wrap` the stream starts over at its end; either way a
/// verse in no line ends with a DataError after at most one full pass, naming
/// `verse` and the file.
std::string FindLine(TextStream& stream, const std::function<bool(const std::string&)>& matches,
                     bool wrap, const std::string& verse);

}  // namespace vellumark

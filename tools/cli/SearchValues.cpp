#include "cli/SearchValues.h"

#include "cli/Commands.h"
#include "data/FileErrors.h"
#include "data/HebrewInput.h"
#include "search/ValueSearchInput.h"

#include <cerrno>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumark::cli {

namespace {

/// A value line longer than this is refused: no value is written so long.
constexpr std::size_t kMaxLine = 1 << 20;
constexpr std::size_t kShownCharacters = 40;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trimmed(std::string_view line) {
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    return line;
}

/// At most 40 characters of a line for a message, NUL written as \0.
std::string Shown(std::string_view line) {
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80;
        if (starts && ++characters > kShownCharacters) {
            shown += "...";
            break;
        }
        if (line[i] == '\0')
            shown += "\\0";
        else
            shown += line[i];
    }
    return shown;
}

/// Reads a file, a pipe or standard input in pieces and hands out its lines.
class LineReader {
public:
    explicit LineReader(const std::string& source) : source_(source) {
        if (source == "-") {
            fd_ = STDIN_FILENO;
            return;
        }
        fd_ = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0) throw SystemFileError(errno, source);
        struct stat status {};
        if (::fstat(fd_, &status) == 0 && S_ISDIR(status.st_mode)) {
            ::close(fd_);
            throw FileError(kAccessError, source, "open file", "it is a folder, not a file");
        }
    }
    ~LineReader() {
        if (fd_ != STDIN_FILENO) ::close(fd_);
    }
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    /// The next line without its line break; false at the end.
    bool next(std::string& line) {
        line.clear();
        for (;;) {
            const std::size_t end = buffer_.find('\n', at_);
            if (end != std::string::npos) {
                line.append(buffer_, at_, end - at_);
                at_ = end + 1;
                return true;
            }
            line.append(buffer_, at_, std::string::npos);
            buffer_.resize(1 << 16);
            at_ = 0;
            ssize_t got = 0;
            do {
                got = ::read(fd_, buffer_.data(), buffer_.size());
            } while (got < 0 && errno == EINTR);
            if (got < 0) throw SystemFileError(errno, source_, "read file");
            buffer_.resize(static_cast<std::size_t>(got));
            if (got == 0) return !line.empty();
            if (line.size() > kMaxLine) {
                line.resize(kMaxLine + 1);
                return true;
            }
        }
    }

private:
    std::string source_;
    int fd_ = -1;
    std::string buffer_;
    std::size_t at_ = 0;
};

}  // namespace

std::string SearchValueText(const std::string& typed, Method method, std::int16_t measure) {
    // Hebrew letters are never ASCII: such text is a number or no value.
    if (std::all_of(typed.begin(), typed.end(), [](char c) { return c >= 0 && c < 0x7F; }))
        return typed;
    const HebrewWords words = HebrewWordsOf(typed);
    if (words.letters == 0) return typed;
    if (typed.find_first_of("0123456789") != std::string::npos)
        throw UsageError("The value \"" + Shown(typed) +
                         "\" holds Hebrew letters and digits: give a number or Hebrew text.");
    std::int64_t value = 0;
    if (measure == kWordCount) {
        value = static_cast<std::int64_t>(words.words.size());
    } else if (measure == kLetterCount) {
        value = static_cast<std::int64_t>(words.letters);
    } else {
        value = WordsValue(words.words, method);
    }
    return std::to_string(value);
}

std::vector<std::int32_t> ReadSearchValues(const std::string& source, Method method,
                                           std::int16_t measure) {
    LineReader reader(source);
    std::vector<std::int32_t> values;
    std::string line;
    for (std::size_t number = 1; reader.next(line); ++number) {
        std::string_view text = line;
        if (number == 1 && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
        text = Trimmed(text);
        if (text.empty()) continue;
        const auto refuse = [&](const std::string& message) {
            return UsageError(source + ", line " + std::to_string(number) + " (" + Shown(text) +
                              "): " + message);
        };
        if (text.size() > kMaxLine) throw refuse("the line is too long for a value.");
        std::string value;
        try {
            value = SearchValueText(std::string(text), method, measure);
        } catch (const UsageError& error) {
            throw refuse(error.what());
        }
        std::int32_t number32 = 0;
        const WholeNumber whole =
            CheckWholeNumber(value, std::numeric_limits<std::int32_t>::max(), number32);
        if (whole != WholeNumber::Valid) throw refuse(SearchValueMessage(whole, Shown(value)));
        values.push_back(number32);
    }
    if (values.empty()) throw UsageError(source + " holds no search values.");
    return values;
}

}  // namespace vellumark::cli

#include "data/TextStream.h"

#include "data/Errors.h"
#include "data/FileErrors.h"
#include "data/FileReading.h"

#include <algorithm>
#include <cstring>

namespace vellumark {

TextStream::TextStream(std::string path) : path_(std::move(path)) {
    if (auto error = CheckRegularFile(path_)) throw *error;
}

void TextStream::load() {
    content_ = ReadWholeFile(path_);
    loaded_ = true;
}

void TextStream::reopen() {
    offset_ = 0;
    lineNumber_ = 0;
}

bool TextStream::atEnd() {
    if (!loaded_) load();
    return offset_ >= content_.size();
}

bool TextStream::readLine(std::string_view& line) {
    if (atEnd()) return false;
    ++lineNumber_;
    const char* start = content_.text().data() + offset_;
    const std::size_t remaining = content_.size() - offset_;
    // A line of the longest length may still carry its CR before the LF.
    const std::size_t window = std::min(remaining, kMaxLine + 2);
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', window));
    std::size_t length = newline ? static_cast<std::size_t>(newline - start) : remaining;
    offset_ += newline ? length + 1 : length;
    if (length > 0 && start[length - 1] == '\r') --length;
    if (length > kMaxLine) {
        throw DataError(path_ + ", line " + std::to_string(lineNumber_) +
                        ": the line is longer than 32,767 characters.");
    }
    line = std::string_view(start, length);
    return true;
}

std::string_view TextStream::readLineOrFail(const std::string& why) {
    std::string_view line;
    if (!readLine(line)) throw DataError(path_ + ": " + why);
    return line;
}

void ThrowLineNotFound(const TextStream& stream, bool wrap, const std::string& verse) {
    throw DataError(stream.path() + ": no line for " + verse +
                    (wrap ? " was found." : " was found after the previous one."));
}

}  // namespace vellumark

#pragma once

#include <stdexcept>
#include <string>

namespace vellumark {

/// Malformed or truncated content in a data file or report. The message names
/// the file and, where there is one, the verse.
class DataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A file that could not be found, opened, read or written. `code` follows the
/// classic numbering the messages use: 53 file not found, 76 path not found,
/// 70 permission denied, 75 any other access failure.
class FileError : public std::runtime_error {
public:
    FileError(int code, std::string path);
    int code() const { return code_; }
    const std::string& path() const { return path_; }

private:
    int code_;
    std::string path_;
};

}  // namespace vellumark

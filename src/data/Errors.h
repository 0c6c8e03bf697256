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

/// The hint that ends the message of a damaged data file.
inline constexpr const char* kRebuildHint = " Rebuild the data with vellumark-data.";

/// Error numbers of the messages: 53 file not found, 76 path not found,
/// 70 permission denied, 75 any other access failure.
constexpr int kFileNotFound = 53;
constexpr int kPathNotFound = 76;
constexpr int kPermissionDenied = 70;
constexpr int kAccessError = 75;

/// A file that could not be found, opened, read or written. Without a reason
/// the text is "<path> was not found." for 53 and 76, else
/// "Error # N trying to open file <path>"; with one it names the operation and
/// the system's reason: «Error # 75 trying to write file /a/Report/x.html: No
/// space left on device».
class FileError : public std::runtime_error {
public:
    FileError(int code, std::string path, const std::string& operation = "open file",
              const std::string& reason = {});
    int code() const { return code_; }
    const std::string& path() const { return path_; }

private:
    int code_;
    std::string path_;
};

}  // namespace vellumark

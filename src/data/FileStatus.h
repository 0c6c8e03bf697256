#pragma once

#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

namespace vellumark {

constexpr int kFileNotFound = 53;
constexpr int kPathNotFound = 76;
constexpr int kPermissionDenied = 70;
constexpr int kAccessError = 75;

/// Maps a platform error met on `path` onto the numbering the messages use.
/// A missing file in an existing folder is 53, a missing folder on the way is 76.
int FileErrorCode(const std::error_code& error, const std::string& path);

/// Asks the file system for the attributes of `path`, opening nothing.
/// Returns 0 when they can be read, else the error code.
int QueryAttributes(const std::string& path);

/// "<path> was not found." for 53 and 76, else "Error # N trying to open file <path>".
std::string FileErrorMessage(int code, const std::string& path);

/// The code for the last failed C library call on `path` (errno).
int LastErrorCode(const std::string& path);

/// Reads a whole file; failures are FileErrors.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);
std::string ReadWholeText(const std::string& path);

/// Joins a folder and a name with the platform's separator.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace vellumark

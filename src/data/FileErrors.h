#pragma once

#include "data/Errors.h"

#include <optional>
#include <string>

namespace vellumark {

/// Maps a system error number met on `path` onto the message numbering: a
/// missing file in an existing folder is 53, a missing folder on the way 76.
int FileErrorCode(int systemError, const std::string& path);

/// A FileError for a failed call with `systemError` (errno). A missing file
/// keeps the short "was not found." text; everything else names the reason.
FileError SystemFileError(int systemError, const std::string& path,
                          const std::string& operation = "open file");

/// "<path> was not found." for 53 and 76, else "Error # N trying to open file <path>".
std::string FileErrorMessage(int code, const std::string& path);

/// Checks, opening nothing, that `path` names a regular file (links are
/// followed). Returns the error that reading it would meet, or nothing.
std::optional<FileError> CheckRegularFile(const std::string& path);

}  // namespace vellumark

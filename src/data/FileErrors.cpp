#include "data/FileErrors.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <sys/stat.h>

namespace vellumark {

namespace fs = std::filesystem;

FileError::FileError(int code, std::string path, const std::string& operation,
                     const std::string& reason)
    : std::runtime_error(reason.empty() && operation == "open file"
                             ? FileErrorMessage(code, path)
                             : "Error # " + std::to_string(code) + " trying to " + operation + " " +
                                   path + (reason.empty() ? "" : ": " + reason)),
      code_(code),
      path_(std::move(path)) {}

int FileErrorCode(int systemError, const std::string& path) {
    switch (systemError) {
        case ENOENT: {
            std::error_code error;
            const fs::path parent = fs::path(path).parent_path();
            return parent.empty() || fs::is_directory(parent, error) ? kFileNotFound
                                                                     : kPathNotFound;
        }
        case ENOTDIR:
            return kPathNotFound;
        case EACCES:
        case EPERM:
            return kPermissionDenied;
        default:
            return kAccessError;
    }
}

FileError SystemFileError(int systemError, const std::string& path, const std::string& operation) {
    const int code = FileErrorCode(systemError, path);
    if (systemError == ENOENT && operation == "open file") return FileError(code, path);
    return FileError(code, path, operation, std::strerror(systemError));
}

std::string FileErrorMessage(int code, const std::string& path) {
    if (code == kFileNotFound || code == kPathNotFound) return path + " was not found.";
    return "Error # " + std::to_string(code) + " trying to open file " + path;
}

std::optional<FileError> CheckRegularFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return SystemFileError(errno, path);
    if (S_ISREG(status.st_mode)) return std::nullopt;
    return FileError(
        kAccessError, path, "open file",
        S_ISDIR(status.st_mode) ? "it is a folder, not a file" : "it is not a regular file");
}

}  // namespace vellumark

#include "data/FileStatus.h"

#include "data/Errors.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace vellumark {

namespace fs = std::filesystem;

FileError::FileError(int code, std::string path)
    : std::runtime_error(FileErrorMessage(code, path)), code_(code), path_(std::move(path)) {}

int FileErrorCode(const std::error_code& error, const std::string& path) {
    if (error == std::errc::no_such_file_or_directory) {
        std::error_code parentError;
        const fs::path parent = fs::path(path).parent_path();
        if (parent.empty() || fs::is_directory(parent, parentError)) return kFileNotFound;
        return kPathNotFound;
    }
    if (error == std::errc::not_a_directory) return kPathNotFound;
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return kPermissionDenied;
    return kAccessError;
}

int QueryAttributes(const std::string& path) {
    std::error_code error;
    static_cast<void>(fs::status(path, error));
    return error ? FileErrorCode(error, path) : 0;
}

std::string FileErrorMessage(int code, const std::string& path) {
    if (code == kFileNotFound || code == kPathNotFound) return path + " was not found.";
    return "Error # " + std::to_string(code) + " trying to open file " + path;
}

int LastErrorCode(const std::string& path) {
    const int saved = errno;
    if (saved == 0) return kAccessError;
    return FileErrorCode(std::error_code(saved, std::generic_category()), path);
}

namespace {

template <typename Buffer>
Buffer ReadAll(const std::string& path) {
    errno = 0;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) throw FileError(LastErrorCode(path), path);
    const std::streamoff size = in.tellg();
    Buffer bytes(size > 0 ? static_cast<std::size_t>(size) : 0, 0);
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        throw FileError(kAccessError, path);
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    return ReadAll<std::vector<std::uint8_t>>(path);
}

std::string ReadWholeText(const std::string& path) { return ReadAll<std::string>(path); }

std::string JoinPath(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).string();
}

}  // namespace vellumark

#include "data/FileReading.h"

#include "data/FileErrors.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumark {

namespace {

/// Closes the descriptor when the read ends, however it ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

template <typename Buffer>
Buffer ReadAll(const std::string& path, std::size_t maximum) {
    // O_NONBLOCK: opening a named pipe must not wait for a writer.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) throw SystemFileError(errno, path);
    struct stat status {};
    if (::fstat(file.fd, &status) != 0) throw SystemFileError(errno, path, "read file");
    if (!S_ISREG(status.st_mode)) {
        throw FileError(
            kAccessError, path, "open file",
            S_ISDIR(status.st_mode) ? "it is a folder, not a file" : "it is not a regular file");
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    if (size > maximum) {
        throw FileError(kAccessError, path, "read file",
                        "it is " + std::to_string(size) + " bytes, more than a data file can be");
    }
    Buffer bytes(size, 0);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(file.fd, bytes.data() + done, size - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw SystemFileError(errno, path, "read file");
        if (got == 0) break;  // the file shrank while it was read
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::string& path, std::size_t maximum) {
    return ReadAll<std::vector<std::uint8_t>>(path, maximum);
}

std::string ReadWholeText(const std::string& path, std::size_t maximum) {
    return ReadAll<std::string>(path, maximum);
}

}  // namespace vellumark

#include "data/FileReading.h"

#include "data/FileErrors.h"
#include "data/LargeArrays.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/mman.h>
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

std::atomic<FileAccess> gAccess{FileAccess::Copied};

/// Files smaller than this are copied whatever the choice: a mapping costs
/// more than the copy of a few pages.
constexpr std::size_t kSmallestMapped = std::size_t{64} << 10;

}  // namespace

void SetFileAccess(FileAccess access) { gAccess.store(access, std::memory_order_relaxed); }

void FileBytesFree::operator()(std::uint8_t* bytes) const {
    if (mapped != 0) {
        ::munmap(bytes, mapped);
    } else {
        std::free(bytes);
    }
}

FileContent::Bytes FileContent::Allocate(std::size_t size) {
    // The text files are megabytes: in huge pages they cost a few page faults
    // rather than thousands, which is most of a search that writes many hits.
    return Bytes(static_cast<std::uint8_t*>(AllocateLarge(size)));
}

FileContent ReadWholeFile(const std::string& path, std::size_t maximum) {
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
    if (size >= kSmallestMapped && gAccess.load(std::memory_order_relaxed) == FileAccess::Mapped) {
        void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file.fd, 0);
        if (mapped != MAP_FAILED) {
            return FileContent(
                FileContent::Bytes(static_cast<std::uint8_t*>(mapped), FileBytesFree{size}), size);
        }
        // A file system that cannot map is read as any other.
    }
    FileContent::Bytes bytes = FileContent::Allocate(size);
    if (!bytes) throw FileError(kAccessError, path, "read file", "not enough memory");
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(file.fd, bytes.get() + done, size - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw SystemFileError(errno, path, "read file");
        if (got == 0) break;  // the file shrank while it was read
        done += static_cast<std::size_t>(got);
    }
    return FileContent(std::move(bytes), done);
}

}  // namespace vellumark

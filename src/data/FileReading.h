#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vellumark {

/// The largest file the readers load: far above every data file (the whole
/// Bible's record files are under 2 MB, its texts under 10 MB).
inline constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

/// How ReadWholeFile brings a file in. Copied: into memory of the program's
/// own, whatever later happens to the file. Mapped: the file's pages are
/// mapped as they stand in the page cache, without a copy or fresh pages,
/// which is most of what a one-off search costs; but a file that another
/// program shortens while it is mapped ends the process (SIGBUS). So only a
/// short-lived process (the command line) maps; the window, which keeps its
/// texts for hours, copies.
enum class FileAccess { Copied, Mapped };
/// The process's choice, Copied until set; set it before any file is read.
void SetFileAccess(FileAccess access);

/// Frees what FileContent holds: an allocation, or a mapping of `mapped` bytes.
struct FileBytesFree {
    std::size_t mapped = 0;
    void operator()(std::uint8_t* bytes) const;
};

/// The bytes of a whole file, held as read (never cleared first: the data
/// files are megabytes, and a search reads them once) or mapped.
class FileContent {
public:
    using Bytes = std::unique_ptr<std::uint8_t[], FileBytesFree>;

    FileContent() = default;
    FileContent(Bytes bytes, std::size_t size) : bytes_(std::move(bytes)), size_(size) {}
    /// Room for `size` bytes, not cleared.
    static Bytes Allocate(std::size_t size);

    const std::uint8_t* data() const { return bytes_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::string_view text() const { return {reinterpret_cast<const char*>(bytes_.get()), size_}; }

private:
    Bytes bytes_;
    std::size_t size_ = 0;
};

/// Reads (or maps, see FileAccess) a whole regular file (links are followed). A folder, a pipe or
/// any other kind of file, a file larger than `maximum` bytes and every read failure are FileErrors
/// naming the path. A named pipe is never waited on.
FileContent ReadWholeFile(const std::string& path, std::size_t maximum = kMaxFileBytes);

}  // namespace vellumark

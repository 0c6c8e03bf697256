#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace vellumark {

/// A file written under a temporary name beside its target that takes the
/// target's place only on commit(), so a failure never leaves a half-written
/// file where a good one was. Every writer gets a temporary file of its own,
/// created exclusively (".<target name>.XXXXXX", never through an existing path
/// or link): two programs writing one target each commit a complete file, and
/// the last rename wins. A replaced file keeps its permission bits; a file
/// with further hard links is replaced by a new one (the other names keep the
/// old content).
class AtomicFile {
public:
    /// What a symbolic link at the target path becomes. Replace: a file of its
    /// own (the program's own folders, where a planted link must not lead a
    /// write elsewhere). Follow: the link stays and the file it leads to is
    /// replaced; a named pipe, a device or anything under /dev (as
    /// /dev/stdout) is then written directly, with no temporary file, and
    /// nothing is ever created, replaced or removed under /dev.
    enum class Links { Replace, Follow };

    /// The bytes a temporary name adds to the target's file name; a longer
    /// name is cut in its temporary name, which then still fits.
    static constexpr std::size_t kTemporaryNameExtra = 8;
    /// The longest file name the file systems of this platform hold.
    static constexpr std::size_t kMaxFileName = 255;

    /// True when `fileName` and its whole temporary name both fit the
    /// file-name limit: the rule for report names.
    static bool NameFits(std::string_view fileName) {
        return fileName.size() + kTemporaryNameExtra <= kMaxFileName;
    }

    /// Throws FileError, naming `targetPath`.
    explicit AtomicFile(std::string targetPath, Links links = Links::Replace);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    /// Writes `text` and CR LF.
    void line(std::string_view text);
    void write(std::string_view bytes) {
        // Most writes are a few bytes into the buffer: inline, without a call.
        if (used_ + bytes.size() <= kBufferBytes && bytes.size() < kBufferBytes) {
            std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
            used_ += bytes.size();
        } else {
            writeOut(bytes);
        }
    }
    /// Room for up to `bytes` bytes, written in place through the pointer and
    /// then given to the file by written(the end of what was written), with
    /// no other write between: a text put together piece by piece is not
    /// copied once more.
    char* room(std::size_t bytes);
    void written(const char* end);
    /// Writes out, syncs and closes the file and renames it over the target.
    /// Throws FileError naming the target and the system's reason.
    void commit();

    /// Removes the temporary files of every AtomicFile not yet committed;
    /// safe to call from a signal handler that then ends the program.
    static void RemoveTemporaries() noexcept;

private:
    static constexpr std::size_t kBufferBytes = 1 << 20;

    void writeOut(std::string_view bytes);
    void writeAll(std::string_view bytes);
    void flush();
    void openTemporary(const std::string& path);

    std::string target_;
    std::string renameTo_;  ///< the target, or the file its links lead to
    std::string temporary_;
    int fd_ = -1;
    std::unique_ptr<char[]> buffer_;  ///< kBufferBytes, of which used_ are taken
    std::size_t used_ = 0;
    std::unique_ptr<char[]> spill_;  ///< the room asked for when larger than the buffer
    bool committed_ = false;
    bool direct_ = false;  ///< writing the target itself: a pipe or a device
};

}  // namespace vellumark

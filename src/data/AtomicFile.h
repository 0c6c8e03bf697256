#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vellumark {

/// A file written under a temporary name beside its target that takes the
/// target's place only on commit(), so a failure never leaves a half-written
/// file where a good one was. Every writer gets a temporary file of its own,
/// created exclusively (".<target name>.XXXXXX", never through an existing path
/// or link): two programs writing one target each commit a complete file, and
/// the last rename wins.
class AtomicFile {
public:
    /// The bytes the temporary name adds to the target's file name.
    static constexpr std::size_t kTemporaryNameExtra = 8;
    /// The longest file name the file systems of this platform hold.
    static constexpr std::size_t kMaxFileName = 255;

    /// True when `fileName` and its temporary name both fit the file-name limit.
    static bool NameFits(std::string_view fileName) {
        return fileName.size() + kTemporaryNameExtra <= kMaxFileName;
    }

    explicit AtomicFile(std::string targetPath);  ///< throws FileError
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    /// Writes `text` and CR LF.
    void line(std::string_view text);
    void write(std::string_view bytes);
    /// Writes out, syncs and closes the file and renames it over the target.
    /// Throws FileError naming the target and the system's reason.
    void commit();

private:
    void flush();

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    std::string buffer_;
    bool committed_ = false;
};

}  // namespace vellumark

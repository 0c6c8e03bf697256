#include "data/AtomicFile.h"

#include "data/FileErrors.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumark {

namespace {

/// The temporaries not yet committed, for RemoveTemporaries(): a signal handler
/// may read them at any moment, so they are plain pointers set atomically.
std::array<std::atomic<const char*>, 16> gTemporaries{};

void Register(const char* path) {
    for (auto& slot : gTemporaries) {
        const char* empty = nullptr;
        if (slot.compare_exchange_strong(empty, path)) return;
    }
}

void Unregister(const char* path) {
    for (auto& slot : gTemporaries) {
        const char* expected = path;
        if (slot.compare_exchange_strong(expected, nullptr)) return;
    }
}

std::string RandomSuffix(std::mt19937_64& random) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix(6, ' ');
    for (char& c : suffix) c = kLetters[random() % (sizeof kLetters - 1)];
    return suffix;
}

/// `name` cut to at most `bytes`, never inside a UTF-8 character.
std::string CutName(const std::string& name, std::size_t bytes) {
    if (name.size() <= bytes) return name;
    while (bytes > 0 && (static_cast<unsigned char>(name[bytes]) & 0xC0) == 0x80) --bytes;
    return name.substr(0, bytes);
}

/// True for the device nodes and the kernel's own files; /dev/shm is a folder
/// for ordinary files in memory, as /tmp.
bool UnderDevices(const std::filesystem::path& path) {
    const std::string text = std::filesystem::absolute(path).lexically_normal().string();
    return (text.starts_with("/dev/") && !text.starts_with("/dev/shm/")) ||
           text.starts_with("/proc/");
}

[[noreturn]] void Refuse(const std::string& target, const std::string& reason) {
    throw FileError(kAccessError, target, "create file", reason);
}

}  // namespace

AtomicFile::AtomicFile(std::string targetPath, Links links) : target_(std::move(targetPath)) {
    namespace fs = std::filesystem;
    fs::path path(target_);
    struct stat status {};
    bool exists = ::lstat(path.c_str(), &status) == 0;
    if (path.filename().empty() && !(exists && S_ISDIR(status.st_mode)))
        Refuse(target_, "a name ending in / is a folder's, not a file's");
    // A chain of links is followed to the file it ends at; /dev/stdout and its
    // like are opened as they are (their links are the kernel's own).
    for (int hop = 0; links == Links::Follow && exists && S_ISLNK(status.st_mode); ++hop) {
        if (hop == 40 || UnderDevices(path)) break;
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error) throw SystemFileError(error.value(), target_, "create file");
        path = next.is_absolute() ? next : path.parent_path() / next;
        exists = ::lstat(path.c_str(), &status) == 0;
    }
    if (exists && S_ISLNK(status.st_mode) && links == Links::Follow) {
        exists = ::stat(path.c_str(), &status) == 0;
    }
    if (exists && S_ISDIR(status.st_mode)) Refuse(target_, "it is a folder, not a file");
    const bool devices = UnderDevices(path);
    if (links == Links::Follow && exists &&
        (devices || !(S_ISREG(status.st_mode) || S_ISLNK(status.st_mode)))) {
        // Written as it is: a pipe or a device cannot be renamed over.
        direct_ = true;
        do {
            fd_ = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC |
                                           (S_ISREG(status.st_mode) ? O_APPEND : 0));
        } while (fd_ < 0 && errno == EINTR);
        if (fd_ < 0) throw SystemFileError(errno, target_, "create file");
        buffer_ = std::make_unique_for_overwrite<char[]>(kBufferBytes);
        return;
    }
    if (devices && links == Links::Follow)
        Refuse(target_, "nothing is created or replaced under /dev");
    openTemporary(path.string());
    // A replaced file keeps who may read and write it.
    if (exists && S_ISREG(status.st_mode)) ::fchmod(fd_, status.st_mode & 07777);
    buffer_ = std::make_unique_for_overwrite<char[]>(kBufferBytes);
}

void AtomicFile::openTemporary(const std::string& path) {
    const std::filesystem::path target(path);
    renameTo_ = path;
    const std::string folder = target.parent_path().string();
    // ".<name>.XXXXXX", the name cut where the whole would not fit a file name.
    const std::string name = CutName(target.filename().string(), kMaxFileName - 8);
    const std::string prefix = (folder.empty() ? std::string() : folder + "/") + "." + name + ".";
    std::mt19937_64 random(std::random_device{}() ^ static_cast<std::uint64_t>(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary_ = prefix + RandomSuffix(random);
        // Known before it exists: a signal that ends the program just after the
        // file is made still removes it.
        Register(temporary_.c_str());
        fd_ =
            ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ >= 0) return;
        const int error = errno;
        Unregister(temporary_.c_str());
        if (error != EEXIST) throw SystemFileError(error, target_, "create file");
    }
    throw FileError(kAccessError, target_, "create file", "no free temporary name");
}

AtomicFile::~AtomicFile() {
    if (committed_) return;
    if (fd_ >= 0) ::close(fd_);
    if (direct_) return;
    Unregister(temporary_.c_str());
    ::unlink(temporary_.c_str());
}

void AtomicFile::RemoveTemporaries() noexcept {
    for (auto& slot : gTemporaries)
        if (const char* path = slot.load()) ::unlink(path);
}

void AtomicFile::line(std::string_view text) {
    write(text);
    write("\r\n");
}

void AtomicFile::writeOut(std::string_view bytes) {
    if (used_ + bytes.size() > kBufferBytes) flush();
    if (bytes.size() >= kBufferBytes) {
        writeAll(bytes);  // as it is, without a copy into the buffer
        return;
    }
    std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
}

char* AtomicFile::room(std::size_t bytes) {
    if (used_ + bytes > kBufferBytes) flush();
    if (bytes <= kBufferBytes) return buffer_.get() + used_;
    spill_ = std::make_unique_for_overwrite<char[]>(bytes);
    return spill_.get();
}

void AtomicFile::written(const char* end) {
    if (spill_) {
        const std::unique_ptr<char[]> spilled = std::move(spill_);
        writeAll({spilled.get(), static_cast<std::size_t>(end - spilled.get())});
    } else {
        used_ = static_cast<std::size_t>(end - buffer_.get());
    }
}

void AtomicFile::writeAll(std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote < 0) throw SystemFileError(errno, target_, "write file");
        done += static_cast<std::size_t>(wrote);
    }
}

void AtomicFile::flush() {
    writeAll({buffer_.get(), used_});
    used_ = 0;
}

void AtomicFile::commit() {
    flush();
    if (!direct_ && ::fsync(fd_) != 0) throw SystemFileError(errno, target_, "write file");
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw SystemFileError(errno, target_, "write file");
    if (!direct_ && std::rename(temporary_.c_str(), renameTo_.c_str()) != 0)
        throw SystemFileError(errno, target_, "replace file");
    committed_ = true;
    if (!direct_) Unregister(temporary_.c_str());
}

}  // namespace vellumark

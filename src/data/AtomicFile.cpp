#include "data/AtomicFile.h"

#include "data/FileErrors.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace vellumark {

namespace {

constexpr std::size_t kBufferBytes = 1 << 16;

std::string RandomSuffix(std::mt19937_64& random) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix(6, ' ');
    for (char& c : suffix) c = kLetters[random() % (sizeof kLetters - 1)];
    return suffix;
}

}  // namespace

AtomicFile::AtomicFile(std::string targetPath) : target_(std::move(targetPath)) {
    const std::filesystem::path target(target_);
    const std::string folder = target.parent_path().string();
    const std::string prefix =
        (folder.empty() ? std::string() : folder + "/") + "." + target.filename().string() + ".";
    std::mt19937_64 random(std::random_device{}() ^ static_cast<std::uint64_t>(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary_ = prefix + RandomSuffix(random);
        fd_ =
            ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ >= 0) break;
        if (errno != EEXIST) throw SystemFileError(errno, target_, "create file");
    }
    if (fd_ < 0) throw FileError(kAccessError, target_, "create file", "no free temporary name");
    buffer_.reserve(kBufferBytes);
}

AtomicFile::~AtomicFile() {
    if (committed_) return;
    if (fd_ >= 0) ::close(fd_);
    ::unlink(temporary_.c_str());
}

void AtomicFile::line(std::string_view text) {
    write(text);
    write("\r\n");
}

void AtomicFile::write(std::string_view bytes) {
    if (buffer_.size() + bytes.size() > kBufferBytes) flush();
    if (bytes.size() >= kBufferBytes) {
        buffer_.assign(bytes);
        flush();
        return;
    }
    buffer_.append(bytes);
}

void AtomicFile::flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t wrote = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote < 0) throw SystemFileError(errno, target_, "write file");
        done += static_cast<std::size_t>(wrote);
    }
    buffer_.clear();
}

void AtomicFile::commit() {
    flush();
    if (::fsync(fd_) != 0) throw SystemFileError(errno, target_, "write file");
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw SystemFileError(errno, target_, "write file");
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
        throw SystemFileError(errno, target_, "replace file");
    committed_ = true;
}

}  // namespace vellumark

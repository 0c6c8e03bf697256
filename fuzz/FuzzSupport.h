// What the file-reading fuzz targets share: one scratch program folder per
// process, files rewritten per input, and a check that stops the run with the
// input's size when an invariant breaks.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzing {

inline void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

/// The program folder of this process, with empty Data and Report folders,
/// made once in the user's runtime folder (memory-backed) where there is one,
/// else in /tmp: the program writes nothing under /dev, so not in /dev/shm.
inline const std::string& AppFolder() {
    static const std::string folder = [] {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        const char* base =
            runtime && *runtime && std::filesystem::is_directory(runtime) ? runtime : "/tmp";
        std::string pattern = std::string(base) + "/vellumark-fuzz.XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        std::filesystem::create_directory(pattern + "/Data");
        std::filesystem::create_directory(pattern + "/Report");
        return pattern;
    }();
    return folder;
}

inline void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::abort();
    }
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

/// The file names in `folder`, sorted.
inline std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

/// Empties `folder` without removing it.
inline void ClearFolder(const std::string& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::remove_all(entry.path());
}

/// Takes bytes off the front of the input: numbers and pieces for the call
/// under test, the rest for the file.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t byte() {
        if (rest_.empty()) return 0;
        const auto value = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return value;
    }
    std::int16_t int16() {
        const int high = byte();
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(high << 8 | byte()));
    }
    /// The text up to the next NUL byte (at most `limit` bytes), and the NUL.
    std::string text(std::size_t limit) {
        const std::size_t end = std::min(rest_.find('\0'), std::min(limit, rest_.size()));
        std::string piece(rest_.substr(0, end));
        rest_.remove_prefix(std::min(end + 1, rest_.size()));
        return piece;
    }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

}  // namespace fuzzing

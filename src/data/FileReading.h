#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vellumark {

/// The largest file the readers load: far above every data file (the whole
/// Bible's record files are under 2 MB, its texts under 10 MB).
inline constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

/// Reads a whole regular file (links are followed). A folder, a pipe or any
/// other kind of file, a file larger than `maximum` bytes and every read
/// failure are FileErrors naming the path. A named pipe is never waited on.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path,
                                        std::size_t maximum = kMaxFileBytes);
std::string ReadWholeText(const std::string& path, std::size_t maximum = kMaxFileBytes);

}  // namespace vellumark

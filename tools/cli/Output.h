#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace vellumark {
class AtomicFile;
}

namespace vellumark::cli {

/// Where an export goes: standard output, or a file that takes the place of an
/// earlier one only on commit().
class Output {
public:
    /// "-" is standard output; anything else a file path (throws FileError).
    explicit Output(const std::string& target);
    ~Output();

    void write(std::string_view bytes);
    /// Flushes standard output, or puts the file in place.
    void commit();

private:
    std::unique_ptr<AtomicFile> file_;
    std::string buffer_;
};

/// Writes `bytes` to standard output and flushes it; throws FileError
/// ("standard output ...: No space left on device") when that fails.
void WriteOut(std::string_view bytes);

}  // namespace vellumark::cli

#pragma once

#include <fstream>
#include <string>
#include <string_view>

namespace vellumark {

/// A file written line by line, every line ended by CR LF. It is written under
/// a temporary name beside its target and takes the target's place only on
/// commit(), so a failure never leaves a half-written file where a good one was.
class OutputFile {
public:
    /// Writes under `temporaryPath`, by default the target's path with ".part".
    explicit OutputFile(std::string targetPath,
                        std::string temporaryPath = {});  ///< throws FileError
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void line(std::string_view text);
    void write(std::string_view bytes);
    /// Closes the file and renames it over the target. Throws FileError.
    void commit();

    const std::string& targetPath() const { return target_; }

private:
    std::string target_;
    std::string temporary_;
    std::ofstream out_;
    bool committed_ = false;
};

}  // namespace vellumark

#pragma once

#include "data/AppPaths.h"
#include "search/SearchData.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>

namespace vellumark {

/// The search data of one program folder and reading, read once and kept while
/// the data files stay as they were: before each use the size and modification
/// time of every data file are compared with those it was read with, and a
/// changed file has the data read again.
class SearchDataCache {
public:
    explicit SearchDataCache(std::string appPath, Reading reading = Reading::Written)
        : appPath_(std::move(appPath)), reading_(reading) {}

    /// The data as the files are now (FileError, DataError as SearchData
    /// throws them; the data kept before stays until a read succeeds).
    std::shared_ptr<const SearchData> get();

private:
    /// A file's size and modification time; both zero when it is missing.
    struct Stamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type written{};
        bool operator==(const Stamp&) const = default;
    };
    using Stamps = std::array<Stamp, kDataFiles.size()>;
    Stamps stamps() const;

    std::string appPath_;
    Reading reading_;
    std::shared_ptr<const SearchData> data_;
    Stamps read_{};
};

}  // namespace vellumark

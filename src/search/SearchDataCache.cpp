#include "search/SearchDataCache.h"

#include <string_view>

namespace vellumark {

SearchDataCache::Stamps SearchDataCache::stamps() const {
    Stamps stamps;
    for (std::size_t f = 0; f < kDataFiles.size(); ++f) {
        // The English file is the one of Data for either reading.
        const std::filesystem::path path = std::string_view(kDataFiles[f]) == kEnglishFile
                                               ? DataPath(appPath_, kDataFiles[f])
                                               : TextPath(appPath_, reading_, kDataFiles[f]);
        std::error_code missing;
        stamps[f].size = std::filesystem::file_size(path, missing);
        if (missing) {
            stamps[f] = {};
            continue;
        }
        stamps[f].written = std::filesystem::last_write_time(path, missing);
    }
    return stamps;
}

std::shared_ptr<const SearchData> SearchDataCache::get() {
    const Stamps now = stamps();
    if (!data_ || now != read_) {
        data_ = std::make_shared<const SearchData>(appPath_, std::nullopt, reading_);
        read_ = now;
    }
    return data_;
}

}  // namespace vellumark

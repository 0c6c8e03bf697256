#pragma once

#include "search/Searches.h"

#include <functional>
#include <string>

namespace vellumark::cli {

/// Runs the searches of one command line over one program folder. Each search
/// reads the record files itself today; once the core can load them once
/// (SearchData), this class holds them and run() passes them on: the only place
/// that changes.
class SearchLoop {
public:
    explicit SearchLoop(std::string appPath);

    SearchResult run(const SearchRequest& request, HitSink& sink, SearchObserver& observer);

private:
    std::string appPath_;
};

}  // namespace vellumark::cli

#include "cli/SearchLoop.h"

namespace vellumark::cli {

SearchLoop::SearchLoop(std::string appPath) : appPath_(std::move(appPath)) {}

SearchResult SearchLoop::run(const SearchRequest& request, HitSink& sink,
                             SearchObserver& observer) {
    return RunSearch(request, sink, observer);
}

}  // namespace vellumark::cli

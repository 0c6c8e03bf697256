#pragma once

#include "search/Hit.h"
#include "search/SearchData.h"
#include "search/SearchObserver.h"
#include "search/Searches.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace vellumark {

/// Called before each value of a batch with the request of that value; false
/// stops the batch there.
using NextValue = std::function<bool(const SearchRequest&)>;

/// Runs the search of `request` once for each of `values`, in their order,
/// and hands `sink` what RunSearch(request, data, sink, observer) would for
/// each value in turn: begin, the value's hits in file order, finish (a value
/// given twice has its hits twice). The word, phrase and verse searches find
/// the hits of every value in one pass over the data, looking each word's,
/// phrase's or verse's value up among the values wanted; the verse runs,
/// which yield to the observer once per start verse, and All methods run
/// value by value.
/// Returns the number of hits handed on.
long RunSearchBatch(const SearchRequest& request, const std::vector<std::int32_t>& values,
                    const SearchData& data, HitSink& sink, SearchObserver& observer,
                    const NextValue& next);

}  // namespace vellumark

#pragma once

#include "search/Hit.h"
#include "search/SearchObserver.h"

#include <cstdint>

namespace vellumark {

class RecordFiles;

/// The scans of the four searches: each reads the record files from their
/// start and hands its hits to the sink in file order.
void MatchSingleLine(RecordFiles& data, std::int32_t intValue, std::int16_t intSearchType,
                     HitSink& sink);
/// Yields to the window once per start verse; returns true when Kill Process
/// stopped it.
bool MatchMultipleLine(RecordFiles& data, std::int32_t intValue, std::int16_t intSearchType,
                       HitSink& sink, SearchObserver& observer);
void MatchSingleWord(RecordFiles& data, std::int32_t intValue, HitSink& sink);
void MatchMultipleWord(RecordFiles& data, std::int32_t intValue, HitSink& sink);

}  // namespace vellumark

#pragma once

#include <string>
#include <vector>

namespace databuilder {

/// What a build did, for the command's report and the tests.
struct BuildSummary {
    int verses = 0;
    /// KJV verses of the Old Testament that no Hebrew verse's English holds.
    std::vector<std::string> lostKjvVerses;
};

/// Reads `sourcesDir`/morphhb/<Book>.xml, morphhb/VerseMap.xml and kjv.xml and
/// writes LineData.dat, WordMatrix.dat, Hebrew.txt and EnglishOT.html into
/// `dataDir`. Each file is written under a temporary name and renamed only when
/// all four are complete. Throws BuildError.
BuildSummary BuildData(const std::string& sourcesDir, const std::string& dataDir);

}  // namespace databuilder

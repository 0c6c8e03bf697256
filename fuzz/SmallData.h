// The data files of Genesis 1:1-3 for the fuzz targets that search: words
// (1, 2), (3, (4, 5)) and (2), so the values 2, 3 and 7 each find something.
#pragma once

#include "data/VerseRecordFile.h"
#include "data/WordRecordFile.h"

#include <array>
#include <string>

namespace fuzzing {

/// The four good data files, in the order of vellumark::kDataFiles.
inline std::array<std::string, 4> SmallData() {
    struct Verse {
        int verse;
        std::array<int, 4> fields;  // words and pairs as WordMatrix.dat holds them
        int count;
        int gematria;
        int alternate;
    };
    constexpr std::array<Verse, 3> kVerses = {
        {{1, {1, 2}, 2, 3, 3}, {2, {3, -4, 5}, 2, 7, 8}, {3, {2}, 1, 2, 2}}};
    std::array<std::string, 4> files;
    for (const Verse& v : kVerses) {
        files[0] += vellumark::EncodeVerseRecord(
            {1, 1, v.verse, v.count, 2 * v.count, v.gematria, v.alternate});
        for (int field : {0, 1, 1, v.verse}) files[1] += vellumark::EncodeWordField(field);
        for (int field : v.fields)
            if (field != 0) files[1] += vellumark::EncodeWordField(field);
        const std::string key = "Gen 1:" + std::to_string(v.verse);
        files[2] += key + (v.count == 1 ? " W1" : " W1 W2") + "\r\n";
        files[3] += "<P>" + key + "<a name=x" + std::to_string(v.verse) + ">Text\r\n";
    }
    return files;
}

}  // namespace fuzzing

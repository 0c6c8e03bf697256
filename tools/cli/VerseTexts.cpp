#include "cli/VerseTexts.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/Errors.h"
#include "data/TextInput.h"

namespace vellumark::cli {

namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

/// «Gen 1:1»: the verse reference that both files' keys hold.
std::string Reference(const VerseId& id) {
    return GetBookAbbrev(id.book) + std::to_string(id.chapter) + ":" + std::to_string(id.verse);
}

}  // namespace

VerseTexts::VerseTexts(const std::string& appPath)
    : hebrewFile_(DataPath(appPath, kHebrewFile)), englishFile_(DataPath(appPath, kEnglishFile)) {
    std::string_view line;
    // «Gen 1:1 בראשית ...»: the reference ends at the first space after its colon.
    while (hebrewFile_.readLine(line)) {
        const std::size_t colon = line.find(':');
        const std::size_t space = colon == std::string_view::npos ? colon : line.find(' ', colon);
        if (space == std::string_view::npos) continue;
        hebrew_.reference.push_back(line.substr(0, space));
        hebrew_.text.push_back(Trimmed(line.substr(space)));
    }
    // «<P>Gen 1:1<wbr  id=1> In the beginning...»: the reference ends at the
    // "<" after its colon; the text follows the second ">".
    while (englishFile_.readLine(line)) {
        if (!StartsWithNoCase(line, "<P>")) continue;
        const std::size_t colon = line.find(':');
        const std::size_t lt = colon == std::string_view::npos ? colon : line.find('<', colon);
        const std::size_t p1 = line.find('>');
        const std::size_t p2 = p1 == std::string_view::npos ? p1 : line.find('>', p1 + 1);
        if (lt == std::string_view::npos || p2 == std::string_view::npos || p2 < lt) {
            throw DataError(englishFile_.path() + ", line " +
                            std::to_string(englishFile_.lineNumber()) +
                            ": the verse line has no anchor closed by \">\"." + kRebuildHint);
        }
        english_.reference.push_back(line.substr(3, lt - 3));
        english_.text.push_back(line.substr(p2 + 1));
    }
}

std::string_view VerseTexts::find(Lines& lines, const TextStream& file, const VerseId& id,
                                  int further) {
    const std::string reference = Reference(id);
    const std::size_t count = lines.reference.size();
    std::size_t index = count;
    for (std::size_t n = 0; n < count; ++n) {
        const std::size_t at = lines.last + n < count ? lines.last + n : lines.last + n - count;
        if (lines.reference[at] == reference) {
            index = at;
            break;
        }
    }
    if (index == count) {
        throw DataError(file.path() + ": " + VerseName(id.book, id.chapter, id.verse) +
                        " was not found." + kRebuildHint);
    }
    lines.last = index;
    index += static_cast<std::size_t>(further);
    if (index >= count) {
        throw DataError(file.path() + ": the file ends inside the run from " +
                        VerseName(id.book, id.chapter, id.verse) + "." + kRebuildHint);
    }
    return lines.text[index];
}

std::string_view VerseTexts::hebrew(const VerseId& id, int further) {
    return find(hebrew_, hebrewFile_, id, further);
}

std::string_view VerseTexts::english(const VerseId& id, int further) {
    return find(english_, englishFile_, id, further);
}

}  // namespace vellumark::cli

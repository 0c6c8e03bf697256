#pragma once

#include "data/AppPaths.h"
#include "data/EnglishLookup.h"
#include "data/VerseRecordFile.h"

#include <memory>
#include <string>
#include <string_view>

namespace vellumark {

/// The verse texts of a program folder, Hebrew.txt and EnglishOT.html, each
/// read once and indexed by verse for any number of look-ups, in any order.
/// The HTML report, the rows of a search and the windows take their texts here.
///
/// A verse's line in Hebrew.txt is the line that begins with its key
/// («Gen 1:1 », letter case significant); in EnglishOT.html the line that
/// begins with its English key («<P>Gen 1:1<», letter case ignored). Where one
/// key begins several lines the first counts. The later verses of a run are
/// the lines that follow its first verse's line in each file, whatever they
/// hold, as the reports take them (`further` = 1, 2, ...).
///
/// Construction only checks that the two files are regular files (FileError).
/// Each file is read and indexed at its first look-up (FileError; DataError
/// for a line over 32,767 characters). A verse without a line, a run past a
/// file's end and a line that does not have the layout its use needs are
/// DataErrors naming the file and the verse. Look-ups are const, cheap (a hash
/// look-up; plain English is worked out once a line) and may run on several
/// threads at once. Views stay valid as long as the object.
class VerseTexts {
public:
    /// The Hebrew of `reading`; the English is the one of Data.
    explicit VerseTexts(const std::string& appPath, Reading reading = Reading::Written);
    ~VerseTexts();
    VerseTexts(const VerseTexts&) = delete;
    VerseTexts& operator=(const VerseTexts&) = delete;

    const std::string& hebrewPath() const;
    const std::string& englishPath() const;

    /// Asks the processor for the verse's Hebrew and English lines ahead of
    /// their use, so that their reads from memory overlap other work; reads
    /// the files as a look-up would.
    void prefetch(const VerseId& id) const;

    /// What the verse's Hebrew line holds after its key, as it stands: for
    /// «Gen 1:1 בראשית ברא» that is «בראשית ברא».
    std::string_view hebrewText(const VerseId& id) const;

    /// A later line of a run, cut as the report cuts it: `reference` is the
    /// text before the first space after the first ":" («Gen 1:2»), `text` the
    /// rest of the line from that space on (« והארץ היתה»).
    struct RunLine {
        std::string_view reference;
        std::string_view text;
    };
    RunLine hebrewRunLine(const VerseId& first, int further) const;

    /// The verse's Hebrew words as one text, blanks around removed; with
    /// `further`, those of that later line of a run.
    std::string_view hebrewWords(const VerseId& id, int further = 0) const;

    /// The verse's anchor number and English block (as LookUpEnglishVerse
    /// gives them); with `further`, those of that later line of a run.
    EnglishBlock english(const VerseId& id, int further = 0) const;

    /// The verse's English as plain text (PlainEnglish), with its "(KJV 31:55)"
    /// note where the KJV numbers the verse otherwise; with `further`, that of
    /// that later line of a run.
    std::string_view plainEnglish(const VerseId& id, int further = 0) const;

private:
    struct File;
    const File& hebrew() const;
    const File& englishFile() const;

    std::unique_ptr<File> hebrew_;
    std::unique_ptr<File> english_;
};

}  // namespace vellumark

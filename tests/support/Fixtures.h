#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

/// A fresh folder under the system's temporary folder, removed with its content.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& relative) const;

private:
    std::string path_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

/// Joins lines, each ended by CR LF.
std::string CrLf(const std::vector<std::string>& lines);

/// A verse of a small test Bible: its record values and its texts.
struct TestVerse {
    int book, chapter, verse;
    int words, letters, gematria, altGematria;
    std::string hebrew;   ///< the Hebrew text after the verse key
    std::string english;  ///< the English text after the anchor
};

/// Lays out a program folder: Data with LineData.dat, Hebrew.txt and
/// EnglishOT.html made from `verses` (anchors 1, 2, ... in order), a
/// WordMatrix.dat that agrees with the records unless `wordMatrix` is given,
/// and an empty Report folder.
void WriteAppFolder(const std::string& appPath, const std::vector<TestVerse>& verses,
                    const std::string& wordMatrix = {});

/// A verse given by its Hebrew words (letters U+05D0 to U+05EA, at least one a
/// word, single spaces between them).
struct HebrewTestVerse {
    int book, chapter, verse;
    std::string hebrew;
    std::string english;
};

/// Lays out a program folder as WriteAppFolder does, with records and word
/// blocks that agree with the Hebrew text as the data builder's do: each
/// word's standard and final-letter values, each verse's counts and sums.
void WriteHebrewAppFolder(const std::string& appPath, const std::vector<HebrewTestVerse>& verses);

/// The English verse line of the test files: «<P>Gen 1:1<a name=x7>Text»
/// with anchor 7 and the 8 skipped characters "a name=x".
std::string EnglishLine(int book, int chapter, int verse, int anchor, const std::string& text);

/// The start of every entry line, up to the anchor number.
inline const std::string kEntryLink = "<p><a href='..\\Data\\EnglishOT.html#";

/// The English block line of a report: «<blockquote><font color='blue'>E1</font></blockquote>».
std::string Block(const std::string& text);

/// A whole report: the head, `body`, and the tail ("</body></html>" as one line
/// when `oneLineTail`, else "</body>" and "</html>").
std::string Report(const std::vector<std::string>& body, bool oneLineTail = false);

/// The message of the error of type E that `run` throws, or "(no error)".
template <typename E, typename Run>
std::string ErrorText(Run&& run) {
    try {
        run();
    } catch (const E& error) {
        return error.what();
    }
    return "(no error)";
}

/// Encodes word fields: a verse block is {0, book, chapter, verse, words...}.
std::string WordFields(const std::vector<int>& fields);

}  // namespace testing_support

#include "support/Fixtures.h"

#include "data/Books.h"
#include "data/Gematria.h"
#include "data/VerseRecordFile.h"
#include "data/WordRecordFile.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include <stdlib.h>

namespace testing_support {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "vellumark-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code error;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path_, error);
}

std::string TempDir::file(const std::string& relative) const {
    return (fs::path(path_) / relative).string();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string CrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string EnglishLine(int book, int chapter, int verse, int anchor, const std::string& text) {
    return vellumark::EnglishVerseKey(static_cast<std::int16_t>(book),
                                      static_cast<std::int16_t>(chapter),
                                      static_cast<std::int16_t>(verse)) +
           "a name=x" + std::to_string(anchor) + ">" + text;
}

void WriteAppFolder(const std::string& appPath, const std::vector<TestVerse>& verses,
                    const std::string& wordMatrix) {
    std::string records;
    std::vector<std::string> hebrew;
    std::vector<std::string> english = {"<html>", "<body>", "<h2>Test</h2>"};
    int anchor = 0;
    for (const TestVerse& v : verses) {
        records += vellumark::EncodeVerseRecord(
            {v.book, v.chapter, v.verse, v.words, v.letters, v.gematria, v.altGematria});
        hebrew.push_back(vellumark::VerseKey(static_cast<std::int16_t>(v.book),
                                             static_cast<std::int16_t>(v.chapter),
                                             static_cast<std::int16_t>(v.verse)) +
                         v.hebrew);
        english.push_back(EnglishLine(v.book, v.chapter, v.verse, ++anchor, v.english));
    }
    english.push_back("</body></html>");
    std::string words = wordMatrix;
    if (words.empty()) {
        // A word block per verse, as many words of value 1 as its record counts.
        std::vector<int> fields;
        for (const TestVerse& v : verses) {
            fields.insert(fields.end(), {0, v.book, v.chapter, v.verse});
            fields.insert(fields.end(), static_cast<std::size_t>(v.words), 1);
        }
        words = WordFields(fields);
    }
    const fs::path data = fs::path(appPath) / "Data";
    WriteFile((data / "LineData.dat").string(), records);
    WriteFile((data / "WordMatrix.dat").string(), words);
    WriteFile((data / "Hebrew.txt").string(), CrLf(hebrew));
    WriteFile((data / "EnglishOT.html").string(), CrLf(english));
    fs::create_directories(fs::path(appPath) / "Report");
}

void WriteHebrewAppFolder(const std::string& appPath, const std::vector<HebrewTestVerse>& verses) {
    std::vector<TestVerse> records;
    std::vector<int> fields;
    for (const HebrewTestVerse& v : verses) {
        TestVerse record{v.book, v.chapter, v.verse, 0, 0, 0, 0, v.hebrew, v.english};
        fields.insert(fields.end(), {0, v.book, v.chapter, v.verse});
        for (std::size_t start = 0; start < v.hebrew.size();) {
            const std::size_t space = std::min(v.hebrew.find(' ', start), v.hebrew.size());
            const std::string_view word = std::string_view(v.hebrew).substr(start, space - start);
            const auto standard =
                static_cast<int>(vellumark::TextValue(word, vellumark::Method::Standard));
            const auto final =
                static_cast<int>(vellumark::TextValue(word, vellumark::Method::Final));
            if (standard != final) fields.push_back(-standard);
            fields.push_back(final);
            ++record.words;
            vellumark::ForEachLetter(word, [&](int) { ++record.letters; });
            record.gematria += standard;
            record.altGematria += final;
            start = space + 1;
        }
        records.push_back(record);
    }
    WriteAppFolder(appPath, records, WordFields(fields));
}

std::string Block(const std::string& text) {
    return "<blockquote><font color='blue'>" + text + "</font></blockquote>";
}

std::string Report(const std::vector<std::string>& body, bool oneLineTail) {
    std::vector<std::string> lines = {"<html>", "<head>", "</head>", "<body>"};
    lines.insert(lines.end(), body.begin(), body.end());
    if (oneLineTail)
        lines.push_back("</body></html>");
    else
        lines.insert(lines.end(), {"</body>", "</html>"});
    return CrLf(lines);
}

std::string WordFields(const std::vector<int>& fields) {
    std::string bytes;
    for (int field : fields) bytes += vellumark::EncodeWordField(field);
    return bytes;
}

}  // namespace testing_support

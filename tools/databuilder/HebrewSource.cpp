#include "databuilder/Sources.h"

#include "data/Gematria.h"

#include <pugixml.hpp>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace databuilder {

const std::array<std::string_view, 39> kOsisBooks = {
    "Gen",  "Exod",  "Lev",  "Num",  "Deut", "Josh", "Judg", "Ruth", "1Sam", "2Sam",
    "1Kgs", "2Kgs",  "1Chr", "2Chr", "Ezra", "Neh",  "Esth", "Job",  "Ps",   "Prov",
    "Eccl", "Song",  "Isa",  "Jer",  "Lam",  "Ezek", "Dan",  "Hos",  "Joel", "Amos",
    "Obad", "Jonah", "Mic",  "Nah",  "Hab",  "Zeph", "Hag",  "Zech", "Mal"};

std::string RefName(const Ref& ref) {
    const auto [book, chapter, verse] = ref;
    const std::string name = book >= 1 && book <= 39 ? std::string(kOsisBooks[book - 1])
                                                     : "book " + std::to_string(book);
    return name + " " + std::to_string(chapter) + ":" + std::to_string(verse);
}

Ref ParseOsisRef(const std::string& id) {
    std::string text = id.substr(0, id.find('!'));
    std::replace(text.begin(), text.end(), '.', ' ');
    std::istringstream in(text);
    std::string bookId;
    int chapter = 0;
    int verse = 0;
    in >> bookId >> chapter >> verse;
    const auto it = std::find(kOsisBooks.begin(), kOsisBooks.end(), bookId);
    const int book = it == kOsisBooks.end() ? 0 : static_cast<int>(it - kOsisBooks.begin()) + 1;
    return {book, chapter, verse};
}

Word MakeWord(std::string_view text) {
    const auto& standard = vellumark::LetterValues(vellumark::Method::Standard);
    const auto& final = vellumark::LetterValues(vellumark::Method::Final);
    Word word;
    vellumark::ForEachLetter(text, [&](int form) {
        word.letters += static_cast<char>(0xD7);
        word.letters += static_cast<char>(0x90 + form);
        word.gematria += standard[static_cast<std::size_t>(form)];
        word.altGematria += final[static_cast<std::size_t>(form)];
    });
    return word;
}

void LoadXml(pugi::xml_document& document, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw BuildError(path +
                         " cannot be read. The sources come with Debian's package bibledit-data "
                         "(apt-get install bibledit-data).");
    }
    const std::string content((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    const pugi::xml_parse_result result = document.load_buffer(
        content.data(), content.size(), pugi::parse_default | pugi::parse_ws_pcdata);
    if (!result) {
        const auto offset = static_cast<std::size_t>(result.offset);
        const long line =
            1 + std::count(
                    content.begin(),
                    content.begin() + static_cast<std::ptrdiff_t>(std::min(offset, content.size())),
                    '\n');
        throw BuildError(path + ", line " + std::to_string(line) + ": " + result.description());
    }
}

namespace {

std::string TextOf(const pugi::xml_node& node) {
    std::string text;
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += child.value();
        else if (child.type() == pugi::node_element && std::string_view(child.name()) != "note")
            text += TextOf(child);
    }
    return text;
}

/// A qere note: its words replace the written words its catch word names,
/// the last words read so far whose letters together are the catch word's
/// ("חרי יונים" for "חרייונים").
void ReadQere(const pugi::xml_node& note, const std::string& verse, const std::string& path,
              std::vector<Word>& read) {
    const pugi::xml_node reading = note.find_child_by_attribute("rdg", "type", "x-qere");
    if (!reading) return;
    const std::string catchWord = MakeWord(TextOf(note.child("catchWord"))).letters;
    std::string written;
    std::size_t first = read.size();
    while (written.size() < catchWord.size() && first > 0) written.insert(0, read[--first].letters);
    if (written != catchWord)
        throw BuildError(path + ", " + verse + ": the qere's catch word \"" +
                         TextOf(note.child("catchWord")) + "\" is not the written text before it.");
    read.resize(first);
    for (pugi::xml_node w : reading.children("w")) read.push_back(MakeWord(TextOf(w)));
}

void CollectVerses(const pugi::xml_node& node, int book, const std::string& path,
                   std::vector<HebrewVerse>& verses) {
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element) continue;
        if (std::string_view(child.name()) != "verse") {
            CollectVerses(child, book, path, verses);
            continue;
        }
        const std::string id = child.attribute("osisID").value();
        HebrewVerse verse{ParseOsisRef(id), {}};
        if (std::get<0>(verse.ref) != book)
            throw BuildError(path + ": the verse \"" + id + "\" is not of this book.");
        for (pugi::xml_node part : child.children()) {
            const std::string_view name = part.name();
            if (name == "w") {
                verse.words.push_back(MakeWord(TextOf(part)));
                verse.qere.push_back(verse.words.back());
            } else if (name == "note") {
                ReadQere(part, RefName(verse.ref), path, verse.qere);
            }
        }
        verses.push_back(std::move(verse));
    }
}

}  // namespace

std::vector<HebrewVerse> ReadHebrewBook(const std::string& path, int book) {
    pugi::xml_document document;
    LoadXml(document, path);
    std::vector<HebrewVerse> verses;
    CollectVerses(document, book, path, verses);
    return verses;
}

std::map<Ref, VerseMapEntry> ReadVerseMap(const std::string& path) {
    pugi::xml_document document;
    LoadXml(document, path);
    std::map<Ref, VerseMapEntry> map;
    for (pugi::xpath_node found : document.select_nodes("//*[local-name()='verse'][@wlc]")) {
        const pugi::xml_node node = found.node();
        const std::string wlc = node.attribute("wlc").value();
        VerseMapEntry& entry = map[ParseOsisRef(wlc)];
        entry.kjv.push_back(ParseOsisRef(node.attribute("kjv").value()));
        if (wlc.ends_with("!a"))
            entry.partA = true;
        else if (wlc.ends_with("!b"))
            entry.partB = true;
        else
            entry.whole = true;
    }
    return map;
}

}  // namespace databuilder

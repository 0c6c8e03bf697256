#include "databuilder/Sources.h"

#include <pugixml.hpp>

#include <cctype>
#include <string_view>

namespace databuilder {

namespace {

std::string Escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '#':
                out += "&#35;";
                break;
            case '\r':
            case '\n':
            case '\t':
                out += ' ';
                break;
            default:
                out += c;
        }
    }
    return out;
}

/// Walks the KJV in document order. Verses are milestones (<verse sID/> ...
/// <verse eID/>), so the text between them may lie at any depth.
class KjvWalker {
public:
    explicit KjvWalker(EnglishText& text) : text_(text) {}

    void walk(const pugi::xml_node& node, bool capitals = false) {
        for (pugi::xml_node child : node.children()) {
            if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
                if (current_) append(Escape(child.value()), capitals);
                continue;
            }
            if (child.type() != pugi::node_element) continue;
            const std::string_view name = child.name();
            if (name == "verse") {
                verse(child);
            } else if (name == "note" || name == "milestone" || name == "header") {
                continue;
            } else if (name == "title") {
                if (std::string_view(child.attribute("type").value()) == "psalm") psalmTitle(child);
            } else if (name == "chapter") {
                chapter_ = ParseOsisRef(std::string(child.attribute("osisID").value()) + ".0");
                walk(child, capitals);
            } else if (name == "transChange" && current_) {
                append("<i>", false);
                walk(child, capitals);
                append("</i>", false);
            } else {
                walk(child, capitals || name == "divineName");
            }
        }
    }

private:
    void verse(const pugi::xml_node& node) {
        if (const char* start = node.attribute("sID").value(); *start) {
            current_ = &text_.verses[ParseOsisRef(start)];
        } else if (*node.attribute("eID").value()) {
            current_ = nullptr;
        }
    }

    void psalmTitle(const pugi::xml_node& node) {
        std::string* saved = current_;
        std::string title;
        current_ = &title;
        walk(node);
        current_ = saved;
        text_.psalmTitles[{std::get<0>(chapter_), std::get<1>(chapter_)}] = title;
    }

    void append(const std::string& piece, bool capitals) {
        if (!capitals) {
            *current_ += piece;
            return;
        }
        for (char c : piece)
            *current_ += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }

    EnglishText& text_;
    std::string* current_ = nullptr;
    Ref chapter_{};
};

/// Folds runs of blanks into one and trims the ends.
std::string Tidy(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

}  // namespace

EnglishText ReadKjv(const std::string& path) {
    pugi::xml_document document;
    LoadXml(document, path);
    EnglishText text;
    KjvWalker(text).walk(document);
    for (auto& [ref, verse] : text.verses) verse = Tidy(verse);
    for (auto& [chapter, title] : text.psalmTitles) title = Tidy(title);
    return text;
}

}  // namespace databuilder

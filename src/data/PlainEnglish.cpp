#include "data/PlainEnglish.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace vellumark {

namespace {

/// The named entities of HTML 4 text that English texts use; numeric ones are
/// decoded whatever their number.
constexpr std::pair<std::string_view, std::string_view> kEntities[] = {
    {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", "\u00A0"}};

/// Appends `code` as UTF-8; a code that is no character gives U+FFFD.
void AppendUtf8(std::string& out, unsigned long code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

/// Decodes the entity at `text` ("&amp;..."); returns the bytes it took, 0 when
/// it is no entity.
std::size_t DecodeEntity(std::string_view text, std::string& out) {
    const std::size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos || semicolon < 2 || semicolon > 10) return 0;
    const std::string_view name = text.substr(1, semicolon - 1);
    if (name[0] == '#') {
        const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
        const std::string_view digits = name.substr(hex ? 2 : 1);
        unsigned long code = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
            return 0;
        AppendUtf8(out, code);
        return semicolon + 1;
    }
    for (const auto& [entity, decoded] : kEntities) {
        if (name == entity) {
            out += decoded;
            return semicolon + 1;
        }
    }
    return 0;
}

}  // namespace

std::string PlainEnglish(std::string_view html) {
    std::string plain;
    plain.reserve(html.size());
    // Blanks the text begins with are removed in the end: not copied.
    for (std::size_t i = std::min(html.find_first_not_of(" \t"), html.size()); i < html.size();) {
        // The text up to the next tag or entity, in one piece.
        std::size_t plainEnd = i;
        while (plainEnd < html.size() && html[plainEnd] != '<' && html[plainEnd] != '&') ++plainEnd;
        plain.append(html.substr(i, plainEnd - i));
        i = plainEnd;
        if (i == html.size()) break;
        if (html[i] == '<') {
            const std::size_t close = html.find('>', i);
            if (close != std::string_view::npos) {
                i = close + 1;
                continue;
            }
        } else if (html[i] == '&') {
            if (const std::size_t used = DecodeEntity(html.substr(i), plain)) {
                i += used;
                continue;
            }
        }
        plain += html[i++];
    }
    const std::size_t first = plain.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    plain.erase(plain.find_last_not_of(" \t") + 1);
    plain.erase(0, first);
    return plain;
}

}  // namespace vellumark

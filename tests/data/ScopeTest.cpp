#include "data/Portions.h"
#include "data/Scope.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vellumark;

namespace {

/// "1 1:1-1 6:8; 2 20:1-2 20:x" for the ranges of a scope (x: the open end).
std::string Ranges(const Scope& scope) {
    std::ostringstream text;
    auto number = [](std::int16_t n) {
        return n == kOpenEnd ? std::string("x") : std::to_string(n);
    };
    auto place = [&](const VerseId& id) {
        return std::to_string(id.book) + " " + number(id.chapter) + ":" + number(id.verse);
    };
    for (std::size_t i = 0; i < scope.ranges.size(); ++i)
        text << (i ? "; " : "") << place(scope.ranges[i].first) << "-"
             << place(scope.ranges[i].last);
    return text.str();
}

}  // namespace

// Every typed form, with the name reports give it, the verses it covers, or
// the message that refuses it.
TEST(ScopeTest, parse_givesNameAndRangesOrMessage) {
    const struct {
        const char* typed;
        const char* name;  // or the message
        const char* ranges;
    } cases[] = {
        {"Torah", "Torah", "1 1:1-5 x:x"},
        {" prophets ", "Prophets",
         "6 1:1-7 x:x; 9 1:1-12 x:x; 23 1:1-24 x:x; 26 1:1-26 x:x; 28 1:1-39 x:x"},
        {"Writings", "Writings", "8 1:1-8 x:x; 13 1:1-22 x:x; 25 1:1-25 x:x; 27 1:1-27 x:x"},
        {"Gen", "Genesis", "1 1:1-1 x:x"},
        {"1 samuel", "1 Samuel", "9 1:1-9 x:x"},
        {"Deuter", "Deuteronomy", "5 1:1-5 x:x"},
        {"Gen 1", "Genesis 1", "1 1:1-1 1:x"},
        {"Gen 1:1", "Genesis 1:1", "1 1:1-1 1:1"},
        {"Gen 1:1-6:8", "Genesis 1:1 to Genesis 6:8", "1 1:1-1 6:8"},
        {"Gen 1:5-10", "Genesis 1:5-10", "1 1:5-1 1:10"},
        {"Gen 1:1\xE2\x80\x93"
         "2:3",
         "Genesis 1:1 to Genesis 2:3", "1 1:1-1 2:3"},
        {"Gen 50-Exo 2", "Genesis 50 to Exodus 2", "1 50:1-2 2:x"},
        {"Gen-Deut", "Genesis to Deuteronomy", "1 1:1-5 x:x"},
        {"Vayetze", "Vayetze (Genesis 28:10 to Genesis 32:3)", "1 28:10-1 32:3"},
        {"lech lecha", "Lech-Lecha (Genesis 12:1 to Genesis 17:27)", "1 12:1-1 17:27"},
        {"Gen 1-3, Ex 20", "Genesis 1-3, Exodus 20", "1 1:1-1 3:x; 2 20:1-2 20:x"},
        // Parts in any order come out in file order; overlapping ones are joined.
        {"Ex 20, Gen 2-4, Gen 1-3", "Exodus 20, Genesis 2-4, Genesis 1-3",
         "1 1:1-1 4:x; 2 20:1-2 20:x"},
        {"Bereshit, Gen 6:1-9:1",
         "Bereshit (Genesis 1:1 to Genesis 6:8), Genesis 6:1 to Genesis 9:1", "1 1:1-1 9:1"},
        {"Gen 1, Gen 1:5", "Genesis 1, Genesis 1:5", "1 1:1-1 1:x"},
        {"Gen 1:1-3, Gen 1:3-5", "Genesis 1:1-3, Genesis 1:3-5", "1 1:1-1 1:5"},
        {"Torah, Whole text", "", ""},
        // Refused.
        {"Gen 3-1", "In \"Gen 3-1\" the end comes before the start.", ""},
        {"Gen 6:8-1:1", "In \"Gen 6:8-1:1\" the end comes before the start.", ""},
        {"Exo-Gen", "In \"Exo-Gen\" the end comes before the start.", ""},
        {"Gen 0", "\"Gen 0\" is not a chapter or verse such as \"Gen 1\" or \"Gen 1:1\".", ""},
        {"Gen 1:2:3", "\"Gen 1:2:3\" is not a chapter or verse such as \"Gen 1\" or \"Gen 1:1\".",
         ""},
        {"Gen 1,", "The scope \"Gen 1,\" has an empty part.", ""},
        {"Vayetzi",
         "\"Vayetzi\" is not a section, book, portion or verse range. The nearest names: Vayetze, "
         "Vayechi, Vayera.",
         ""},
        {"Prophet 3",
         "\"Prophet 3\" is not a section, book, portion or verse range. The nearest names: "
         "Prophets, Proverbs, Joshua.",
         ""},
    };
    for (const auto& c : cases) {
        const ParsedScope parsed = ParseScope(c.typed);
        const std::string name = parsed.passed() ? parsed.scope.name : parsed.message;
        EXPECT_EQ(name, c.name) << c.typed;
        EXPECT_EQ(Ranges(parsed.scope), c.ranges) << c.typed;
        EXPECT_EQ(parsed.whole, std::string(c.typed).ends_with("Whole text")) << c.typed;
    }
}

// The portions as the published table gives them (see the Sources section),
// in the English chapter and verse numbers where the table prints those.
TEST(ScopeTest, portions_matchThePublishedTable) {
    const char* const published =
        "Bereshit 1 1:1-6:8|Noach 1 6:9-11:32|Lech-Lecha 1 12:1-17:27|Vayera 1 18:1-22:24|"
        "Chayei Sarah 1 23:1-25:18|Toldot 1 25:19-28:9|Vayetze 1 28:10-32:3|"
        "Vayishlach 1 32:4-36:43|Vayeshev 1 37:1-40:23|Miketz 1 41:1-44:17|"
        "Vayigash 1 44:18-47:27|Vayechi 1 47:28-50:26|Shemot 2 1:1-6:1|Vaera 2 6:2-9:35|"
        "Bo 2 10:1-13:16|Beshalach 2 13:17-17:16|Yitro 2 18:1-20:23|Mishpatim 2 21:1-24:18|"
        "Terumah 2 25:1-27:19|Tetzaveh 2 27:20-30:10|Ki Tisa 2 30:11-34:35|"
        "Vayakhel 2 35:1-38:20|Pekudei 2 38:21-40:38|Vayikra 3 1:1-5:26|Tzav 3 6:1-8:36|"
        "Shemini 3 9:1-11:47|Tazria 3 12:1-13:59|Metzora 3 14:1-15:33|"
        "Acharei Mot 3 16:1-18:30|Kedoshim 3 19:1-20:27|Emor 3 21:1-24:23|Behar 3 25:1-26:2|"
        "Bechukotai 3 26:3-27:34|Bamidbar 4 1:1-4:20|Naso 4 4:21-7:89|"
        "Behaalotecha 4 8:1-12:16|Shelach 4 13:1-15:41|Korach 4 16:1-18:32|"
        "Chukat 4 19:1-22:1|Balak 4 22:2-25:9|Pinchas 4 25:10-30:1|Matot 4 30:2-32:42|"
        "Masei 4 33:1-36:13|Devarim 5 1:1-3:22|Vaetchanan 5 3:23-7:11|Eikev 5 7:12-11:25|"
        "Re'eh 5 11:26-16:17|Shoftim 5 16:18-21:9|Ki Teitzei 5 21:10-25:19|"
        "Ki Tavo 5 26:1-29:8|Nitzavim 5 29:9-30:20|Vayelech 5 31:1-31:30|"
        "Haazinu 5 32:1-32:52|Vezot Haberakhah 5 33:1-34:12|";
    std::string table;
    for (const Portion& p : kPortions) {
        // The data numbers Exodus 20 in 26 verses where the table's edition has 23.
        const int lastVerse = p.name == "Yitro" ? 23 : p.verses.last.verse;
        table += std::string(p.name) + " " + std::to_string(p.verses.first.book) + " " +
                 std::to_string(p.verses.first.chapter) + ":" +
                 std::to_string(p.verses.first.verse) + "-" +
                 std::to_string(p.verses.last.chapter) + ":" + std::to_string(lastVerse) + "|";
        EXPECT_EQ(p.verses.first.book, p.verses.last.book) << p.name;
    }
    EXPECT_EQ(table, published);
}

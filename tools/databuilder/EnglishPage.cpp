#include "databuilder/EnglishPage.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace databuilder {

namespace {

constexpr std::string_view kEnDash = "\u2013";

/// "31:55", or "title" for a psalm's title.
std::string ChapterVerse(const Ref& ref) {
    const auto [book, chapter, verse] = ref;
    if (verse == 0) return "title";
    return std::to_string(chapter) + ":" + std::to_string(verse);
}

/// Whether `b` is the KJV verse right after `a` (31:55 then 32:1 where 31 ends at 55).
bool Follows(const EnglishText& kjv, const Ref& a, const Ref& b) {
    if (std::get<2>(a) == 0 || std::get<2>(b) == 0) return false;
    const auto found = kjv.verses.find(a);
    return found != kjv.verses.end() && std::next(found) != kjv.verses.end() &&
           std::next(found)->first == b;
}

/// "7:67–68", "63:19–64:1", "7:67, 7:69": runs of following verses joined by a dash.
std::string KjvRefs(const std::vector<Ref>& refs, const EnglishText& kjv) {
    std::string out;
    for (std::size_t first = 0; first < refs.size();) {
        std::size_t last = first;
        while (last + 1 < refs.size() && Follows(kjv, refs[last], refs[last + 1])) ++last;
        if (!out.empty()) out += ", ";
        out += ChapterVerse(refs[first]);
        if (last > first) {
            out += kEnDash;
            out += std::get<1>(refs[last]) == std::get<1>(refs[first])
                       ? std::to_string(std::get<2>(refs[last]))
                       : ChapterVerse(refs[last]);
        }
        first = last + 1;
    }
    return out;
}

}  // namespace

EnglishPlan PlanEnglish(const std::vector<HebrewVerse>& verses,
                        const std::map<Ref, VerseMapEntry>& verseMap, const EnglishText& kjv,
                        std::vector<std::string>& lost) {
    // In a psalm with a title, the Hebrew verses before the one that holds KJV
    // verse 1 are its superscription.
    std::map<std::pair<int, int>, int> firstProperVerse;
    for (const auto& [wlc, entry] : verseMap) {
        for (const Ref& ref : entry.kjv) {
            const auto [book, chapter, verse] = ref;
            if (verse == 1 && kjv.psalmTitles.count({book, chapter})) {
                int& first = firstProperVerse[{book, chapter}];
                first = std::max(first, std::get<2>(wlc));
            }
        }
    }
    EnglishPlan plan;
    std::map<Ref, std::size_t> shownBy;
    for (const HebrewVerse& verse : verses) {
        const auto [book, chapter, number] = verse.ref;
        std::vector<Ref> refs;
        const auto entry = verseMap.find(verse.ref);
        const auto proper = firstProperVerse.find({book, chapter});
        if (proper != firstProperVerse.end() && number < proper->second) {
            refs.push_back({book, chapter, 0});
        } else if (entry == verseMap.end()) {
            refs.push_back(verse.ref);
        } else {
            const VerseMapEntry& e = entry->second;
            refs = e.kjv;
            // Only one part of the Hebrew verse is mapped: the other keeps its number.
            if (!e.whole && e.partA != e.partB) {
                if (e.partA)
                    refs.push_back(verse.ref);
                else
                    refs.insert(refs.begin(), verse.ref);
            }
        }
        for (const Ref& ref : refs) {
            if (std::get<2>(ref) > 0) shownBy.emplace(ref, plan.size());
        }
        plan.push_back(std::move(refs));
    }
    // A KJV verse that the Hebrew lacks goes with the verse before it.
    for (const auto& [ref, text] : kjv.verses) {
        if (std::get<0>(ref) < 1 || shownBy.count(ref)) continue;
        const auto [book, chapter, verse] = ref;
        const auto before = shownBy.find({book, chapter, verse - 1});
        if (before == shownBy.end()) {
            lost.push_back(RefName(ref));
            continue;
        }
        plan[before->second].push_back(ref);
        shownBy.emplace(ref, before->second);
    }
    for (std::vector<Ref>& refs : plan) {
        std::erase_if(refs, [&kjv](const Ref& ref) {
            const auto [book, chapter, verse] = ref;
            if (verse == 0) return kjv.psalmTitles.at({book, chapter}).empty();
            const auto found = kjv.verses.find(ref);
            return found == kjv.verses.end() || found->second.empty();
        });
    }
    return plan;
}

std::vector<std::string> KjvNotes(const std::vector<HebrewVerse>& verses, const EnglishPlan& plan,
                                  const EnglishText& kjv) {
    // Hebrew verses whose lines show the same KJV verses share them.
    std::map<std::vector<Ref>, std::vector<std::size_t>> showing;
    for (std::size_t k = 0; k < plan.size(); ++k) showing[plan[k]].push_back(k);
    std::vector<std::string> notes(plan.size());
    for (std::size_t k = 0; k < plan.size(); ++k) {
        if (plan[k].empty()) continue;
        std::string shared;
        for (std::size_t other : showing[plan[k]]) {
            if (other == k) continue;
            shared += shared.empty() ? ", shared with Hebrew " : " and ";
            shared += ChapterVerse(verses[other].ref);
        }
        if (shared.empty() && plan[k] == std::vector<Ref>{verses[k].ref}) continue;
        notes[k] = "(KJV " + KjvRefs(plan[k], kjv) + shared + ")";
    }
    return notes;
}

std::vector<std::string> EnglishHead() {
    return {
        "<!DOCTYPE html>",
        "<html lang=\"en\">",
        "<head>",
        "<meta charset=\"utf-8\">",
        "<title>The Old Testament in English, verse by verse in Hebrew numbering</title>",
        "<style>",
        "body { font-family: Georgia, serif; max-width: 46em; margin: 2em auto; line-height: 1.5; "
        "}",
        "p { margin: 0.2em 0; }",
        "p:has(> :target), #sources:target { background: #fff3b0; }",
        "</style>",
        "</head>",
        "<body>",
        "<h1>The Old Testament in English</h1>",
        "<section id=\"sources\">",
        "<h3>Sources and counting rules</h3>",
        "<p class=\"about\">Every count and value in Vellumark comes from one Hebrew text: the "
        "Westminster Leningrad Codex as given in the <a "
        "href=\"https://github.com/openscriptures/morphhb\">Open Scriptures Hebrew Bible</a> "
        "(the WLC with morphology) by Open Scriptures, licensed under <a "
        "href=\"https://creativecommons.org/licenses/by/4.0/\">Creative Commons Attribution 4.0 "
        "International (CC BY 4.0)</a>, as shipped in Debian's package bibledit-data. The text "
        "was not changed; only the letters of its words and their values were extracted from "
        "it. Counts printed from other manuscripts and editions, such as the Aleppo Codex or "
        "the printed Rabbinic Bibles, or made with other verse divisions, differ from these: "
        "they differ in spellings, in some words and in where verses begin and end.</p>",
        "<p class=\"about\">The English is the King James Version (1769), in the public domain, "
        "from the same package; words in italics were added by the translators. Each line "
        "below is one verse of the Hebrew text, in its books, chapters and verses. Where the "
        "KJV numbers the verse differently, the line begins with the KJV verses it shows in "
        "parentheses, such as (KJV 31:55) at Genesis 32:1, (KJV 7:67–68) at Nehemiah 7:67, or "
        "(KJV title) where a psalm's "
        "superscription is a verse of the Hebrew; \"shared with Hebrew 21:1\" says that the Hebrew "
        "verse 21:1 shows the same KJV verse, which holds both. The versification map that "
        "comes with the Open Scriptures Hebrew Bible decides which KJV verse each line "
        "shows.</p>",
        "<p class=\"about\">Counting rules: the words of a verse are the words of the written "
        "Hebrew text, the ketiv (a reading noted in the margin, the qere, is not counted); the "
        "read text in Data/Qere puts the qere's words in their place instead. A word's "
        "letters are the 27 Hebrew letter forms; vowel points, accents, maqaf, sof pasuq and "
        "paseq are not counted. Gematria: alef 1 to tet 9, yod 10 to tsadi 90, qof 100 to tav "
        "400; the final forms kaf, mem, nun, pe and tsadi count as their letter. Alternative "
        "gematria: the same, except that the final forms count 500, 600, 700, 800 and 900. A "
        "verse's values are the sums of its words' values.</p>",
        "<p class=\"about\">Counting methods. The standard value of a letter is its gematria "
        "above, a final form counting as its letter. Final letters, Ordinal (alef 1 to tav 22), "
        "Reduced (the standard value without its zeros) and Atbash (alef and tav exchanged, bet "
        "and shin, and so on) count letter by letter. Ordinal with finals: alef 1 to tav 22, then "
        "final kaf 23, mem 24, nun 25, pe 26, tsadi 27. Albam exchanges the letters of the two "
        "halves of the alphabet (alef and lamed, bet and mem, to kaf and tav); Avgad takes each "
        "letter's next (tav becomes alef), Reverse avgad the one before (alef becomes tav); each "
        "then counts the standard value, a final form as its letter. Squares (perati) and Cubes "
        "(meshulash) add the squares and the cubes of the letters' standard values. Triangular "
        "(kidmi) counts each letter as the sum of the standard values from alef up to it (tav "
        "1,495). Building (boneh) adds, letter by letter, the running sum of a word's standard "
        "values (alef-het-dalet: 1 + 9 + 13 = 23); where sources run the sum across a whole "
        "phrase, Vellumark starts it again at each word. Position (ha-achor) multiplies each "
        "letter's standard value by its place in its word, counted from the first letter read "
        "(1); sources that count from the last letter are not followed. Kolel is the standard "
        "value plus the number of words, Added letters (musafi) the standard value plus the "
        "number of letters. Milui counts each letter as the standard value of its spelled-out "
        "name: alef-lamed-pe, bet-yod-tav, gimel-yod-mem-lamed, dalet-lamed-tav, zayin-yod-nun, "
        "het-yod-tav, tet-yod-tav, yod-vav-dalet, kaf-pe, lamed-mem-dalet, mem-mem, nun-vav-nun, "
        "samekh-mem-kaf, ayin-yod-nun, pe-alef, tsadi-dalet-yod, qof-vav-pe, resh-yod-shin, "
        "shin-yod-nun, tav-vav (where sources spell pe with he, or tsadi with a final qof, the "
        "spellings here are used); he and vav are spelled by the four fillings, named by the value "
        "they give the Name yod-he-vav-he: 72 he-yod and vav-yod-vav, 63 he-yod and vav-alef-vav, "
        "45 he-alef and vav-alef-vav, 52 he-he and vav-vav. Alef is 111 under each. Hidden "
        "(ne'elam) is the Milui of the same filling less each letter's own standard value.</p>",
        "<p class=\"about\">A word's value is the sum of its letters' values by the method; a "
        "phrase, verse or run of verses is the sum of its words' values, so that Kolel and Added "
        "letters count its words and letters once each. Integral reduced is the digital root of "
        "the standard value of the whole text (its digits added until one is left: "
        "alef-het-dalet 13 gives 4), taken once for a phrase, a verse or a range, never word by "
        "word: it does not grow as words are added, so the calculator, Range Totals and the "
        "command line's value command give it, but no search. All methods searches a value "
        "under every other method and reports each method's hits under its name. The "
        "calculator's Equal under other methods counts, under each search method, the words, the "
        "phrases of two words up to as many as its text has, and the verses of the text's value, "
        "as the searches find them (from each first word, the shortest phrase reaching the "
        "value); its method by method table counts words only: a row is the text's value under "
        "one method, a column the method the words are counted by. A search holds "
        "values of up to 2,147,483,647: a word or verse beyond it (cubes of a long verse) is "
        "refused with a message rather than given wrapped values.</p>",
        "<p class=\"about\">Scopes: the Torah is Genesis to Deuteronomy; the Prophets are "
        "Joshua, Judges, Samuel, Kings, Isaiah, Jeremiah, Ezekiel and the twelve from Hosea to "
        "Malachi; the Writings are the other books. The 54 weekly Torah portions follow the "
        "table of the Torah portions of <a "
        "href=\"https://www.myjewishlearning.com/torah-portions/\">My Jewish Learning</a>, in "
        "the Hebrew chapter and verse numbers (Vayetze ends at Genesis 32:3, Pinchas at Numbers "
        "30:1, Ki Tavo at Deuteronomy 29:8). The one difference: this text numbers Exodus 20 in "
        "26 verses, the four short commandments each a verse of its own, so Yitro ends at Exodus "
        "20:26 where the table, from an edition that prints the chapter in 23 verses, says "
        "20:23.</p>",
        "<p class=\"about\">Published figures shown beside the counts of Text Statistics: the "
        "verses of each book of the Torah in the traditional division (Genesis 1,534, Exodus "
        "1,209, Leviticus 859, Numbers 1,288, Deuteronomy 955, the Torah 5,845) as the "
        "Masoretic notes at the end of each book give them, from <a "
        "href=\"https://www.bible-quiz.co.il/bible-trivia/how-many-verses-are-in-the-bible/\">"
        "Bible Quiz, How many verses are in the Bible</a>; the letters of the Torah in the "
        "printed editions and the scrolls, 304,805, from <a "
        "href=\"http://www.aishdas.org/toratemet/en_pamphlet9.html\">Torat Emet, The Letters of "
        "the Torah</a>; and the letters of the Torah in the Leningrad Codex, 304,850, with the "
        "Koren edition's 304,805, from <a "
        "href=\"https://codigos.elevalma.com/en/blog/edicion-koren-el-texto-de-los-codigos\">"
        "Koren edition: the text of the codes</a>. This text counts the letters of the Leningrad "
        "Codex; its verse counts differ from the traditional ones where it divides some verses "
        "differently, as the Ten Commandments of Exodus 20 and Deuteronomy 5.</p>",
        "</section>",
    };
}

}  // namespace databuilder

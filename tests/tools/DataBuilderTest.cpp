#include "data/VerseRecordFile.h"
#include "databuilder/DataBuilder.h"
#include "databuilder/EnglishPage.h"
#include "databuilder/Sources.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace databuilder;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

std::string Osis(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<osis "
           "xmlns=\"http://www.bibletechnologies.net/2003/OSIS/namespace\">"
           "<osisText><div type=\"book\">" +
           body + "</div></osisText></osis>\n";
}

/// Every book gets one verse; Genesis and Psalms get the interesting ones.
class DataBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeSources();
        WriteFile(sources.file("morphhb/VerseMap.xml"), R"(<?xml version="1.0"?>
<verseMap xmlns="http://www.APTBibleTools.com/namespace"><book osisID="Gen">
<verse wlc="Gen.32.1" kjv="Gen.31.55" type="full"/><verse wlc="Gen.32.2" kjv="Gen.32.1" type="full"/></book>
<book osisID="Ps"><verse wlc="Ps.3.2" kjv="Ps.3.1" type="full"/></book></verseMap>)");
    }
    void writeSources() {
        // New files rather than truncated ones, which the file system would flush.
        auto write = [this](const std::string& name, const std::string& body) {
            std::filesystem::remove(sources.file(name));
            WriteFile(sources.file(name), Osis(body));
        };
        std::string kjv;
        for (std::string_view book : kOsisBooks) {
            const std::string id(book);
            std::string hebrew = "<chapter osisID=\"" + id + ".1\"><verse osisID=\"" + id +
                                 ".1.1\"><w>אב</w></verse></chapter>";
            std::string english = "<chapter osisID=\"" + id + ".1\"><verse sID=\"" + id +
                                  ".1.1\"/>T " + id + "<verse eID=\"" + id + ".1.1\"/></chapter>";
            if (id == "Gen") {
                hebrew = R"(<chapter osisID="Gen.1"><verse osisID="Gen.1.1"><w>בָּרָ֣א</w>
<w>הָ/אָֽרֶץ</w><seg type="x-maqqef">־</seg><w>כתיב</w><note type="variant"><catchWord>כתיב</catchWord><rdg type="x-qere"><w>קרי</w></rdg></note><seg type="x-sof-pasuq">׃</seg></verse></chapter>
<chapter osisID="Gen.32"><verse osisID="Gen.32.1"><w>ל</w></verse><verse osisID="Gen.32.2"><w>מ</w></verse></chapter>)";
                english =
                    R"(<chapter osisID="Gen.1"><verse sID="Gen.1.1"/><w lemma="strong:H1">In the beginning</w> <w>God</w> <transChange type="added">was</transChange> <w><divineName>Lord</divineName></w>.<note>a note</note><verse eID="Gen.1.1"/>
<verse sID="Gen.1.2"/>And the earth<verse eID="Gen.1.2"/></chapter>
<chapter osisID="Gen.31"><verse sID="Gen.31.55"/>And early Laban rose up.<verse eID="Gen.31.55"/></chapter>
<chapter osisID="Gen.32"><verse sID="Gen.32.1"/>  Jacob &amp; Esau&#13;went	on  &lt;his&gt;
way #2.  <verse eID="Gen.32.1"/></chapter>)";
            } else if (id == "Ruth" && !ruth.empty()) {
                hebrew = english = "";
                for (const auto& [verse, words] : ruth) {
                    hebrew += "<verse osisID=\"Ruth." + verse + "\">" + words + "</verse>";
                    english +=
                        "<verse sID=\"Ruth." + verse + "\"/>T<verse eID=\"Ruth." + verse + "\"/>";
                }
            } else if (id == "Ps") {
                hebrew =
                    R"(<chapter osisID="Ps.3"><verse osisID="Ps.3.1"><w>מזמור</w></verse><verse osisID="Ps.3.2"><w>יהוה</w></verse></chapter>)";
                english =
                    R"(<chapter osisID="Ps.3"><title type="psalm" canonical="true"> <w>A Psalm</w> of David. </title><verse sID="Ps.3.1"/><divineName>Lord</divineName>, how are they increased<verse eID="Ps.3.1"/></chapter>)";
            }
            write("morphhb/" + id + ".xml", hebrew);
            kjv += "<div type=\"book\" osisID=\"" + id + "\">" + english + "</div>";
        }
        write("kjv.xml", kjv);
    }
    /// The build's error, or empty when it succeeds; a failed build leaves no data.
    std::string buildError() {
        std::filesystem::remove_all(data.path());
        try {
            BuildData(sources.path(), data.path());
        } catch (const BuildError& error) {
            EXPECT_FALSE(std::filesystem::exists(data.file("LineData.dat")));
            return error.what();
        }
        return {};
    }

    TempDir sources;
    TempDir data;
    /// Ruth's verses when set: "chapter.verse" and the verse's <w> elements, each
    /// verse with an English text.
    std::vector<std::pair<std::string, std::string>> ruth;
};

TEST_F(DataBuilderTest, writesTheFourFiles) {
    const BuildSummary summary = BuildData(sources.path(), data.path());
    EXPECT_EQ(summary.verses, 3 + 2 + 37);
    EXPECT_TRUE(summary.lostKjvVerses.empty());

    const std::string records = ReadFile(data.file("LineData.dat"));
    ASSERT_EQ(records.size(), 42u * 14);
    EXPECT_EQ(records.substr(0, 14), vellumark::EncodeVerseRecord({1, 1, 1, 3, 11, 931, 1741}))
        << "qere not counted, final tsadi 90 and 900";
    EXPECT_EQ(ReadFile(data.file("WordMatrix.dat")).substr(0, 16),
              testing_support::WordFields({0, 1, 1, 1, 203, -296, 1106, 432}));

    const std::string hebrew = ReadFile(data.file("Hebrew.txt"));
    EXPECT_EQ(hebrew.substr(0, hebrew.find("\r\n") + 2), "Gen 1:1 ברא הארץ כתיב\r\n");
    const std::string english = ReadFile(data.file("EnglishOT.html"));
    // The KJV's Gen 1:2, which the Hebrew lacks, goes with Gen 1:1.
    for (const char* line :
         {"<h2>Genesis</h2>\r\n"
          "<P>Gen 1:1<wbr  id=1> (KJV 1:1–2) In the beginning God <i>was</i> LORD. And the "
          "earth\r\n"
          "<P>Gen 32:1<wbr  id=2> (KJV 31:55) And early Laban rose up.\r\n"
          "<P>Gen 32:2<wbr  id=3> (KJV 32:1) Jacob &amp; Esau went on &lt;his&gt; way &#35;2.\r\n"
          "<h2>Exodus</h2>\r\n<P>Exo 1:1<wbr  id=4> T Exod\r\n",
          "<P>Ps 3:1<wbr  id=21> (KJV title) A Psalm of David.\r\n",
          "<P>Ps 3:2<wbr  id=22> (KJV 3:1) LORD, how are they increased\r\n"})
        EXPECT_NE(english.find(line), std::string::npos) << line;
    EXPECT_TRUE(english.ends_with("</body>\r\n</html>\r\n"));

    // The head: CR LF line ends, the sources section, no line the verse lookup could take.
    const std::string head = english.substr(0, english.find("<h2>"));
    for (const char* text : {"<h1>The Old Testament in English</h1>\r\n<section "
                             "id=\"sources\">\r\n<h3>Sources and counting rules</h3>\r\n",
                             "Deuteronomy 5.</p>\r\n</section>\r\n", "by Open Scriptures",
                             "https://creativecommons.org/licenses/by/4.0/", "Aleppo Codex",
                             "Integral reduced is the digital root"})
        EXPECT_NE(head.find(text), std::string::npos) << text;
    for (std::size_t start = 0; start < head.size(); start = head.find('\n', start) + 1) {
        EXPECT_NE(head.substr(start, 3), "<P>");
        EXPECT_EQ(head[head.find('\n', start) - 1], '\r') << head.substr(start, 40);
    }
}

TEST(KjvNotesTest, namesTheKjvVersesAndTheVersesThatShareThem) {
    // Ruth: the KJV has 1:1 to 1:3 and 2:1 to 2:2.
    EnglishText kjv;
    for (const Ref& ref : {Ref{8, 1, 1}, Ref{8, 1, 2}, Ref{8, 1, 3}, Ref{8, 2, 1}, Ref{8, 2, 2}})
        kjv.verses[ref] = "T";
    const struct {
        Ref hebrew;
        std::vector<Ref> shown;
        std::string note;
    } cases[] = {
        // clang-format off
        {{8, 1, 1}, {{8, 1, 1}},             ""},
        {{8, 1, 2}, {{8, 1, 3}},             "(KJV 1:3)"},
        {{8, 1, 3}, {{8, 1, 2}, {8, 1, 3}},  "(KJV 1:2–3)"},
        {{8, 1, 4}, {{8, 1, 3}, {8, 2, 1}},  "(KJV 1:3–2:1)"},
        {{8, 1, 5}, {{8, 1, 1}, {8, 1, 3}, {8, 2, 1}, {8, 2, 2}}, "(KJV 1:1, 1:3–2:2)"},
        {{8, 2, 2}, {{8, 2, 2}},             "(KJV 2:2, shared with Hebrew 3:1 and 3:2)"},
        {{8, 3, 1}, {{8, 2, 2}},             "(KJV 2:2, shared with Hebrew 2:2 and 3:2)"},
        {{8, 3, 2}, {{8, 2, 2}},             "(KJV 2:2, shared with Hebrew 2:2 and 3:1)"},
        {{19, 4, 1}, {{19, 4, 0}},           "(KJV title)"},
        // clang-format on
    };
    std::vector<HebrewVerse> verses;
    EnglishPlan plan;
    for (const auto& c : cases) {
        verses.push_back({c.hebrew, {}});
        plan.push_back(c.shown);
    }
    const std::vector<std::string> notes = KjvNotes(verses, plan, kjv);
    ASSERT_EQ(notes.size(), std::size(cases));
    for (std::size_t k = 0; k < notes.size(); ++k)
        EXPECT_EQ(notes[k], cases[k].note) << RefName(cases[k].hebrew);
}

TEST_F(DataBuilderTest, verseOverTheLimitsOfTheDataFilesStopsTheBuild) {
    auto repeat = [](const std::string& text, int count) {
        std::string out;
        while (count--) out += text;
        return out;
    };
    const std::string a = "<w>א</w>";
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> verses;
        std::string error;  ///< empty when the build succeeds
    } cases[] = {
        // clang-format off
        {"every limit reached",     {{"1.1", repeat(a, 46)}, {"1.2", "<w>" + repeat("ת", 81) + "שסז</w>"},
                                     {"1.3", "<w>" + repeat("ץ", 72) + "תשלה</w>"}, {"32767.32767", a}}, ""},
        {"47 words",                {{"1.1", repeat(a, 47)}},                        "Ruth 1:1 has 47 words"},
        {"gematria 32768",          {{"1.1", "<w>" + repeat("ת", 81) + "שסח</w>"}},  "Ruth 1:1 has a value above"},
        {"alternative 65536",       {{"1.1", "<w>" + repeat("ץ", 72) + "תשלו</w>"}}, "Ruth 1:1 has a value above"},
        {"chapter 32768",           {{"32768.1", a}},                                "Ruth 32768:1 has a value above"},
        {"verse 32768",             {{"1.32768", a}},                                "Ruth 1:32768 has a value above"},
        {"verse repeated",          {{"1.1", a}, {"1.1", a}},                        "Ruth 1:1 does not follow Ruth 1:1"},
        {"verse out of order",      {{"1.2", a}, {"1.1", a}},                        "Ruth 1:1 does not follow Ruth 1:2"},
        {"catch word not written",  {{"1.1", a + "<note type=\"variant\"><catchWord>גד</catchWord><rdg type=\"x-qere\"><w>ד</w></rdg></note>"}},
                                     "Ruth 1:1: the qere's catch word \"גד\" is not the written text before it."},
        // clang-format on
    };
    for (const auto& [name, verses, error] : cases) {
        ruth = verses;
        writeSources();
        const std::string message = buildError();
        EXPECT_TRUE(error.empty() ? message.empty() : message.find(error) != std::string::npos)
            << name << ": " << message;
    }
}

// The read text: a qere replaces its written word, splits one into two, joins
// two written words into one, adds a word read but not written, and drops one
// written but not read; the written text keeps every written word.
TEST_F(DataBuilderTest, qere_replacesTheWrittenWordsInItsOwnFiles) {
    const std::string note = "<note type=\"variant\">";
    auto qere = [](const std::string& words) {
        return "<rdg type=\"x-qere\">" + words + "</rdg></note>";
    };
    ruth = {
        {"1.1", "<w>אב</w><w>כתב</w>" + note + "<catchWord>כתב</catchWord>" + qere("<w>קָרָא</w>")},
        {"1.2", "<w>גדה</w>" + note + "<catchWord>גדה</catchWord>" + qere("<w>גד</w> <w>ה</w>") +
                    "<w>אב</w>"},
        {"1.3", "<w>חר</w><w>יונים</w>" + note + "<catchWord>חריונים</catchWord>" +
                    qere("<w>דביונים</w>")},
        {"1.4", "<w>אב</w>" + note + qere("<w>בא</w>")},
        {"1.5",
         "<w>אב</w><w>גג</w>" + note + "<catchWord>גג</catchWord><rdg type=\"x-qere\"/></note>"}};
    writeSources();
    BuildData(sources.path(), data.path());
    auto ruthLines = [](const std::string& text) {
        const std::size_t start = text.find("Ruth 1:1 ");
        return text.substr(start, text.find("1 Sam", start) - start);
    };
    EXPECT_EQ(ruthLines(ReadFile(data.file("Hebrew.txt"))),
              testing_support::CrLf({"Ruth 1:1 אב כתב", "Ruth 1:2 גדה אב", "Ruth 1:3 חר יונים",
                                     "Ruth 1:4 אב", "Ruth 1:5 אב גג"}));
    EXPECT_EQ(ruthLines(ReadFile(data.file("Qere/Hebrew.txt"))),
              testing_support::CrLf({"Ruth 1:1 אב קרא", "Ruth 1:2 גד ה אב", "Ruth 1:3 דביונים",
                                     "Ruth 1:4 אב בא", "Ruth 1:5 אב"}));
    // Ruth 1:2 read: 3 words, 5 letters, 7 + 5 + 3 = 15.
    const std::string records = ReadFile(data.file("Qere/LineData.dat"));
    EXPECT_NE(records.find(vellumark::EncodeVerseRecord({8, 1, 2, 3, 5, 15, 15})),
              std::string::npos);
    EXPECT_EQ(records.size(), ReadFile(data.file("LineData.dat")).size());
}

}  // namespace

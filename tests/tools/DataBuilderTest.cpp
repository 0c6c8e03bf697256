#include "data/VerseRecordFile.h"
#include "databuilder/DataBuilder.h"
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
                    R"(<chapter osisID="Gen.1"><verse sID="Gen.1.1"/><w lemma="strong:H1">In the beginning</w> <w>God</w> <transChange type="added">was</transChange> <w><divineName>Lord</divineName></w>.<note>a note</note><verse eID="Gen.1.1"/></chapter>
<chapter osisID="Gen.31"><verse sID="Gen.31.55"/>And early Laban rose up.<verse eID="Gen.31.55"/></chapter>
<chapter osisID="Gen.32"><verse sID="Gen.32.1"/>And Jacob went on his way.<verse eID="Gen.32.1"/></chapter>)";
            } else if (id == "Ps") {
                hebrew =
                    R"(<chapter osisID="Ps.3"><verse osisID="Ps.3.1"><w>מזמור</w></verse><verse osisID="Ps.3.2"><w>יהוה</w></verse></chapter>)";
                english =
                    R"(<chapter osisID="Ps.3"><title type="psalm" canonical="true"><w>A Psalm</w> of David.</title><verse sID="Ps.3.1"/><divineName>Lord</divineName>, how are they increased<verse eID="Ps.3.1"/></chapter>)";
            }
            WriteFile(sources.file("morphhb/" + id + ".xml"), Osis(hebrew));
            kjv += "<div type=\"book\" osisID=\"" + id + "\">" + english + "</div>";
        }
        WriteFile(sources.file("kjv.xml"), Osis(kjv));
        WriteFile(sources.file("morphhb/VerseMap.xml"), R"(<?xml version="1.0"?>
<verseMap xmlns="http://www.APTBibleTools.com/namespace"><book osisID="Gen">
<verse wlc="Gen.32.1" kjv="Gen.31.55" type="full"/><verse wlc="Gen.32.2" kjv="Gen.32.1" type="full"/></book>
<book osisID="Ps"><verse wlc="Ps.3.2" kjv="Ps.3.1" type="full"/></book></verseMap>)");
    }
    std::string expectBuildError() {
        try {
            BuildData(sources.path(), data.path());
        } catch (const BuildError& error) {
            EXPECT_FALSE(std::filesystem::exists(data.file("LineData.dat")));
            return error.what();
        }
        ADD_FAILURE() << "no error";
        return {};
    }

    TempDir sources;
    TempDir data;
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
    for (const char* line : {"<P>Gen 1:1<wbr  id=1> In the beginning God <i>was</i> LORD.\r\n",
                             "<P>Gen 32:1<wbr  id=2> And early Laban rose up.\r\n",
                             "<P>Gen 32:2<wbr  id=3> And Jacob went on his way.\r\n",
                             "<P>Ps 3:1<wbr  id=21> A Psalm of David.\r\n",
                             "<P>Ps 3:2<wbr  id=22> LORD, how are they increased\r\n"})
        EXPECT_NE(english.find(line), std::string::npos) << line;
    EXPECT_NE(english.find("CC BY 4.0"), std::string::npos);
}

TEST_F(DataBuilderTest, badSourcesStopTheBuild) {
    std::filesystem::remove(sources.file("kjv.xml"));
    std::string message = expectBuildError();
    EXPECT_NE(message.find(sources.file("kjv.xml")), std::string::npos) << message;
    EXPECT_NE(message.find("bibledit-data"), std::string::npos) << message;

    WriteFile(sources.file("kjv.xml"), "<osis>\n<div>\n</osis>\n");
    message = expectBuildError();
    EXPECT_NE(message.find("kjv.xml, line 3"), std::string::npos) << message;
}

TEST_F(DataBuilderTest, verseOverTheLimitsStopsTheBuild) {
    std::string words;
    for (int i = 0; i < 47; ++i) words += "<w>א</w>";
    WriteFile(sources.file("morphhb/Ruth.xml"),
              Osis("<chapter><verse osisID=\"Ruth.1.1\">" + words + "</verse></chapter>"));
    const std::string message = expectBuildError();
    EXPECT_NE(message.find("Ruth 1:1 has 47 words"), std::string::npos) << message;
}

}  // namespace

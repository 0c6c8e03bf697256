#include "Overlaps.h"
#include "data/AppPaths.h"
#include "data/Gematria.h"
#include "support/Fixtures.h"
#include "window/Desktop.h"
#include "window/MessageBox.h"
#include "window/frmCalculator.h"
#include "window/frmResults.h"
#include "window/frmStatistics.h"
#include "window/frmVellumark.h"

#include <QtTest>
#include <QtWidgets>

#include <array>
#include <filesystem>

#include <sys/stat.h>
#include <memory>

using namespace testing_support;

const QString kTitle = "Vellumark Gematria Software|";
const QStringList kDone = {kTitle + "Done"};

/// A screen reader finds the control by `text`: its name, or the label related to it.
bool NamedOrLabelled(QWidget* widget, const QString& text) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    if (!accessible) return false;
    QStringList labels;
    for (const auto& [other, relation] : accessible->relations(QAccessible::Label))
        labels << other->text(QAccessible::Name);
    return accessible->text(QAccessible::Name) == text || labels.contains(text);
}

template <typename T>
T* in(QObject* parent, const char* name) {
    T* widget = parent->findChild<T*>(QLatin1String(name));
    if (!widget) qFatal("no control %s", name);
    return widget;
}

QStringList texts(QWidget* parent, const QStringList& fields) {
    QStringList result;
    for (const QString& field : fields) result << in<QLineEdit>(parent, field.toLatin1())->text();
    return result;
}

std::string EmptyReport() {
    return CrLf({"<html>", "<head>", "</head>", "<body>", "</body>", "</html>"});
}

class tst_frmVellumark : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void initialStateAndNames();
    void rangeFieldsAndTotals();
    void optionRules();
    void folderNameThatIsNotUtf8();
    void startupMessages_data();
    void startupMessages();
    void reportFolder();
    void valueSearchValidation_data();
    void valueSearchValidation();
    void valueSearchStatusOverwriteAndDispatch();
    void multipleMatchBusyKillAndClose();
    void reportFilterThroughTheWindow();
    void menusOpenTheRightFiles();
    void returnRunsTheRowsCommand_data();
    void returnRunsTheRowsCommand();
    void calculator();
    void noControlsOverlap();
    void installedLayoutWritesToTheDocumentsFolder();
    void methodAndRangeReachTheSearch();
    void searchDataKeptUntilAFileChanges();
    void openReportWithoutABrowserShowsResults();
    void windowsFitTheScreen();
    void readTextAndStatistics();

private:
    template <typename T>
    T* get(const char* name) {
        return in<T>(window.get(), name);
    }
    QString path(const char* relative) const { return QString::fromStdString(dir->file(relative)); }
    QUrl url(const char* relative) const { return QUrl::fromLocalFile(path(relative)); }
    void click(const char* button) { QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton); }
    void pick(const char* radio) { QTest::mouseClick(get<QRadioButton>(radio), Qt::LeftButton); }
    void search(const QString& value, const QString& report) {
        get<QLineEdit>("txtValue")->setText(value);
        get<QLineEdit>("txtReportName")->setText(report);
        click("btnValueSearch");
    }
    bool load(const std::string& app) {
        window = std::make_unique<frmVellumark>(app);
        return window->Form_Load();
    }
    void showWindow() {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    QString status() { return get<QLabel>("lblStatus")->text(); }
    void trigger(const char* action) { get<QAction>(action)->trigger(); }
    frmCalculator* openCalculator() {
        trigger("mnuCalculator");
        return window->findChild<frmCalculator*>();
    }
    void focus(QWidget* widget) {
        widget->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    void type(const char* field, const char* keys) {
        focus(get<QLineEdit>(field));
        QTest::keyClicks(get<QLineEdit>(field), keys);
    }

    std::unique_ptr<TempDir> dir;
    std::unique_ptr<frmVellumark> window;
    QTemporaryDir settings;
};

void tst_frmVellumark::initTestCase() {
    // The windows' remembered places go to a folder of the test's own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
}

void tst_frmVellumark::init() {
    MessageBox::setScripted(true);
    MessageBox::takeShown();
    Desktop::setScripted(true);
    Desktop::takeOpened();
    dir = std::make_unique<TempDir>();
    WriteAppFolder(dir->path(),
                   {{1, 1, 1, 2, 7, 26, 26, "H1 H2", "E1"},
                    {1, 1, 2, 3, 9, 13, 13, "H3 H4 H5", "E2"},
                    {2, 1, 1, 1, 4, 26, 626, "H6", "E3"}},
                   WordFields({0, 1, 1, 1, 13, 13, 0, 1, 1, 2, 26, 1, 2, 0, 2, 1, 1, -26, 626}));
    QVERIFY(load(dir->path()));
}

void tst_frmVellumark::cleanup() {
    Desktop::setOpenFails(false);
    QSettings().clear();
    window.reset();
    dir.reset();
    QVERIFY2(MessageBox::takeShown().isEmpty(), "a message was shown that the test did not check");
    QVERIFY2(Desktop::takeOpened().isEmpty(), "a file was opened that the test did not check");
}

void tst_frmVellumark::initialStateAndNames() {
    QVERIFY(get<QRadioButton>("radWordMatch")->isChecked());
    QVERIFY(get<QRadioButton>("radMatchSingle")->isChecked());
    for (const char* name : {"radWordCount", "radLetterCount", "radGematria"})
        QVERIFY(!get<QRadioButton>(name)->isChecked() && !get<QRadioButton>(name)->isEnabled());
    for (const char* name : {"btnKill", "prgProgress", "lblProcessing"})
        QVERIFY(get<QWidget>(name)->isHidden());
    for (const auto& [name, length] :
         {std::pair{"txtValue", 9}, {"txtStartVerse", 3}, {"txtEndVerse", 3}})
        QCOMPARE(get<QLineEdit>(name)->maxLength(), length);
    for (const char* name : {"txtWordCount", "txtLetterCount", "txtGematria", "txtAltGematria"})
        QVERIFY(get<QLineEdit>(name)->isReadOnly() &&
                get<QLineEdit>(name)->focusPolicy() == Qt::NoFocus);
    for (auto* list : {get<QComboBox>("drpStartBook"), get<QComboBox>("drpEndBook")}) {
        QCOMPARE(list->count(), 39);
        QCOMPARE(list->itemData(38).toInt(), 39);  // each entry carries its book number
    }
    // Keyboard order: the fields of a row, then the next row.
    const QStringList order = {
        "txtValue",        "txtReportName",  "txtReportHeader", "btnValueSearch",  "radWordMatch",
        "drpMethod",       "drpScope",       "btnReportFilter", "txtReportFilter", "drpStartBook",
        "txtStartChapter", "txtStartVerse",  "drpEndBook",      "txtEndChapter",   "txtEndVerse",
        "btnRangeTotals",  "btnShowResults", "btnOpenReport"};
    QStringList chain;
    QWidget* widget = get<QWidget>("txtValue");
    for (int step = 0; step < 80; ++step, widget = widget->nextInFocusChain()) {
        if (order.contains(widget->objectName()) && !chain.contains(widget->objectName()))
            chain << widget->objectName();
    }
    QCOMPARE(chain, order);
    QCOMPARE(window->focusWidget(), get<QWidget>("txtValue"));
    // Data without Data/Qere: the written text only, and the tooltip says how to build the read
    // one.
    QVERIFY(!get<QComboBox>("drpText")->isEnabled());
    QVERIFY(get<QComboBox>("drpText")->toolTip().contains("vellumark-data"));

    // A drop-down list is named by its entry, labelled through the relation screen readers follow.
    const QList<QPair<const char*, QString>> names = {{"txtValue", "Numeric Value:"},
                                                      {"txtReportName", "Report Name:"},
                                                      {"txtStartChapter", "Chapter:"},
                                                      {"drpEndBook", "End Book:"},
                                                      {"txtAltGematria", "Alt. Gematria:"},
                                                      {"drpMethod", "Method:"},
                                                      {"drpText", "Text:"},
                                                      {"drpScope", "Scope:"}};
    for (const auto& [name, text] : names)
        QVERIFY2(NamedOrLabelled(get<QWidget>(name), text), name);
}

void tst_frmVellumark::rangeFieldsAndTotals() {
    showWindow();
    const QStringList totals = {"txtWordCount", "txtLetterCount", "txtGematria", "txtAltGematria"};
    type("txtStartChapter", "1");
    type("txtStartVerse", "1");
    get<QComboBox>("drpEndBook")->setCurrentIndex(1);
    click("btnRangeTotals");
    const QStringList genesisToExodus = {"6", "20", "65", "665"};
    QCOMPARE(texts(window.get(), totals), genesisToExodus);

    // A method other than the default has a fifth field, labelled with its name.
    QVERIFY(get<QLineEdit>("txtMethodTotal")->isHidden());
    for (const auto& [method, total] : {std::pair{"Standard", "65"}, {"Final letters", "665"}}) {
        get<QComboBox>("drpMethod")->setCurrentText(method);
        QCOMPARE(get<QLabel>("lblMethodTotal")->text(), QString(method) + ":");
        click("btnRangeTotals");
        QCOMPARE(get<QLineEdit>("txtMethodTotal")->text(), QString(total));
        QVERIFY(NamedOrLabelled(get<QWidget>("txtMethodTotal"), QString(method) + ":"));
    }
    // Integral reduced, no search method, gives Range Totals the range's root: 65, 11, 2.
    get<QComboBox>("drpMethod")->setCurrentText("Integral reduced (Range Totals only)");
    click("btnRangeTotals");
    QCOMPARE(get<QLabel>("lblMethodTotal")->text() + get<QLineEdit>("txtMethodTotal")->text(),
             QStringLiteral("Integral reduced:2"));
    QCOMPARE(texts(window.get(), totals), genesisToExodus);
    get<QComboBox>("drpMethod")->setCurrentIndex(0);
    QVERIFY(get<QLineEdit>("txtMethodTotal")->isHidden());

    type("txtEndVerse", "9");
    click("btnRangeTotals");
    QCOMPARE(MessageBox::takeShown(), QStringList{kTitle + "Exodus 1:9 was not found"});
    QCOMPARE(texts(window.get(), totals),
             genesisToExodus);  // a failed validation leaves the totals

    focus(get<QPlainTextEdit>("txtReportHeader"));
    QTest::keyClick(get<QPlainTextEdit>("txtReportHeader"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), get<QWidget>("btnValueSearch"));  // Tab leaves the header

    auto* startChapter = get<QLineEdit>("txtStartChapter");
    auto* endChapter = get<QLineEdit>("txtEndChapter");
    type("txtStartChapter", "1");
    QCOMPARE(endChapter->text(), QStringLiteral("1"));
    QTest::keyClicks(startChapter, "2345");
    QCOMPARE(startChapter->text(), QStringLiteral("123"));
    QCOMPARE(endChapter->text(), QStringLiteral("123"));
    focus(endChapter);
    QCOMPARE(endChapter->text(), QString());  // emptied on focus
    QTest::keyClicks(endChapter, "15");
    QCOMPARE(startChapter->text(), QStringLiteral("123"));
    focus(startChapter);
    QCOMPARE(startChapter->text(), QString());
    QCOMPARE(endChapter->text(), QString());  // the emptied start empties the end too
    type("txtStartVerse", "7");
    QCOMPARE(get<QLineEdit>("txtEndVerse")->text(), QStringLiteral("7"));

    // The start book's choice reaches the end list when focus leaves it, not on choosing.
    auto* start = get<QComboBox>("drpStartBook");
    auto* end = get<QComboBox>("drpEndBook");
    end->setCurrentIndex(5);
    focus(start);
    start->setCurrentIndex(1);
    QCOMPARE(end->currentIndex(), 5);
    focus(get<QLineEdit>("txtValue"));
    QCOMPARE(end->currentText(), QStringLiteral("Exodus"));
    focus(end);
    end->setCurrentIndex(9);
    focus(get<QLineEdit>("txtValue"));
    QCOMPARE(start->currentText(), QStringLiteral("Exodus"));
}

void tst_frmVellumark::optionRules() {
    showWindow();
    auto enabled = [&] {
        int count = 0;
        for (const char* name : {"radWordCount", "radLetterCount", "radGematria"})
            count += get<QRadioButton>(name)->isEnabled();
        return count;
    };
    pick("radLineMatch");
    QCOMPARE(enabled(), 3);
    QVERIFY(get<QRadioButton>("radGematria")->isChecked());
    pick("radWordCount");
    pick("radWordMatch");
    QCOMPARE(enabled(), 0);
    QVERIFY2(get<QRadioButton>("radWordCount")->isChecked(), "the measure stays checked");
    pick("radLineMatch");
    QVERIFY(get<QRadioButton>("radGematria")->isChecked());

    // The rules follow the checked state however it changes: an accessibility action or code.
    pick("radWordMatch");
    QAccessibleInterface* verse =
        QAccessible::queryAccessibleInterface(get<QRadioButton>("radLineMatch"));
    QVERIFY(verse && verse->actionInterface());
    verse->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(get<QRadioButton>("radLineMatch")->isChecked());
    QCOMPARE(enabled(), 3);
    for (const char* name : {"radWordMatch", "radWordCount", "radLineMatch"})
        get<QRadioButton>(name)->setChecked(true);
    QCOMPARE(enabled(), 3);
    QVERIFY(get<QRadioButton>("radGematria")->isChecked());
}

void tst_frmVellumark::folderNameThatIsNotUtf8() {
    const std::string app = dir->file("caf\xE9");  // Latin-1, not UTF-8
    WriteAppFolder(app, {{1, 1, 1, 1, 2, 26, 26, "H1", "E1"}});
    QVERIFY(load(app));
    get<QRadioButton>("radLineMatch")->setChecked(true);
    search("26", "r");
    QCOMPARE(MessageBox::takeShown(), kDone);
    QVERIFY(std::filesystem::exists(app + "/Report/r.html"));
}

void tst_frmVellumark::startupMessages_data() {
    QTest::addColumn<QStringList>("remove");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("WordMatrix missing")    << QStringList{"Data/WordMatrix.dat"} << "%1/Data/WordMatrix.dat was not found.";
    QTest::newRow("first of two missing")  << QStringList{"Data/LineData.dat", "Data/Hebrew.txt"} << "%1/Data/LineData.dat was not found.";
    QTest::newRow("English missing")       << QStringList{"Data/EnglishOT.html"} << "%1/Data/EnglishOT.html was not found.";
    QTest::newRow("Data folder missing")   << QStringList{"Data"} << "%1/Data/LineData.dat was not found.";
    QTest::newRow("unreadable attributes") << QStringList{"loop:Data/Hebrew.txt"} << "Error # 75 trying to open file %1/Data/Hebrew.txt: Too many levels of symbolic links";
    QTest::newRow("folder for a file")     << QStringList{"dir:Data/Hebrew.txt"} << "Error # 75 trying to open file %1/Data/Hebrew.txt: it is a folder, not a file";
    QTest::newRow("named pipe for a file") << QStringList{"fifo:Data/EnglishOT.html"} << "Error # 75 trying to open file %1/Data/EnglishOT.html: it is not a regular file";
    QTest::newRow("words cut")             << QStringList{"cut:Data/WordMatrix.dat"} << "%1/Data/WordMatrix.dat is damaged: its 37 bytes are not a whole number of two-byte fields. Rebuild the data with vellumark-data.";
    QTest::newRow("records cut")           << QStringList{"cut:Data/LineData.dat"} << "%1/Data/LineData.dat is damaged: its 41 bytes are not a whole number of 14-byte verse records. Rebuild the data with vellumark-data.";
    // clang-format on
}

void tst_frmVellumark::startupMessages() {
    QFETCH(QStringList, remove);
    QFETCH(QString, expected);
    for (const QString& entry : remove) {
        const std::string file = dir->file(entry.section(':', -1).toStdString());
        const QString kind = entry.contains(':') ? entry.section(':', 0, 0) : QString();
        if (kind.isEmpty()) {
            std::filesystem::remove_all(file);
        } else if (kind == "cut") {
            std::filesystem::resize_file(file, std::filesystem::file_size(file) - 1);
        } else {
            std::filesystem::remove(file);
            if (kind == "loop")  // a link to itself: its attributes cannot be read
                std::filesystem::create_symlink(file, file);
            else if (kind == "dir")
                std::filesystem::create_directory(file);
            else
                QCOMPARE(mkfifo(file.c_str(), 0600), 0);
        }
    }
    QVERIFY(!load(dir->path()));
    QCOMPARE(MessageBox::takeShown(),
             QStringList{kTitle + expected.arg(QString::fromStdString(dir->path()))});
}

void tst_frmVellumark::reportFolder() {
    std::filesystem::remove_all(dir->file("Report"));
    QVERIFY(load(dir->path()));
    QVERIFY(std::filesystem::is_directory(dir->file("Report")));
    std::filesystem::remove_all(dir->file("Report"));
    WriteFile(dir->file("Report"), "a file in the way");
    QVERIFY(load(dir->path()));
    const QStringList shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].contains(path("Report/")), qPrintable(shown[0]));
}

void tst_frmVellumark::valueSearchValidation_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("nameAfter");
    // clang-format off
    QTest::newRow("letters")    << "abc"  << "r"         << "Please enter a valid numeric search value." << "r";
    QTest::newRow("slash")      << "26"   << " a/b.html" << "A report name cannot contain \"/\" or \"\\\": reports are kept in the Report folder." << "a/b";
    // clang-format on
}

void tst_frmVellumark::valueSearchValidation() {
    QFETCH(QString, value);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, nameAfter);
    search(value, name);
    QCOMPARE(MessageBox::takeShown(), QStringList{kTitle + message});
    QCOMPARE(get<QLineEdit>("txtReportName")->text(), nameAfter);
    QVERIFY(std::filesystem::is_empty(dir->file("Report")));
}

void tst_frmVellumark::valueSearchStatusOverwriteAndDispatch() {
    QCOMPARE(status(), QString());
    QVERIFY(!get<QPushButton>("btnOpenReport")->isEnabled());
    search("26", "ws-26");
    QCOMPARE(MessageBox::takeShown(), kDone);
    QCOMPARE(status(), QStringLiteral("2 hits written to Report/ws-26.html"));
    click("btnOpenReport");
    QCOMPARE(Desktop::takeOpened(), QList{url("Report/ws-26.html")});

    search("5", "none");
    QCOMPARE(MessageBox::takeShown(), kDone);
    QCOMPARE(status(), QStringLiteral("No hits: Report/none.html holds no entries"));
    click("btnOpenReport");  // an empty report opens too
    QCOMPARE(Desktop::takeOpened(), QList{url("Report/none.html")});

    const std::string report = dir->file("Report/study.html");
    WriteFile(report, "old");
    search("26", "study");
    QCOMPARE(MessageBox::takeShown(),
             QStringList{"Overwrite?|Report file study.html already exists. Overwrite?"});
    QCOMPARE(ReadFile(report), std::string("old"));

    // Verse gematria, verse letter count, words (the checked measure is not looked at), phrases.
    for (const auto& [option, value, found] :
         {std::array{"radLineMatch", "626", "<b>Exo 1:1 </b></a> (H6)"},
          std::array{"radLetterCount", "9", "<b>Gen 1:2 </b></a> H3 H4 H5"},
          std::array{"radWordMatch", "26", "<b><i>H3</i></b>"},
          std::array{"radMatchMultiple", "27", "<b><i>H3 H4</i></b> H5"}}) {
        pick(option);
        MessageBox::setNextAnswer(MessageBox::Yes);
        search(value, "study");
        QCOMPARE(MessageBox::takeShown().last(), kDone.first());
        QVERIFY2(ReadFile(report).find(found) != std::string::npos, option);
    }

    // A verse run that fails in the middle of the scan hides its progress and names the
    // report it did not write, offering nothing to open.
    showWindow();
    pick("radLineMatch");
    WriteFile(dir->file("Data/Hebrew.txt"), CrLf({"Exo 1:1 H6"}));
    search("26", "failed");
    const QStringList failed = MessageBox::takeShown();
    QCOMPARE(failed.size(), 1);
    QVERIFY2(failed[0].contains("no line for Gen 1:1"), qPrintable(failed[0]));
    QVERIFY(!std::filesystem::exists(dir->file("Report/failed.html")));
    for (const char* name : {"lblProcessing", "prgProgress", "btnKill"})
        QVERIFY2(get<QWidget>(name)->isHidden(), name);
    QCOMPARE(status(), QStringLiteral("The search stopped: Report/failed.html was not written"));
    QVERIFY(!get<QPushButton>("btnOpenReport")->isEnabled());
}

void tst_frmVellumark::multipleMatchBusyKillAndClose() {
    // Verse Match, Multiple Match, gematria: the search that yields to the window.
    showWindow();
    pick("radLineMatch");
    pick("radMatchMultiple");
    bool barShown = false;
    QTimer::singleShot(0, this, [&] {
        barShown = get<QWidget>("prgProgress")->isVisible() && get<QWidget>("btnKill")->isVisible();
        click("btnValueSearch");  // a second search while the first runs
        click("btnReportFilter");
        click("btnKill");
    });
    search("26", "runs");
    QVERIFY(barShown);
    const QString busy = kTitle +
                         "A Multiple Match search is still running. Wait until it has finished, "
                         "or click Kill Process.";
    QCOMPARE(MessageBox::takeShown(), (QStringList{busy, busy, kDone.first()}));
    QCOMPARE(ReadFile(dir->file("Report/runs.html")), EmptyReport());
    QCOMPARE(status(), QStringLiteral("Kill Process: 0 hits written to Report/runs.html"));
    QVERIFY(!window->killRequested());
    QVERIFY(get<QWidget>("prgProgress")->isHidden() && get<QWidget>("btnKill")->isHidden());

    // Closing the window during a scan waits for the report to be finished.
    bool openWhileScanning = false;
    QTimer::singleShot(0, window.get(), [&] {
        window->close();
        openWhileScanning = window->isVisible();
    });
    search("3", "closing");
    QVERIFY(openWhileScanning);
    QVERIFY(!window->isVisible());
    QVERIFY(MessageBox::takeShown().isEmpty());
    QCOMPARE(ReadFile(dir->file("Report/closing.html")), EmptyReport());
}

void tst_frmVellumark::reportFilterThroughTheWindow() {
    const std::string report = dir->file("Report/words.html");
    WriteFile(report, CrLf({"<html>", "<p><a href='x'><b>Gen 1:1 </b></a>  <b><i>A B</i></b> C",
                            "E1", "<p><a href='x'><b>Gen 1:2 </b></a>  <b><i>C</i></b>", "E2",
                            "</body></html>"}));
    get<QLineEdit>("txtReportName")->setText("nothing.html");
    click("btnReportFilter");
    QCOMPARE(MessageBox::takeShown(),
             QStringList{kTitle + path("Report/nothing.html") + " was not found."});
    get<QLineEdit>("txtReportName")->setText(" words.html ");
    get<QLineEdit>("txtReportFilter")->setText(" a   b ");
    get<QPlainTextEdit>("txtReportHeader")->setPlainText("  Heading ");
    click("btnReportFilter");
    QCOMPARE(MessageBox::takeShown(), kDone);
    QCOMPARE(get<QLineEdit>("txtReportName")->text(), QStringLiteral("words"));
    QCOMPARE(get<QLineEdit>("txtReportFilter")->text(), QStringLiteral("a b"));
    QCOMPARE(get<QPlainTextEdit>("txtReportHeader")->toPlainText(), QStringLiteral("  Heading "));
    QCOMPARE(ReadFile(report),
             CrLf({"<html>", "<p>", "<h2>Heading</h2>", "<p>",
                   "<p><a href='x'><b>Gen 1:2 </b></a>  <b><i>C</i></b>", "E2", "</body></html>"}));
    QCOMPARE(status(),
             QStringLiteral("Report Filter removed 1 of 2 entries from Report/words.html"));
    click("btnOpenReport");
    QCOMPARE(Desktop::takeOpened(), QList{url("Report/words.html")});

    // A verse report highlights nothing: the user is asked, and No keeps it.
    const std::string verses = CrLf({"<html>", "<p><a href='x'><b>Gen 1:1 </b></a> C", "E1"});
    WriteFile(report, verses);
    click("btnReportFilter");
    QCOMPARE(MessageBox::takeShown(),
             QStringList{"Report Filter|words.html highlights nothing, so filtering it removes "
                         "every entry. Filter anyway?"});
    QCOMPARE(ReadFile(report), verses);
}

void tst_frmVellumark::menusOpenTheRightFiles() {
    Desktop::setNextChoice(path("Report/chosen.html"));
    trigger("mnuOpenReport");
    trigger("mnuOpenReport");  // cancelled: nothing opens
    trigger("mnuOpenReportFolder");
    trigger("mnuSources");
    QUrl sources = url("Data/EnglishOT.html");
    sources.setFragment("sources");
    QCOMPARE(Desktop::takeOpened(), (QList{url("Report/chosen.html"), url("Report/"), sources}));

    trigger("mnuAbout");
    const QStringList about = MessageBox::takeShown();
    QCOMPARE(about.size(), 1);
    for (const QString& needed :
         {QStringLiteral("About Vellumark|<h3>Vellumark " VELLUMARK_VERSION "</h3>"),
          QStringLiteral("Westminster Leningrad Codex"), QStringLiteral("Open Scriptures"),
          QStringLiteral("CC BY 4.0"), QStringLiteral("King James Version"),
          QStringLiteral("Lesser General Public License"), QStringLiteral("pugixml"),
          QStringLiteral("Sources and Counting Rules"), "Reports go to " + path("Report/") + "."})
        QVERIFY2(about[0].contains(needed), qPrintable(needed));

    showWindow();
    trigger("mnuQuit");
    QVERIFY(!window->isVisible());
}

void tst_frmVellumark::returnRunsTheRowsCommand_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("message");
    const QString value = "Please enter a valid numeric search value.";
    const QString name = "Please enter the name of the report that you want to filter.";
    const QString chapter = "Please enter a valid start chapter.";
    // clang-format off
    QTest::newRow("value")             << "txtValue"        << 0                        << value;
    QTest::newRow("report name")       << "txtReportName"   << 0                        << value;
    QTest::newRow("header, Ctrl")      << "txtReportHeader" << int(Qt::ControlModifier) << value;
    QTest::newRow("header, new line")  << "txtReportHeader" << 0                        << "";
    QTest::newRow("filter text")       << "txtReportFilter" << 0                        << name;
    QTest::newRow("start chapter")     << "txtStartChapter" << 0                        << chapter;
    QTest::newRow("end verse")         << "txtEndVerse"     << 0                        << chapter;
    // clang-format on
}

void tst_frmVellumark::returnRunsTheRowsCommand() {
    QFETCH(QString, field);
    QFETCH(int, modifiers);
    QFETCH(QString, message);
    showWindow();
    QWidget* widget = get<QWidget>(field.toLatin1());
    focus(widget);
    QTest::keyClick(widget, Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(MessageBox::takeShown(),
             message.isEmpty() ? QStringList() : QStringList{kTitle + message});
    // A plain Return in the header adds a line; a Return that runs a command adds none.
    QCOMPARE(get<QPlainTextEdit>("txtReportHeader")->toPlainText(),
             message.isEmpty() ? QStringLiteral("\n") : QString());
}

void tst_frmVellumark::calculator() {
    frmCalculator* calculator = openCalculator();
    QVERIFY(calculator->isVisible() && calculator->isWindow());
    const QList<QPair<const char*, QString>> names = {
        {"txtHebrew", "Hebrew Text:"},
        {"txtWords", "Words:"},
        {"txtLetters", "Letters:"},
        {"txtGematria", "Gematria:"},
        {"txtFinalGematria", "Final-letter gematria:"}};
    for (const auto& [name, text] : names)
        QVERIFY2(NamedOrLabelled(in<QWidget>(calculator, name), text), name);
    auto results = [&] {
        return texts(calculator, {"txtWords", "txtLetters", "txtGematria", "txtFinalGematria",
                                  "txtOrdinal", "txtReduced", "txtAtbash"});
    };

    auto* text = in<QPlainTextEdit>(calculator, "txtHebrew");
    for (QChar letter : QStringLiteral("אלהים"))  // typed as a Hebrew layout sends it
        QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    QCOMPARE(results(), (QStringList{"1", "5", "86", "646", "41", "14", "560"}));

    // Genesis 1:1 with points, accents, morpheme slashes and sof pasuq.
    text->clear();
    QApplication::clipboard()->setText(QStringLiteral("בְּ/רֵאשִׁ֖ית בָּרָ֣א אֱלֹהִ֑ים אֵ֥ת הַ/שָּׁמַ֖יִם וְ/אֵ֥ת הָ/אָֽרֶץ׃"));
    text->paste();
    QCOMPARE(results().mid(0, 4), (QStringList{"7", "28", "2701", "4631"}));
    QVERIFY2(in<QLabel>(calculator, "lblIgnored")->text().startsWith("35 characters ignored"),
             qPrintable(in<QLabel>(calculator, "lblIgnored")->text()));
    const QAbstractItemModel* table = in<QTableView>(calculator, "tblWords")->model();
    QCOMPARE(table->rowCount(), 7);
    QCOMPARE(table->index(6, 0).data().toString(), QStringLiteral("הארץ"));
    QCOMPARE(table->index(6, 1).data().toString(), QStringLiteral("296"));
    QCOMPARE(table->index(6, 2).data().toString(), QStringLiteral("1106"));

    // Presentation forms count as their letter: shin with its dot, wide alef.
    text->setPlainText(QStringLiteral("\uFB2A\uFB21"));
    QCOMPARE(results().mid(0, 3), (QStringList{"1", "2", "301"}));
    text->setPlainText(QStringLiteral("no Hebrew"));
    QCOMPARE(results().mid(0, 3), (QStringList{"0", "0", "0"}));
    QVERIFY(!in<QPushButton>(calculator, "btnUseValue")->isEnabled());

    // The keypad: alef, bet, backspace, final mem, space, tav.
    text->clear();
    for (const char* key :
         {"btnLetter1", "btnLetter2", "btnBackspace", "btnLetter14", "btnSpace", "btnLetter27"})
        QTest::mouseClick(in<QPushButton>(calculator, key), Qt::LeftButton);
    QCOMPARE(text->toPlainText(), QStringLiteral("אם ת"));
    for (int form = 0; form < 27; ++form) {
        const QByteArray name = "btnLetter" + QByteArray::number(form + 1);
        QCOMPARE(in<QPushButton>(calculator, name.constData())->text(),
                 QString(QChar(0x05D0 + form)));
    }
    QCOMPARE(in<QPushButton>(calculator, "btnLetter14")->accessibleName(),
             QStringLiteral("Final Mem"));
    QCOMPARE(in<QLineEdit>(calculator, "txtGematria")->text(), QStringLiteral("441"));
    // Use Value hands on the value by the main window's Method: אם ת is 36 by Ordinal.
    for (const auto& [method, value] :
         {std::pair{"Standard and final letters", "441"}, {"Ordinal", "36"}}) {
        get<QComboBox>("drpMethod")->setCurrentText(method);
        QCOMPARE(in<QPushButton>(calculator, "btnUseValue")->text(),
                 QStringLiteral("Use Value (%1)").arg(method));
        QTest::mouseClick(in<QPushButton>(calculator, "btnUseValue"), Qt::LeftButton);
        QCOMPARE(get<QLineEdit>("txtValue")->text(), QString(value));
    }
    QCOMPARE(window->focusWidget(), get<QWidget>("txtReportName"));
    QCOMPARE(openCalculator(), calculator);  // the menu brings back the one calculator

    // Equal under other methods: כו is 26 by Standard (no row chosen). The records hold
    // the words 26 of Gen 1:2 and Exo 1:1 and the verses Gen 1:1 and Exo 1:1; the test's
    // Hebrew.txt has no letters, so the other methods find nothing.
    text->setPlainText(QStringLiteral("כו"));
    QTest::mouseClick(in<QPushButton>(calculator, "btnEqual"), Qt::LeftButton);
    const QAbstractItemModel* equal = in<QTableView>(calculator, "tblEqual")->model();
    QCOMPARE(equal->rowCount(), 25);
    auto equalRow = [&](int r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c) cells << equal->index(r, c).data().toString();
        return cells.join(' ');
    };
    QCOMPARE(equalRow(0), QStringLiteral("Standard and final letters 2 0 2"));
    QCOMPARE(equalRow(1), QStringLiteral("Standard 0 0 0"));
    QCOMPARE(in<QLabel>(calculator, "lblEqual")->text(),
             QStringLiteral(
                 "Equal to 26, the value under Standard (no phrases: the text is one word):"));
    // A count opens its hits in the Results window; the matrix's row of the text's
    // Standard value holds the same words, and goes out as CSV.
    auto* equalTable = in<QTableView>(calculator, "tblEqual");
    emit equalTable->activated(equal->index(0, 1));
    auto* found = window->findChild<frmResults*>();
    QVERIFY(found && found->isVisible());
    QSignalSpy shown(found, &frmResults::resultsShown);
    QVERIFY(shown.wait());
    QVERIFY(in<QLabel>(found, "lblTitle")
                ->text()
                .startsWith("2 hits in 2 verses: words equal to 26 by Standard and final letters"));
    const QAbstractItemModel* matrix = in<QTableView>(calculator, "tblMatrix")->model();
    QCOMPARE(matrix->rowCount(), 26);
    QCOMPARE(matrix->headerData(1, Qt::Vertical).toString(), QStringLiteral("Standard"));
    QCOMPARE(matrix->index(1, 1).data().toString() + " " + matrix->index(1, 2).data().toString(),
             QStringLiteral("2 0"));
    const std::string csv = dir->file("matrix.csv");
    Desktop::setNextChoice(QString::fromStdString(csv));
    QTest::mouseClick(in<QPushButton>(calculator, "btnExportMatrix"), Qt::LeftButton);
    QVERIFY(ReadFile(csv).find("\r\nstandard,26,2,0,0,") != std::string::npos);
    // Integral reduced is not for searches.
    auto* methods = in<QTableView>(calculator, "tblMethods");
    methods->selectRow(7);
    QTest::mouseClick(in<QPushButton>(calculator, "btnEqual"), Qt::LeftButton);
    QCOMPARE(MessageBox::takeShown(),
             QStringList{kTitle + "Integral reduced is not for searches: choose another method "
                                  "in the table."});
}

void tst_frmVellumark::noControlsOverlap() {
    showWindow();
    QCOMPARE(OverlappingControls(window.get()), QStringList());
}

void tst_frmVellumark::installedLayoutWritesToTheDocumentsFolder() {
    // An installed program: no Data beside it, the data under its prefix.
    const std::string bin = dir->file("prefix/bin"), home = dir->file("home");
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(dir->file("prefix/share/vellumark"));
    std::filesystem::create_directories(home + "/.config");
    // A user-dirs.dirs that is a pipe is not waited on, and the status line says so.
    QCOMPARE(::mkfifo((home + "/.config/user-dirs.dirs").c_str(), 0600), 0);
    std::filesystem::rename(dir->file("Data"), dir->file("prefix/share/vellumark/Data"));
    const vellumark::AppFolders folders =
        vellumark::ChooseAppFolders(bin, vellumark::InstalledDataFolder(bin), {home});
    QVERIFY2(folders.installed && folders.message.empty(), folders.message.c_str());
    QVERIFY(load(folders.app));
    window->announce(QString::fromStdString(vellumark::ReportsGoTo(folders)));
    QCOMPARE(status(), "Reports go to " + path("home/Documents/Vellumark/Report/") + ". " +
                           path("home/.config/user-dirs.dirs") +
                           " was not read: it is a named pipe, not a file.");

    search("26", "installed");
    QCOMPARE(MessageBox::takeShown(), kDone);
    QVERIFY(ReadFile(home + "/Documents/Vellumark/Report/installed.html")
                .find("..\\Data\\EnglishOT.html#") != std::string::npos);
    QVERIFY(std::filesystem::is_regular_file(home + "/Documents/Vellumark/Data/EnglishOT.html"));
}

void tst_frmVellumark::methodAndRangeReachTheSearch() {
    const std::string hebrew = dir->file("hebrew");
    WriteHebrewAppFolder(hebrew,
                         {{1, 1, 1, "אם ית", "E1"}, {1, 1, 2, "כל", "E2"}, {2, 1, 1, "אם", "E3"}});
    QVERIFY(load(hebrew));
    auto* method = get<QComboBox>("drpMethod");
    auto* scope = get<QComboBox>("drpScope");
    QCOMPARE(method->currentText(), QStringLiteral("Standard and final letters"));
    QCOMPARE(scope->currentText(), QStringLiteral("Whole text"));
    auto report = [&] { return ReadFile(hebrew + "/Report/r.html"); };

    // Ordinal: אם 1+13; in Genesis 1 only, the second אם (Exodus) is left out.
    method->setCurrentText("Ordinal");
    scope->setCurrentText("The range below");
    get<QLineEdit>("txtStartChapter")->setText("1");
    get<QLineEdit>("txtStartVerse")->setText("1");
    get<QLineEdit>("txtEndVerse")->setText("2");
    search("14", "r");
    QCOMPARE(MessageBox::takeShown(), kDone);
    QVERIFY(report().find("<p>Method: Ordinal. Range: Genesis 1:1 to Genesis 1:2.</p>") !=
            std::string::npos);
    QCOMPARE(status(), QStringLiteral("1 hit written to Report/r.html"));

    // A range that fails is reported before the question about the existing report.
    get<QLineEdit>("txtStartVerse")->clear();
    MessageBox::setNextAnswer(MessageBox::Yes);
    search("14", "r");
    QCOMPARE(MessageBox::takeShown(), QStringList{kTitle + "Please enter a valid start verse."});
    MessageBox::setNextAnswer(MessageBox::No);

    // A named scope: its verses, not the range fields (disabled), for the search and the totals.
    scope->setCurrentText("Exodus");
    QVERIFY(!get<QLineEdit>("txtStartChapter")->isEnabled());
    MessageBox::setNextAnswer(MessageBox::Yes);
    search("14", "r");
    QCOMPARE(MessageBox::takeShown().last(), kDone.first());
    QVERIFY(report().find("<p>Method: Ordinal. Scope: Exodus.</p>") != std::string::npos);
    click("btnRangeTotals");
    QCOMPARE(texts(window.get(), {"txtWordCount", "txtLetterCount", "txtMethodTotal"}),
             (QStringList{"1", "2", "14"}));
    QCOMPARE(status(), QStringLiteral("Range Totals of Exodus"));

    // The default method and no range: no such line, both אם found.
    method->setCurrentIndex(0);
    scope->setCurrentIndex(0);
    MessageBox::setNextAnswer(MessageBox::Yes);
    search("41", "r");
    QCOMPARE(MessageBox::takeShown().last(), kDone.first());
    QVERIFY(report().find("Method:") == std::string::npos);
    QCOMPARE(status(), QStringLiteral("2 hits written to Report/r.html"));

    // The drop-down: the default, All methods, then the groups under headings that
    // cannot be chosen; each method once, Integral reduced for Range Totals only.
    QStringList fixed;
    QList<int> methods;
    for (int k = 0; k < method->count(); ++k) {
        const auto* item = qobject_cast<QStandardItemModel*>(method->model())->item(k);
        if (item->isSelectable())
            methods << method->itemData(k).toInt();
        else if (!method->itemText(k).isEmpty())
            fixed << method->itemText(k);
    }
    QCOMPARE(fixed,
             (QStringList{"Standard values", "Substitutions", "Squares and sums", "Fillings"}));
    QCOMPARE(methods.size(), 27);
    QCOMPARE(methods.mid(0, 3), (QList<int>{0, -1, 1}));
    QCOMPARE(QSet<int>(methods.begin(), methods.end()).size(), 27);
    method->setCurrentText("Integral reduced (Range Totals only)");
    search("4", "r");
    QCOMPARE(MessageBox::takeShown(),
             QStringList{kTitle + "Integral reduced is not for searches: choose another Method. "
                                  "It gives the totals of Range Totals and the calculator's "
                                  "values."});

    // All methods: אם by the standard values and ית by atbash, under their headings.
    method->setCurrentText("All methods");
    MessageBox::setNextAnswer(MessageBox::Yes);
    search("41", "r");
    QCOMPARE(MessageBox::takeShown().last(), kDone.first());
    QVERIFY(report().find("<p>Method: All methods.</p>\r\n<h3>Standard and final letters</h3>") !=
            std::string::npos);
    QCOMPARE(status(), QStringLiteral("5 hits written to Report/r.html"));
}

void tst_frmVellumark::searchDataKeptUntilAFileChanges() {
    // The words 26 of Gen 1:2 and Exo 1:1; the same bytes but for Gen 1:2's 26
    // (now 25) under the same size and time are not read again.
    search("26", "first");
    QCOMPARE(MessageBox::takeShown(), kDone);
    QCOMPARE(status(), QStringLiteral("2 hits written to Report/first.html"));
    const std::string words = dir->file("Data/WordMatrix.dat");
    const auto written = std::filesystem::last_write_time(words);
    WriteFile(words, WordFields({0, 1, 1, 1, 13, 13, 0, 1, 1, 2, 25, 1, 2, 0, 2, 1, 1, -26, 626}));
    std::filesystem::last_write_time(words, written);
    search("26", "kept");
    QCOMPARE(MessageBox::takeShown(), kDone);
    QCOMPARE(status(), QStringLiteral("2 hits written to Report/kept.html"));

    std::filesystem::last_write_time(words, written + std::chrono::seconds(1));
    search("26", "changed");
    QCOMPARE(MessageBox::takeShown(), kDone);
    QCOMPARE(status(), QStringLiteral("1 hit written to Report/changed.html"));

    WriteFile(words, WordFields({0, 1, 1, 1, 13}));
    search("26", "damaged");
    const QStringList shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].contains("WordMatrix.dat"), qPrintable(shown[0]));
    QCOMPARE(status(), QStringLiteral("The search stopped: Report/damaged.html was not written"));
}

void tst_frmVellumark::readTextAndStatistics() {
    // The read text of Data/Qere: Exodus 1:1 reads two words where one is written.
    const std::string app = dir->file("hebrew");
    WriteHebrewAppFolder(app,
                         {{1, 1, 1, "אם ית", "E1"}, {1, 1, 2, "כל", "E2"}, {2, 1, 1, "אם", "E3"}});
    WriteHebrewAppFolder(dir->file("read"),
                         {{1, 1, 1, "אם ית", "E1"}, {1, 1, 2, "כל", "E2"}, {2, 1, 1, "ב ג", "E3"}});
    std::filesystem::create_directory(app + "/Data/Qere");
    for (const char* file : {"LineData.dat", "WordMatrix.dat", "Hebrew.txt"})
        std::filesystem::copy_file(dir->file(std::string("read/Data/") + file),
                                   app + "/Data/Qere/" + file);
    QVERIFY(load(app));
    QVERIFY(get<QComboBox>("drpText")->isEnabled());
    get<QComboBox>("drpText")->setCurrentText("Read (qere)");
    search("41", "r");
    QCOMPARE(MessageBox::takeShown(), kDone);
    QVERIFY(ReadFile(app + "/Report/r.html").find("<p>Text: read (qere).</p>") !=
            std::string::npos);
    QCOMPARE(status(), QStringLiteral("1 hit written to Report/r.html"));

    // Text Statistics opens on the main window's reading: books, sections, the whole text.
    trigger("mnuStatistics");
    auto* statistics = window->findChild<frmStatistics*>();
    QVERIFY(statistics && statistics->isVisible());
    QAbstractItemModel* table = in<QTableView>(statistics, "tblStatistics")->model();
    QAbstractItemModelTester tester(table, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(table->rowCount(), 43);
    QCOMPARE(table->index(42, 3).data().toString(), QStringLiteral("5"));  // words, read text
    QCOMPARE(table->index(39, 6).data().toString(), QStringLiteral("5,845"));
    in<QLineEdit>(statistics, "txtScope")->setText("Exodus");
    QTest::mouseClick(in<QPushButton>(statistics, "btnShow"), Qt::LeftButton);
    QCOMPARE(table->index(43, 0).data().toString(), QStringLiteral("Exodus"));
    in<QComboBox>(statistics, "drpUnit")->setCurrentText("letter");
    in<QSpinBox>(statistics, "spnGoTo")->setValue(2);
    QTest::mouseClick(in<QPushButton>(statistics, "btnGoTo"), Qt::LeftButton);
    QCOMPARE(in<QLabel>(statistics, "lblReference")->text(),
             QStringLiteral("Letter 2 of Exodus: Exo 1:1, word 2, letter 1"));
    Desktop::setNextChoice(QString::fromStdString(app + "/stats.csv"));
    QTest::mouseClick(in<QPushButton>(statistics, "btnExport"), Qt::LeftButton);
    QVERIFY(ReadFile(app + "/stats.csv")
                .ends_with("\"Exodus\",1,1,2,2,5,0,1,1,0,0,0,0,0,0,0,0,0,0,0,"
                           "0,0,0,0,0,0,0,0,0,0,0,0,0,1209,,\n"));
    in<QLineEdit>(statistics, "txtScope")->setText("Vayetzi");
    QTest::mouseClick(in<QPushButton>(statistics, "btnShow"), Qt::LeftButton);
    QVERIFY(in<QLabel>(statistics, "lblMessage")->text().contains("The nearest names: Vayetze"));

    // Find reads the text of its own Text choice: the read Exodus 1:1 holds ב, the written one not.
    trigger("mnuResults");
    auto* results = window->findChild<frmResults*>();
    in<QComboBox>(results, "drpText")->setCurrentText("Read (qere)");
    QSignalSpy shown(results, &frmResults::resultsShown);
    in<QLineEdit>(results, "txtFind")->setText("2");
    QVERIFY(shown.wait());
    QCOMPARE(in<QLabel>(results, "lblTitle")->text(),
             QStringLiteral("1 hit in 1 verse: words equal to 2 by Standard and final letters, "
                            "Genesis 1:1 to Exodus 1:1, read text (qere)"));
}

QTEST_MAIN(tst_frmVellumark)
#include "tst_frmVellumark.moc"

void tst_frmVellumark::openReportWithoutABrowserShowsResults() {
    search("26", "ws-26");
    QCOMPARE(MessageBox::takeShown(), kDone);
    Desktop::setOpenFails(true);
    click("btnOpenReport");
    QCOMPARE(Desktop::takeOpened(), QList{url("Report/ws-26.html")});
    QCOMPARE(MessageBox::takeShown(),
             QStringList{kTitle + "No program could open Report/ws-26.html. Install a web "
                                  "browser, or use Show Results."});
    auto* results = window->findChild<frmResults*>();
    QVERIFY(results && results->isVisible());
    QSignalSpy shown(results, &frmResults::resultsShown);
    QVERIFY(shown.wait());
    QCOMPARE(in<QTableView>(results, "tblResults")->model()->rowCount(), 2);
    QVERIFY(in<QLabel>(results, "lblTitle")
                ->text()
                .startsWith("2 hits in 2 verses: words equal to 26"));

    // Once open, the window shows the hits of each Value Search, with its report.
    search("27", "phrase");
    QCOMPARE(MessageBox::takeShown(), kDone);
    QVERIFY(in<QLabel>(results, "lblTitle")->text().startsWith("0 hits in 0 verses"));
    QVERIFY(in<QPushButton>(results, "btnOpenReport")->isEnabled());
}

void tst_frmVellumark::windowsFitTheScreen() {
    // 700 pixels at 96 DPI leave room for a title bar and a panel on a 768-pixel screen.
    showWindow();
    QVERIFY2(window->height() <= 700, qPrintable(QString::number(window->height())));
    frmCalculator* calculator = openCalculator();
    const QRect area = calculator->screen()->availableGeometry();
    QVERIFY(area.contains(calculator->frameGeometry()));
    trigger("mnuResults");
    auto* results = window->findChild<frmResults*>();
    QVERIFY(area.contains(results->frameGeometry()));
    // It opens where it was closed, Find as it was left.
    results->setGeometry(40, 50, 700, 400);
    in<QLineEdit>(results, "txtFind")->setText("27");
    in<QComboBox>(results, "drpMatch")->setCurrentText("Phrases");
    results->close();
    window.reset();
    QVERIFY(load(dir->path()));
    trigger("mnuResults");
    results = window->findChild<frmResults*>();
    QCOMPARE(results->geometry(), QRect(40, 50, 700, 400));
    QCOMPARE(in<QLineEdit>(results, "txtFind")->text(), QStringLiteral("27"));
    QCOMPARE(in<QComboBox>(results, "drpMatch")->currentText(), QStringLiteral("Phrases"));
}

#include "support/Fixtures.h"
#include "window/Desktop.h"
#include "window/MessageBox.h"
#include "window/frmResults.h"
#include "window/frmVellumark.h"
#include "window/frmVerseView.h"
#include "window/results/FindRunner.h"
#include "window/results/MatchGroupsModel.h"
#include "window/results/ResultsFilter.h"
#include "window/results/ResultsModel.h"

#include <QAbstractItemModelTester>
#include <QtTest>
#include <QtWidgets>

#include <memory>

using namespace testing_support;

template <typename T>
T* in(QObject* parent, const char* name = nullptr) {
    T* object = name ? parent->findChild<T*>(QLatin1String(name)) : parent->findChild<T*>();
    if (!object) qFatal("no %s", name ? name : "object");
    return object;
}

class tst_frmResults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void findPauseCancellationAndScope();
    void rowsGroupsAndFilter();
    void copyExportAndSaveAsReport();
    void verseViewContextAndNavigation();

private:
    frmResults* results() { return in<frmResults>(main.get()); }
    QTableView* table() { return in<QTableView>(results(), "tblResults"); }
    QString title() { return in<QLabel>(results(), "lblTitle")->text(); }
    QStringList column(int column) {
        QStringList values;
        for (int row = 0; row < table()->model()->rowCount(); ++row)
            values << table()->model()->index(row, column).data().toString();
        return values;
    }
    /// Types into Find and waits for the rows.
    void find(const QString& text) {
        QSignalSpy shown(results(), &frmResults::resultsShown);
        in<QLineEdit>(results(), "txtFind")->setText(text);
        QVERIFY(shown.wait());
    }

    QTemporaryDir settings;
    std::unique_ptr<TempDir> dir;
    std::unique_ptr<frmVellumark> main;
};

void tst_frmResults::initTestCase() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
}

void tst_frmResults::init() {
    MessageBox::setScripted(true);
    Desktop::setScripted(true);
    dir = std::make_unique<TempDir>();
    // יהוה and כו are 26; the chapter has eight verses, then Exodus 1:1.
    WriteHebrewAppFolder(dir->path(), {{1, 1, 1, "יהוה אלהים יהוה", "The LORD God, the LORD"},
                                       {1, 1, 2, "כי טוב", "that <i>it was</i> good"},
                                       {1, 1, 3, "אור", "light"},
                                       {1, 1, 4, "כו אור", "thus light"},
                                       {1, 1, 5, "יום", "day"},
                                       {1, 1, 6, "רקיע", "firmament"},
                                       {1, 1, 7, "מים", "waters"},
                                       {1, 1, 8, "שמים", "heaven"},
                                       {2, 1, 1, "ויהי יהוה", "And the LORD was"}});
    main = std::make_unique<frmVellumark>(dir->path());
    QVERIFY(main->Form_Load());
    main->findChild<QAction*>("mnuResults")->trigger();
    results()->setFindPause(20);
}

void tst_frmResults::cleanup() {
    main.reset();
    dir.reset();
    QSettings().clear();
    QVERIFY2(MessageBox::takeShown().isEmpty(), "a message was shown that the test did not check");
    QVERIFY2(Desktop::takeOpened().isEmpty(), "a file was opened that the test did not check");
}

void tst_frmResults::findPauseCancellationAndScope() {
    auto* runner = in<FindRunner>(results());
    QSignalSpy started(runner, &FindRunner::started);
    QSignalSpy shown(results(), &frmResults::resultsShown);
    // Typing "2", "26" within the pause searches once, for 26.
    in<QLineEdit>(results(), "txtFind")->setText("2");
    in<QLineEdit>(results(), "txtFind")->setText("26");
    QVERIFY(shown.wait());
    QCOMPARE(started.count(), 1);
    QCOMPARE(title(), QStringLiteral("4 hits in 3 verses: words equal to 26 by Standard and final "
                                     "letters, Genesis 1:1 to Exodus 1:1"));
    QCOMPARE(column(ResultsModel::Reference),
             (QStringList{"Gen 1:1", "Gen 1:1", "Gen 1:4", "Exo 1:1"}));

    // A newer input drops the search already running.
    in<QLineEdit>(results(), "txtFind")->setText("17");
    QVERIFY(started.wait());
    in<QLineEdit>(results(), "txtFind")->setText("30");
    QVERIFY(shown.wait());
    QTest::qWait(100);
    QCOMPARE(shown.count(), 2);
    QVERIFY(title().startsWith("1 hit in 1 verse: words equal to 30"));

    // Hebrew is searched by its value under the chosen method; the scope narrows it.
    in<QComboBox>(results(), "drpScope")->setCurrentText("Gen 1:1-1:3");
    find(QStringLiteral("כּוֹ"));
    QCOMPARE(column(ResultsModel::Reference), (QStringList{"Gen 1:1", "Gen 1:1"}));
    QVERIFY(title().endsWith("Genesis 1:1 to Genesis 1:3"));
    in<QComboBox>(results(), "drpScope")->setCurrentText("Gen 9:1-9:2");
    QCOMPARE(in<QLabel>(results(), "lblFindMessage")->text(),
             QStringLiteral("Genesis 9:1 was not found"));
    // Named scopes and several parts, as the command line's --scope takes them.
    in<QComboBox>(results(), "drpScope")->setCurrentText("Exodus, Gen 1:4");
    find(QStringLiteral("26"));
    QCOMPARE(column(ResultsModel::Reference), (QStringList{"Gen 1:4", "Exo 1:1"}));
    QVERIFY(title().endsWith("by Standard and final letters, Exodus, Genesis 1:4"));
    in<QComboBox>(results(), "drpScope")->setCurrentText("Exodsu");
    QVERIFY(in<QLabel>(results(), "lblFindMessage")->text().contains("Exodus"));
    in<QComboBox>(results(), "drpScope")->setCurrentText("Whole text");
    in<QComboBox>(results(), "drpMethod")->setCurrentText("Ordinal");
    find(QStringLiteral("כו"));  // 11 + 6 by Ordinal, as טוב
    QVERIFY(title().startsWith("2 hits in 2 verses: words equal to 17 by Ordinal"));
    QVERIFY(in<QComboBox>(results(), "drpMatch")->accessibleName() == "Match:");
}

void tst_frmResults::rowsGroupsAndFilter() {
    auto* model = in<ResultsModel>(results());
    auto* filter = in<ResultsFilter>(results());
    auto* groups = in<MatchGroupsModel>(results());
    QAbstractItemModelTester checkModel(model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester checkFilter(filter,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester checkGroups(groups,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    find("26");
    QCOMPARE(column(ResultsModel::English).last(), QStringLiteral("And the LORD was"));
    const QModelIndex hebrew = table()->model()->index(1, ResultsModel::Hebrew);
    QCOMPARE(hebrew.data(ResultsModel::MatchedWordsRole).value<QList<int>>(), QList<int>{2});

    // A header click sorts; the reference sorts in the text's order.
    table()->sortByColumn(ResultsModel::Hebrew, Qt::AscendingOrder);
    QCOMPARE(column(ResultsModel::Reference).first(), QStringLiteral("Exo 1:1"));
    table()->sortByColumn(ResultsModel::Reference, Qt::AscendingOrder);
    QCOMPARE(column(ResultsModel::Reference).first(), QStringLiteral("Gen 1:1"));

    in<QCheckBox>(results(), "chkGroup")->setChecked(true);
    QCOMPARE(groups->rowCount(), 2);
    QCOMPARE(groups->index(0, MatchGroupsModel::Text).data().toString(), QStringLiteral("יהוה"));
    QCOMPARE(groups->index(0, MatchGroupsModel::Count).data().toInt(), 3);
    QCOMPARE(groups->index(1, MatchGroupsModel::FirstReference).data().toString(),
             QStringLiteral("Gen 1:4"));
    in<QTableView>(results(), "tblGroups")->selectRow(1);
    QCOMPARE(column(ResultsModel::Reference), QStringList{"Gen 1:4"});
    in<QCheckBox>(results(), "chkGroup")->setChecked(false);

    // Hebrew with its points, English in any case.
    for (const auto& [text, rows] : {std::pair{QStringLiteral("אֱלֹהִים"), 2},
                                     {QStringLiteral("lord WAS"), 1},
                                     {QStringLiteral("nothing"), 0}}) {
        in<QLineEdit>(results(), "txtFilter")->setText(text);
        QCOMPARE(table()->model()->rowCount(), rows);
    }
}

void tst_frmResults::copyExportAndSaveAsReport() {
    find("26");
    table()->selectRow(3);
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(
        QApplication::clipboard()->text(),
        QStringLiteral("Reference\tHebrew\tValue\tEnglish\nExo 1:1\tויהי יהוה\t26\tAnd the LORD "
                       "was\n"));

    const QString csv = QString::fromStdString(dir->file("export.csv"));
    Desktop::setNextChoice(csv);
    in<QPushButton>(results(), "btnExport")->click();
    const std::string exported = ReadFile(csv.toStdString());
    QCOMPARE(std::count(exported.begin(), exported.end(), '\n'), 5);  // a header and four rows
    QVERIFY2(exported.find("26,standard-final,words,Exo,1,1,,,,2,2,יהוה,false,And the LORD was") !=
                 std::string::npos,
             exported.c_str());

    // Save as Report writes what Value Search writes for the same input, with its checks.
    main->findChild<QLineEdit*>("txtValue")->setText("26");
    main->findChild<QLineEdit*>("txtReportName")->setText("by-value-search");
    main->findChild<QPushButton*>("btnValueSearch")->click();
    MessageBox::setNextText("from results");
    in<QPushButton>(results(), "btnSaveReport")->click();
    MessageBox::setNextText("from results");
    in<QPushButton>(results(), "btnSaveReport")->click();
    const QString done = MessageBox::kAppTitle + "|Done";
    QCOMPARE(MessageBox::takeShown(),
             (QStringList{done, "Save as Report|Report Name:", done, "Save as Report|Report Name:",
                          "Overwrite?|Report file from results.html already exists. Overwrite?"}));
    QCOMPARE(ReadFile(dir->file("Report/from results.html")),
             ReadFile(dir->file("Report/by-value-search.html")));

    // All methods: each hit's method in a column, in the copy and the export; Save as
    // Report writes the All-methods report of Value Search.
    in<QComboBox>(results(), "drpMethod")->setCurrentText("All methods");
    find("26");
    QCOMPARE(title(),
             "21 hits in 3 verses: words equal to 26 by All methods, Genesis 1:1 to Exodus 1:1");
    QVERIFY(!table()->isColumnHidden(ResultsModel::Method));
    QStringList methods = column(ResultsModel::Method);
    methods.removeDuplicates();
    QCOMPARE(methods, (QStringList{"Standard and final letters", "Standard", "Final letters",
                                   "Ordinal", "Ordinal with finals", "Hidden (ne'elam) 52"}));
    table()->selectRow(20);
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("Reference\tMethod\tHebrew\tValue\tEnglish\nExo 1:1\tHidden "
                            "(ne'elam) 52\tויהי יהוה\t26\tAnd the LORD was\n"));
    Desktop::setNextChoice(csv);
    in<QPushButton>(results(), "btnExport")->click();
    const std::string all = ReadFile(csv.toStdString());
    QCOMPARE(std::count(all.begin(), all.end(), '\n'), 22);
    QVERIFY(all.ends_with("\r\n26,hidden-52,words,Exo,1,1,,,,2,2,יהוה,false,And the LORD was\r\n"));
    main->findChild<QComboBox*>("drpMethod")->setCurrentText("All methods");
    main->findChild<QLineEdit*>("txtReportName")->setText("all-value-search");
    main->findChild<QPushButton*>("btnValueSearch")->click();
    MessageBox::setNextText("all-results");
    in<QPushButton>(results(), "btnSaveReport")->click();
    QCOMPARE(MessageBox::takeShown(), (QStringList{done, "Save as Report|Report Name:", done}));
    QCOMPARE(ReadFile(dir->file("Report/all-results.html")),
             ReadFile(dir->file("Report/all-value-search.html")));
}

void tst_frmResults::verseViewContextAndNavigation() {
    find("26");
    table()->setCurrentIndex(table()->model()->index(3, 0));
    QTest::keyClick(table(), Qt::Key_Return);
    auto* view = in<frmVerseView>(results());
    QVERIFY(view->isVisible());
    // Exodus 1:1 has a chapter of one verse: five before it are shown too.
    QCOMPARE(view->references(),
             (QStringList{"Gen 1:4", "Gen 1:5", "Gen 1:6", "Gen 1:7", "Gen 1:8", "Exo 1:1"}));
    QVERIFY(!in<QPushButton>(view, "btnNext")->isEnabled());
    QVERIFY(in<QLabel>(view, "lblReference")
                ->text()
                .startsWith("Exo 1:1: value 26 by Standard (hit 4 of 4)"));
    in<QPushButton>(view, "btnPrevious")->click();
    QCOMPARE(view->currentRow(), 2);
    // Genesis 1 and, to have five after Gen 1:4, Exodus 1:1.
    QCOMPARE(view->references().size(), 9);
    QVERIFY(in<QTextBrowser>(view, "txtVerses")->toHtml().contains("thus light"));
}

QTEST_MAIN(tst_frmResults)
#include "tst_frmResults.moc"

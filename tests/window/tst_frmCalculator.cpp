// The Gematria Calculator on its own: its first state, its layout, the word
// table as a model, and the longest text it takes.
#include "Overlaps.h"
#include "window/MessageBox.h"
#include "window/frmCalculator.h"

#include <QAbstractItemModelTester>
#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

const QStringList kResults = {"txtWords",   "txtLetters", "txtGematria", "txtFinalGematria",
                              "txtOrdinal", "txtReduced", "txtAtbash"};

}  // namespace

class tst_frmCalculator : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensEmpty_withNoControlOverlapping();
    void wordTable_data();
    void wordTable();
    void textBeyondTheLimitIsRefused();
    void methodTable_everyMethodSortable();

private:
    QStringList results() const {
        QStringList texts;
        for (const QString& name : kResults)
            texts << calculator->findChild<QLineEdit*>(name)->text();
        return texts;
    }
    /// The word table's rows, each as "word value final-value".
    QStringList rows() const {
        QStringList texts;
        for (int row = 0; row < table->rowCount(); ++row)
            texts << QStringList{table->index(row, 0).data().toString(),
                                 table->index(row, 1).data().toString(),
                                 table->index(row, 2).data().toString()}
                         .join(' ');
        return texts;
    }
    /// Types `letters` at the cursor, as a Hebrew keyboard layout sends them.
    void type(const QString& letters) {
        for (QChar letter : letters)
            QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QString(letter),
                                Qt::NoModifier);
    }

    std::unique_ptr<frmCalculator> calculator;
    QPlainTextEdit* text = nullptr;
    QAbstractItemModel* table = nullptr;
};

void tst_frmCalculator::init() {
    MessageBox::setScripted(true);
    MessageBox::takeShown();
    calculator = std::make_unique<frmCalculator>();
    text = calculator->findChild<QPlainTextEdit*>("txtHebrew");
    table = calculator->findChild<QTableView*>("tblWords")->model();
    QVERIFY(text && table);
}

void tst_frmCalculator::cleanup() {
    calculator.reset();
    QVERIFY2(MessageBox::takeShown().isEmpty(), "a message was shown that the test did not check");
}

void tst_frmCalculator::opensEmpty_withNoControlOverlapping() {
    QCOMPARE(results(), QStringList(kResults.size(), "0"));
    QVERIFY(!calculator->findChild<QPushButton*>("btnUseValue")->isEnabled());
    QCOMPARE(table->rowCount(), 0);
    calculator->show();
    QVERIFY(QTest::qWaitForWindowExposed(calculator.get()));
    QCOMPARE(OverlappingControls(calculator.get()), QStringList());
}

void tst_frmCalculator::wordTable_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("first words") << ""
                                 << "אב ים" << QStringList{"אב 3 3", "ים 50 610"};
    QTest::newRow("one added at the start")
        << "אב ים"
        << "ג אב ים" << QStringList{"ג 3 3", "אב 3 3", "ים 50 610"};
    QTest::newRow("one changed in the middle")
        << "א ב ג"
        << "א בד ג" << QStringList{"א 1 1", "בד 6 6", "ג 3 3"};
    QTest::newRow("two taken from the middle") << "א ב ג ד"
                                               << "א ד" << QStringList{"א 1 1", "ד 4 4"};
    QTest::newRow("repeated words, one fewer") << "א א א"
                                               << "א א" << QStringList{"א 1 1", "א 1 1"};
    QTest::newRow("all replaced by one") << "א ב ג"
                                         << "ת" << QStringList{"ת 400 400"};
    QTest::newRow("cleared") << "א ב"
                             << "" << QStringList();
}

// The table shows each word with its two values; edits keep the model's
// contract (checked by Qt's own tester) whatever rows they change.
void tst_frmCalculator::wordTable() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QStringList, rows);
    text->setPlainText(before);
    QAbstractItemModelTester tester(table, QAbstractItemModelTester::FailureReportingMode::QtTest);
    text->setPlainText(after);
    QCOMPARE(this->rows(), rows);
    QCOMPARE(table->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
             rows.isEmpty() ? Qt::Alignment() : Qt::AlignRight | Qt::AlignVCenter);
}

// The field takes at most kMaxText characters: a longer paste, a keystroke past
// it or a longer text set at once leaves the text, its values and the cursor as
// they were, and says why.
void tst_frmCalculator::textBeyondTheLimitIsRefused() {
    const QString message = MessageBox::kAppTitle +
                            "|The text would be %1 characters long, but the Gematria Calculator "
                            "takes at most 50,000, so it was left as it was.";
    const QString almostFull(frmCalculator::kMaxText - 1, QChar(0x05D0));
    text->setPlainText(almostFull.chopped(1));
    text->moveCursor(QTextCursor::End);
    type(QStringLiteral("א"));
    QApplication::clipboard()->setText(QStringLiteral("בב"));
    text->paste();
    QCOMPARE(MessageBox::takeShown(), QStringList{message.arg("50,001")});
    QCOMPARE(text->toPlainText(), almostFull);
    QVERIFY2(text->document()->isUndoAvailable(), "a refused paste keeps what can be undone");

    type(QStringLiteral("ב"));  // the last character it takes
    QCOMPARE(results().mid(0, 3), (QStringList{"1", "50000", "50001"}));
    type(QStringLiteral("ג"));
    QCOMPARE(MessageBox::takeShown(), QStringList{message.arg("50,001")});
    QCOMPARE(text->toPlainText(), almostFull + "ב");
    QCOMPARE(text->textCursor().position(), frmCalculator::kMaxText);
    QCOMPARE(results().mid(0, 3), (QStringList{"1", "50000", "50001"}));

    text->setPlainText(QString(1'000'000, QChar(0x05D0)));
    QCOMPARE(MessageBox::takeShown(), QStringList{message.arg("1,000,000")});
    QCOMPARE(text->toPlainText(), almostFull + "ב");
}

// Every method's value of the text, in the methods' order until a header sorts it;
// Integral reduced takes the whole text's root (אחד אחד אחד: 39, 3).
void tst_frmCalculator::methodTable_everyMethodSortable() {
    auto* view = calculator->findChild<QTableView*>("tblMethods");
    QAbstractItemModel* methods = view->model();
    QAbstractItemModelTester tester(methods,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    text->setPlainText(QStringLiteral("אחד אחד אחד"));
    QCOMPARE(methods->rowCount(), 26);
    auto row = [&](int r) {
        return methods->index(r, 0).data().toString() + " " +
               methods->index(r, 1).data().toString();
    };
    QCOMPARE(row(0), "Standard and final letters 39");
    QCOMPARE(row(7), "Integral reduced 3");
    QCOMPARE(row(14), "Building (boneh) 69");
    QCOMPARE(row(25), "Hidden (ne'elam) 52 2850");
    view->sortByColumn(1, Qt::AscendingOrder);
    QCOMPARE(row(0), "Integral reduced 3");
    QCOMPARE(methods->index(25, 1).data().toLongLong(), 2889);  // the Milui, all four
    view->sortByColumn(0, Qt::DescendingOrder);
    QCOMPARE(row(0), "Triangular (kidmi) 141");
}

QTEST_MAIN(tst_frmCalculator)
#include "tst_frmCalculator.moc"

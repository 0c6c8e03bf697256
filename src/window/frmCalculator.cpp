#include "window/frmCalculator.h"

#include "data/Gematria.h"
#include "data/HebrewInput.h"
#include "window/EqualMethodsPanel.h"
#include "window/MessageBox.h"
#include "window/MethodValuesModel.h"
#include "window/WordValuesModel.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <functional>

namespace {

/// Names of the 27 letter forms in code point order, for screen readers.
constexpr std::array<const char*, vellumark::kLetterForms> kLetterNames = {
    "Alef", "Bet",       "Gimel", "Dalet",       "He",        "Vav", "Zayin",     "Het",  "Tet",
    "Yod",  "Final Kaf", "Kaf",   "Lamed",       "Final Mem", "Mem", "Final Nun", "Nun",  "Samekh",
    "Ayin", "Final Pe",  "Pe",    "Final Tsadi", "Tsadi",     "Qof", "Resh",      "Shin", "Tav"};

/// The keypad in reading order (right to left): the 22 letters, then the finals.
constexpr std::array<int, vellumark::kLetterForms> kKeypadOrder = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  11, 12, 14, 16,
    17, 18, 20, 22, 23, 24, 25, 26, 10, 13, 15, 19, 21};
constexpr int kKeypadColumns = 7;

QString LetterText(int form) { return QString(QChar(0x05D0 + form)); }

/// The Hebrew field. A paste or a drop is weighed before it goes in: one that
/// would make the text too long is refused whole, never laid out or cut.
class HebrewEdit : public QPlainTextEdit {
public:
    HebrewEdit(QWidget* parent, std::function<bool(qsizetype)> acceptsLength)
        : QPlainTextEdit(parent), acceptsLength_(std::move(acceptsLength)) {}

protected:
    void insertFromMimeData(const QMimeData* source) override {
        if (source->hasText() &&
            !acceptsLength_(document()->characterCount() - 1 - textCursor().selectedText().size() +
                            source->text().size()))
            return;
        QPlainTextEdit::insertFromMimeData(source);
    }

private:
    std::function<bool(qsizetype)> acceptsLength_;
};

QLineEdit* MakeResult(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    return box;
}

}  // namespace

frmCalculator::frmCalculator(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmCalculator"));
    setWindowTitle(tr("Gematria Calculator"));

    txtHebrew = new HebrewEdit(this, [this](qsizetype length) { return acceptsLength(length); });
    txtHebrew->setObjectName(QStringLiteral("txtHebrew"));
    txtHebrew->setLayoutDirection(Qt::RightToLeft);
    QTextOption rightToLeft = txtHebrew->document()->defaultTextOption();
    rightToLeft.setTextDirection(Qt::RightToLeft);
    rightToLeft.setAlignment(Qt::AlignRight);
    txtHebrew->document()->setDefaultTextOption(rightToLeft);
    txtHebrew->setTabChangesFocus(true);
    QFont hebrewFont = txtHebrew->font();
    hebrewFont.setPointSize(hebrewFont.pointSize() + 6);
    txtHebrew->setFont(hebrewFont);
    txtHebrew->setFixedHeight(90);
    lblHebrew = new QLabel(tr("Hebrew Text:"), this);
    lblHebrew->setObjectName(QStringLiteral("lblHebrew"));
    lblHebrew->setBuddy(txtHebrew);
    lblIgnored = new QLabel(this);
    lblIgnored->setObjectName(QStringLiteral("lblIgnored"));

    auto* keypad = new QGridLayout;
    createKeypad(keypad);

    auto* results = new QFormLayout;
    const struct {
        QLineEdit*& box;
        const char* name;
        QString label;
    } fields[] = {
        {txtWords, "txtWords", tr("Words:")},
        {txtLetters, "txtLetters", tr("Letters:")},
        {txtGematria, "txtGematria", tr("Gematria:")},
        {txtFinalGematria, "txtFinalGematria", tr("Final-letter gematria:")},
        {txtOrdinal, "txtOrdinal", tr("Ordinal:")},
        {txtReduced, "txtReduced", tr("Reduced:")},
        {txtAtbash, "txtAtbash", tr("Atbash:")},
    };
    for (const auto& field : fields) {
        field.box = MakeResult(this, field.name);
        auto* label = new QLabel(field.label, this);
        label->setBuddy(field.box);
        results->addRow(label, field.box);
    }

    words_ = new WordValuesModel(this);
    tblWords = new QTableView(this);
    tblWords->setObjectName(QStringLiteral("tblWords"));
    tblWords->setAccessibleName(tr("Words and their values"));
    tblWords->setModel(words_);
    tblWords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblWords->verticalHeader()->setVisible(false);
    tblWords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblWords->horizontalHeader()->setStretchLastSection(true);
    // Room for the last header in full ("Final-letter gematria").
    tblWords->setColumnWidth(0, 90);
    tblWords->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    // Every method's value, sortable by method or by value; the methods' order first.
    methods_ = new MethodValuesModel(this);
    auto* sorted = sortedMethods_ = new QSortFilterProxyModel(this);
    sorted->setSourceModel(methods_);
    tblMethods = new QTableView(this);
    tblMethods->setObjectName(QStringLiteral("tblMethods"));
    tblMethods->setAccessibleName(tr("Values by every method"));
    tblMethods->setModel(sorted);
    tblMethods->setSortingEnabled(true);
    tblMethods->sortByColumn(-1, Qt::AscendingOrder);
    tblMethods->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblMethods->verticalHeader()->setVisible(false);
    tblMethods->horizontalHeader()->setStretchLastSection(true);
    tblMethods->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    tblMethods->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblMethods->setSelectionMode(QAbstractItemView::SingleSelection);

    // Equal under other methods: the text's value under the method chosen in the
    // table, counted among the words, phrases and verses under every search method.
    equal_ = new EqualMethodsPanel(this);
    equal_->setObjectName(QStringLiteral("equal"));

    btnUseValue = new QPushButton(this);
    btnUseValue->setObjectName(QStringLiteral("btnUseValue"));

    auto* resultsRow = new QHBoxLayout;
    resultsRow->addLayout(results);
    resultsRow->addWidget(tblWords, 1);
    resultsRow->addWidget(tblMethods, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHebrew);
    layout->addWidget(txtHebrew);
    layout->addWidget(lblIgnored);
    layout->addLayout(keypad);
    layout->addLayout(resultsRow);
    layout->addWidget(equal_, 1);
    layout->addWidget(btnUseValue, 0, Qt::AlignRight);

    connect(txtHebrew, &QPlainTextEdit::textChanged, this, &frmCalculator::txtHebrew_Change);
    connect(btnUseValue, &QPushButton::clicked, this, &frmCalculator::btnUseValue_Click);
    connect(equal_, &EqualMethodsPanel::countRequested, this, &frmCalculator::btnEqual_Click);
    connect(equal_, &EqualMethodsPanel::findRequested, this, &frmCalculator::findRequested);
    txtHebrew_Change();
    resize(900, 760);
}

void frmCalculator::createKeypad(QGridLayout* grid) {
    // Keys do not take the focus, so the text keeps its cursor.
    auto key = [this](const QString& text, const QString& name, const char* objectName) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(objectName));
        button->setAccessibleName(name);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumWidth(44);
        return button;
    };
    for (std::size_t k = 0; k < kKeypadOrder.size(); ++k) {
        const int form = kKeypadOrder[k];
        const QString letter = LetterText(form);
        const std::string objectName = "btnLetter" + std::to_string(form + 1);
        QPushButton* button =
            key(letter, QString::fromLatin1(kLetterNames[static_cast<std::size_t>(form)]),
                objectName.c_str());
        QFont font = button->font();
        font.setPointSize(font.pointSize() + 4);
        button->setFont(font);
        connect(button, &QPushButton::clicked, this,
                [this, letter] { txtHebrew->insertPlainText(letter); });
        // Right to left: the first key of a row stands at its right end.
        const int row = static_cast<int>(k) / kKeypadColumns;
        const int column = kKeypadColumns - 1 - static_cast<int>(k) % kKeypadColumns;
        grid->addWidget(button, row, column);
    }
    QPushButton* space = key(tr("Space"), tr("Space"), "btnSpace");
    connect(space, &QPushButton::clicked, this, [this] { txtHebrew->insertPlainText(" "); });
    QPushButton* back = key(tr("⌫"), tr("Backspace"), "btnBackspace");
    connect(back, &QPushButton::clicked, this, [this] {
        QTextCursor cursor = txtHebrew->textCursor();
        cursor.deletePreviousChar();
        txtHebrew->setTextCursor(cursor);
    });
    // A row of their own: the space bar wide at the right, the backspace at the left.
    const int lastRow = (vellumark::kLetterForms - 1) / kKeypadColumns + 1;
    grid->addWidget(space, lastRow, 2, 1, kKeypadColumns - 2);
    grid->addWidget(back, lastRow, 0, 1, 2);
}

bool frmCalculator::acceptsLength(qsizetype length) {
    if (length <= kMaxText) return true;
    QLocale grouped = QLocale::c();  // "50,000", as the other messages write numbers
    grouped.setNumberOptions({});
    MessageBox::information(this, tr("The text would be %1 characters long, but the Gematria "
                                     "Calculator takes at most %2, so it was left as it was.")
                                      .arg(grouped.toString(length), grouped.toString(kMaxText)));
    return false;
}

void frmCalculator::txtHebrew_Change() {
    using vellumark::Method;
    const QString typed = txtHebrew->toPlainText();
    if (typed.size() > kMaxText) {
        // Typed, or set some other way: back to the text as it was, then the message.
        // The cursor goes back to where the refused characters went in.
        const qsizetype position =
            txtHebrew->textCursor().position() - (typed.size() - accepted_.size());
        {
            const QSignalBlocker blocker(txtHebrew);
            txtHebrew->setPlainText(accepted_);
        }
        QTextCursor cursor = txtHebrew->textCursor();
        cursor.setPosition(static_cast<int>(std::clamp<qsizetype>(position, 0, accepted_.size())));
        txtHebrew->setTextCursor(cursor);
        acceptsLength(typed.size());
        return;
    }
    accepted_ = typed;
    const vellumark::HebrewWords text = vellumark::HebrewWordsOf(typed.toStdString());
    auto total = [&text](Method method) {
        std::int64_t sum = 0;
        for (const std::string& word : text.words) sum += vellumark::TextValue(word, method);
        return sum;
    };
    words_->setWords(text.words);
    methods_->setWords(text.words);
    wordCount_ = text.words.size();
    txtWords->setText(QString::number(text.words.size()));
    txtLetters->setText(QString::number(text.letters));
    txtGematria->setText(QString::number(total(Method::Standard)));
    txtFinalGematria->setText(QString::number(total(Method::Final)));
    txtOrdinal->setText(QString::number(total(Method::Ordinal)));
    txtReduced->setText(QString::number(total(Method::Reduced)));
    txtAtbash->setText(QString::number(total(Method::Atbash)));
    lblIgnored->setText(
        text.ignored == 0 ? tr("No character ignored.")
        : text.ignored == 1
            ? tr("1 character ignored: points, accents and other signs do not count.")
            : tr("%1 characters ignored: points, accents and other signs do not count.")
                  .arg(text.ignored));
    showUsedValue();
}

void frmCalculator::setMethod(vellumark::Method method) {
    method_ = method;
    showUsedValue();
}

void frmCalculator::showUsedValue() {
    // Standard and final letters searches the standard value first.
    const vellumark::Method counted =
        method_ == vellumark::Method::StandardAndFinal ? vellumark::Method::Standard : method_;
    usedValue_ =
        vellumark::WordsValue(vellumark::HebrewWordsOf(accepted_.toStdString()).words, counted);
    const std::string_view name = vellumark::MethodName(method_);
    const QString methodName = QString::fromUtf8(name.data(), static_cast<int>(name.size()));
    btnUseValue->setText(tr("Use Value (%1)").arg(methodName));
    btnUseValue->setToolTip(
        tr("Put the value by %1 into Numeric Value of the main window").arg(methodName));
    // Numeric Value takes whole numbers of up to nine digits.
    btnUseValue->setEnabled(usedValue_ > 0 && usedValue_ <= 999'999'999);
}

void frmCalculator::btnUseValue_Click() { emit valueChosen(usedValue_); }

void frmCalculator::setDataSource(DataSource source) { equal_->setDataSource(std::move(source)); }

void frmCalculator::setExportFolder(const QString& folder) { equal_->setExportFolder(folder); }

void frmCalculator::btnEqual_Click() {
    const QModelIndexList chosen = tblMethods->selectionModel()->selectedRows();
    const int row = chosen.isEmpty() ? static_cast<int>(vellumark::Method::Standard)
                                     : sortedMethods_->mapToSource(chosen.front()).row();
    std::vector<std::pair<vellumark::Method, std::int64_t>> all;
    for (int r = 0; r < methods_->rowCount(); ++r)
        all.emplace_back(methods_->method(r), methods_->value(r));
    equal_->count(methods_->method(row), methods_->value(row), static_cast<int>(wordCount_), all);
}

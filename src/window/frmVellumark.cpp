#include "window/frmVellumark.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/FileErrors.h"
#include "data/Gematria.h"
#include "data/RecordFiles.h"
#include "window/MessageBox.h"
#include "window/MethodList.h"
#include "window/ScopeList.h"
#include "window/Widgets.h"
#include "window/frmCalculator.h"
#include "window/frmResults.h"
#include "window/frmStatistics.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <filesystem>
#include <string>

namespace {

QFont BoldSans(int pointSize = 0) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    if (pointSize > 0) font.setPointSize(pointSize);
    return font;
}

QLabel* MakeBoldLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    QLabel* label = MakeLabel(parent, name, text, buddy);
    label->setFont(BoldSans());
    return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, int maxLength = 0) {
    QLineEdit* box = Make<QLineEdit>(parent, name);
    if (maxLength > 0) box->setMaxLength(maxLength);
    return box;
}

QComboBox* MakeBookList(QWidget* parent, const char* name) {
    QComboBox* list = Make<QComboBox>(parent, name);
    list->setEditable(false);
    for (int n = 1; n <= vellumark::kBookCount; ++n) {
        const std::string_view book = vellumark::kBookNames[n - 1];
        list->addItem(QString::fromUtf8(book.data(), static_cast<int>(book.size())), n);
    }
    return list;
}

/// A drawn line; its geometry gives its length and width.
QFrame* MakeLine(QWidget* parent, const char* name) {
    QFrame* line = Make<QFrame>(parent, name);
    line->setFrameShape(QFrame::NoFrame);
    line->setStyleSheet(QStringLiteral("background-color: #808080;"));
    return line;
}

}  // namespace

frmVellumark::frmVellumark(std::string appPath, QWidget* parent)
    : QWidget(parent),
      strAppPath(std::move(appPath)),
      searchData_(strAppPath),
      readData_(strAppPath, vellumark::Reading::Read) {
    setObjectName(QStringLiteral("frmVellumark"));
    setWindowTitle(MessageBox::kAppTitle);
    body_ = new QWidget(this);
    body_->setObjectName(QStringLiteral("body"));
    createControls();
    placeControls();
    createMenus();
    setTabOrder();
    // The window is the menu bar over the controls, and neither can be resized.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(mnuBar);
    layout->addWidget(body_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

frmVellumark::~frmVellumark() = default;

void frmVellumark::createControls() {
    txtValue = MakeTextBox(body_, "txtValue", 9);
    lblValue = MakeBoldLabel(body_, "lblValue", tr("Numeric Value:"), txtValue);
    txtReportName = MakeTextBox(body_, "txtReportName");
    lblReportName = MakeBoldLabel(body_, "lblReportName", tr("Report Name:"), txtReportName);
    txtReportHeader = Make<QPlainTextEdit>(body_, "txtReportHeader");
    txtReportHeader->setTabChangesFocus(true);
    lblReportHeader =
        MakeBoldLabel(body_, "lblReportHeader", tr("Report Header:"), txtReportHeader);
    btnValueSearch = Make<QPushButton>(body_, "btnValueSearch", tr("Value Search"));

    lblSearchType = MakeBoldLabel(body_, "lblSearchType", tr("Search Type:"), nullptr);
    QFont underlined = BoldSans();
    underlined.setUnderline(true);
    lblSearchType->setFont(underlined);
    Frame1 = Make<QGroupBox>(body_, "Frame1");
    radWordMatch = Make<QRadioButton>(Frame1, "radWordMatch", tr("Word/Phrase Match"));
    radLineMatch = Make<QRadioButton>(Frame1, "radLineMatch", tr("Verse Match"));
    Frame2 = Make<QGroupBox>(body_, "Frame2");
    radWordCount = Make<QRadioButton>(Frame2, "radWordCount", tr("Word Count"));
    radLetterCount = Make<QRadioButton>(Frame2, "radLetterCount", tr("Letter Count"));
    radGematria = Make<QRadioButton>(Frame2, "radGematria", tr("Gematria"));
    Frame3 = Make<QGroupBox>(body_, "Frame3");
    radMatchSingle = Make<QRadioButton>(Frame3, "radMatchSingle", tr("Single Match"));
    radMatchMultiple = Make<QRadioButton>(Frame3, "radMatchMultiple", tr("Multiple Match"));
    radWordMatch->setChecked(true);
    radMatchSingle->setChecked(true);
    for (QRadioButton* measure : {radWordCount, radLetterCount, radGematria})
        measure->setEnabled(false);

    drpMethod = Make<QComboBox>(body_, "drpMethod");
    FillSearchMethods(drpMethod, true);
    lblMethod = MakeBoldLabel(body_, "lblMethod", tr("Method:"), drpMethod);
    drpText = MakeTextChoice(body_, strAppPath);
    lblText = MakeBoldLabel(body_, "lblText", tr("Text:"), drpText);
    drpScope = Make<QComboBox>(body_, "drpScope");
    scopes_ = FillScopes(drpScope);
    drpScope->setToolTip(
        tr("What Value Search searches. Range Totals adds up the range below, or the verses of "
           "a section, book or portion chosen here."));
    lblScope = MakeBoldLabel(body_, "lblScope", tr("Scope:"), drpScope);

    btnReportFilter = Make<QPushButton>(body_, "btnReportFilter", tr("Report Filter"));
    txtReportFilter = MakeTextBox(body_, "txtReportFilter");
    lblFilterText = MakeBoldLabel(body_, "lblFilterText", tr("Filter Text:"), txtReportFilter);

    Line1 = MakeLine(body_, "Line1");
    Line2 = MakeLine(body_, "Line2");
    Line3 = MakeLine(body_, "Line3");
    Line4 = MakeLine(body_, "Line4");
    Line5 = MakeLine(body_, "Line5");

    // The two range rows: drpStartBook, txtStartChapter, txtStartVerse and the
    // same with "End", each with its label.
    auto rangeRow = [this](const char* which, QComboBox*& book, QLabel*& bookLabel,
                           QLineEdit*& chapter, QLabel*& chapterLabel, QLineEdit*& verse,
                           QLabel*& verseLabel) {
        auto name = [which](const char* kind, const char* field) {
            return std::string(kind) + which + field;
        };
        book = MakeBookList(body_, name("drp", "Book").c_str());
        bookLabel =
            MakeBoldLabel(body_, name("lbl", "Book").c_str(), tr("%1 Book:").arg(which), book);
        chapter = MakeTextBox(body_, name("txt", "Chapter").c_str(), 3);
        chapterLabel =
            MakeBoldLabel(body_, name("lbl", "Chapter").c_str(), tr("Chapter:"), chapter);
        verse = MakeTextBox(body_, name("txt", "Verse").c_str(), 3);
        verseLabel = MakeBoldLabel(body_, name("lbl", "Verse").c_str(), tr("Verse:"), verse);
    };
    rangeRow("Start", drpStartBook, lblStartBook, txtStartChapter, lblStartChapter, txtStartVerse,
             lblStartVerse);
    rangeRow("End", drpEndBook, lblEndBook, txtEndChapter, lblEndChapter, txtEndVerse, lblEndVerse);

    btnRangeTotals = Make<QPushButton>(body_, "btnRangeTotals", tr("Range Totals"));
    struct Total {
        QLineEdit*& box;
        QLabel*& label;
        const char* boxName;
        const char* labelName;
        QString text;
    };
    for (const Total& total :
         {Total{txtWordCount, lblWordCount, "txtWordCount", "lblWordCount", tr("Word Count:")},
          Total{txtLetterCount, lblLetterCount, "txtLetterCount", "lblLetterCount",
                tr("Letter Count:")},
          Total{txtGematria, lblGematria, "txtGematria", "lblGematria", tr("Gematria:")},
          Total{txtAltGematria, lblAltGematria, "txtAltGematria", "lblAltGematria",
                tr("Alt. Gematria:")}}) {
        total.box = MakeTextBox(body_, total.boxName);
        total.box->setReadOnly(true);
        total.box->setFocusPolicy(Qt::NoFocus);
        total.label = MakeBoldLabel(body_, total.labelName, total.text, total.box);
    }
    txtMethodTotal = MakeTextBox(body_, "txtMethodTotal");
    txtMethodTotal->setReadOnly(true);
    txtMethodTotal->setFocusPolicy(Qt::NoFocus);
    lblMethodTotal = MakeBoldLabel(body_, "lblMethodTotal", QString(), txtMethodTotal);

    btnKill = Make<QPushButton>(body_, "btnKill", tr("Kill Process"));
    btnKill->hide();
    prgProgress = Make<QProgressBar>(body_, "prgProgress");
    prgProgress->setTextVisible(false);
    prgProgress->hide();
    lblProcessing = Make<QLabel>(body_, "lblProcessing", tr("-- Processing --"));
    QFont processing = BoldSans(14);
    processing.setItalic(true);
    lblProcessing->setFont(processing);
    lblProcessing->setStyleSheet(QStringLiteral("color: red;"));
    lblProcessing->setAlignment(Qt::AlignCenter);
    lblProcessing->hide();
    lblStatus = Make<QLabel>(body_, "lblStatus");
    lblStatus->setWordWrap(true);
    btnShowResults = Make<QPushButton>(body_, "btnShowResults", tr("Show Results"));
    btnOpenReport = Make<QPushButton>(body_, "btnOpenReport", tr("Open Report"));
    btnOpenReport->setEnabled(false);

    for (QPushButton* button :
         {btnValueSearch, btnReportFilter, btnRangeTotals, btnKill, btnShowResults, btnOpenReport})
        button->setFont(BoldSans());
    for (QRadioButton* option : findChildren<QRadioButton*>()) option->setFont(BoldSans());

    connect(btnValueSearch, &QPushButton::clicked, this, &frmVellumark::btnValueSearch_Click);
    connect(btnRangeTotals, &QPushButton::clicked, this, &frmVellumark::btnRangeTotals_Click);
    connect(btnReportFilter, &QPushButton::clicked, this, &frmVellumark::btnReportFilter_Click);
    connect(btnKill, &QPushButton::clicked, this, &frmVellumark::btnKill_Click);
    connect(btnOpenReport, &QPushButton::clicked, this, &frmVellumark::btnOpenReport_Click);
    connect(btnShowResults, &QPushButton::clicked, this, &frmVellumark::btnShowResults_Click);
    connect(drpMethod, &QComboBox::currentIndexChanged, this, &frmVellumark::drpMethod_Change);
    drpMethod_Change();
    connect(drpScope, &QComboBox::currentIndexChanged, this, &frmVellumark::drpScope_Change);
    // Data built before the read text existed has no Data/Qere.
    if (!drpText->isEnabled()) {
        lblText->setToolTip(drpText->toolTip());
    } else {
        drpText->setToolTip(
            tr("The text that Value Search, Range Totals and the calculator's "
               "Equal under other methods count"));
    }
    // Return runs the command of the row the field is in.
    for (QLineEdit* box : {txtValue, txtReportName})
        connect(box, &QLineEdit::returnPressed, this, &frmVellumark::btnValueSearch_Click);
    connect(txtReportFilter, &QLineEdit::returnPressed, this, &frmVellumark::btnReportFilter_Click);
    for (QLineEdit* box : {txtStartChapter, txtStartVerse, txtEndChapter, txtEndVerse})
        connect(box, &QLineEdit::returnPressed, this, &frmVellumark::btnRangeTotals_Click);
    // The option rules follow the checked state however it changes: a click,
    // a key, an accessibility action or code.
    connect(radWordMatch, &QRadioButton::clicked, this, &frmVellumark::radWordMatch_Click);
    connect(radLineMatch, &QRadioButton::clicked, this, &frmVellumark::radLineMatch_Click);
    connect(radWordMatch, &QRadioButton::toggled, this, [this](bool on) {
        if (on) radWordMatch_Click();
    });
    connect(radLineMatch, &QRadioButton::toggled, this, [this](bool on) {
        if (on) radLineMatch_Click();
    });
    connect(txtStartChapter, &QLineEdit::textChanged, this, &frmVellumark::txtStartChapter_Change);
    connect(txtStartVerse, &QLineEdit::textChanged, this, &frmVellumark::txtStartVerse_Change);
    for (QWidget* watched :
         {static_cast<QWidget*>(drpStartBook), static_cast<QWidget*>(txtStartChapter),
          static_cast<QWidget*>(txtStartVerse), static_cast<QWidget*>(txtEndChapter),
          static_cast<QWidget*>(txtEndVerse), static_cast<QWidget*>(txtReportHeader)})
        watched->installEventFilter(this);
}

void frmVellumark::placeControls() {
    // At 96 DPI the menu bar and this body stay within 700 pixels, so that the
    // window fits a 1366x768 screen under a title bar and a panel.
    body_->setFixedSize(671, 662);
    // Rows 1 and 2: value, report name, the search button and the header.
    lblValue->setGeometry(16, 6, 160, 20);
    txtValue->setGeometry(16, 26, 160, 26);
    lblReportName->setGeometry(200, 6, 200, 20);
    txtReportName->setGeometry(200, 26, 455, 26);
    btnValueSearch->setGeometry(16, 86, 160, 34);
    lblReportHeader->setGeometry(200, 58, 200, 20);
    txtReportHeader->setGeometry(200, 78, 455, 56);

    // Row 3: the search options inside the rectangle of Line2 to Line5, then
    // the method, the text and the scope.
    Line2->setGeometry(16, 144, 639, 1);
    Line3->setGeometry(654, 144, 1, 194);
    Line4->setGeometry(16, 337, 639, 1);
    Line5->setGeometry(16, 144, 1, 194);
    lblSearchType->setGeometry(28, 156, 120, 20);
    Frame1->setGeometry(160, 149, 480, 38);
    radWordMatch->setGeometry(14, 6, 200, 26);
    radLineMatch->setGeometry(240, 6, 200, 26);
    Frame2->setGeometry(160, 189, 480, 38);
    radWordCount->setGeometry(14, 6, 140, 26);
    radLetterCount->setGeometry(170, 6, 150, 26);
    radGematria->setGeometry(340, 6, 130, 26);
    Frame3->setGeometry(160, 229, 480, 38);
    radMatchSingle->setGeometry(14, 6, 200, 26);
    radMatchMultiple->setGeometry(240, 6, 200, 26);
    lblMethod->setGeometry(28, 274, 120, 22);
    drpMethod->setGeometry(160, 271, 230, 28);
    lblText->setGeometry(405, 274, 50, 22);
    drpText->setGeometry(455, 271, 185, 28);
    lblScope->setGeometry(28, 306, 120, 22);
    drpScope->setGeometry(160, 303, 480, 28);

    // Row 4: the report filter.
    btnReportFilter->setGeometry(16, 346, 160, 34);
    lblFilterText->setGeometry(200, 352, 100, 22);
    txtReportFilter->setGeometry(300, 350, 355, 26);

    // Row 5: the separator; row 6: the verse range.
    Line1->setGeometry(8, 390, 655, 2);
    const int startRow = 400;
    const int endRow = 434;
    const struct {
        QLabel* bookLabel;
        QComboBox* book;
        QLabel* chapterLabel;
        QLineEdit* chapter;
        QLabel* verseLabel;
        QLineEdit* verse;
        int y;
    } rows[] = {
        {lblStartBook, drpStartBook, lblStartChapter, txtStartChapter, lblStartVerse, txtStartVerse,
         startRow},
        {lblEndBook, drpEndBook, lblEndChapter, txtEndChapter, lblEndVerse, txtEndVerse, endRow}};
    for (const auto& row : rows) {
        row.bookLabel->setGeometry(16, row.y + 3, 100, 22);
        row.book->setGeometry(116, row.y, 200, 28);
        row.chapterLabel->setGeometry(340, row.y + 3, 80, 22);
        row.chapter->setGeometry(420, row.y, 60, 28);
        row.verseLabel->setGeometry(505, row.y + 3, 60, 22);
        row.verse->setGeometry(565, row.y, 60, 28);
    }

    // Row 7: the totals, and below them the total by the chosen method.
    btnRangeTotals->setGeometry(16, 492, 160, 34);
    lblWordCount->setGeometry(200, 474, 120, 22);
    txtWordCount->setGeometry(320, 472, 100, 26);
    lblLetterCount->setGeometry(435, 474, 120, 22);
    txtLetterCount->setGeometry(555, 472, 100, 26);
    lblGematria->setGeometry(200, 504, 120, 22);
    txtGematria->setGeometry(320, 502, 100, 26);
    lblAltGematria->setGeometry(435, 504, 120, 22);
    txtAltGematria->setGeometry(555, 502, 100, 26);
    lblMethodTotal->setGeometry(200, 534, 235, 22);
    txtMethodTotal->setGeometry(435, 532, 220, 26);

    // Row 8: Kill Process, the progress bar and the label over its right half.
    btnKill->setGeometry(16, 570, 160, 34);
    prgProgress->setGeometry(200, 574, 455, 26);
    lblProcessing->setGeometry(430, 570, 225, 34);

    // Row 9: what the last command did, the Results window and the report.
    lblStatus->setGeometry(16, 616, 300, 34);
    btnShowResults->setGeometry(325, 616, 160, 34);
    btnOpenReport->setGeometry(495, 616, 160, 34);
}

void frmVellumark::setTabOrder() {
    const QWidget* order[] = {txtValue,       txtReportName,   txtReportHeader,  btnValueSearch,
                              radWordMatch,   radLineMatch,    radWordCount,     radLetterCount,
                              radGematria,    radMatchSingle,  radMatchMultiple, drpMethod,
                              drpText,        drpScope,        btnReportFilter,  txtReportFilter,
                              drpStartBook,   txtStartChapter, txtStartVerse,    drpEndBook,
                              txtEndChapter,  txtEndVerse,     btnRangeTotals,   btnKill,
                              btnShowResults, btnOpenReport};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
    txtValue->setFocus();
}

bool frmVellumark::Form_Load() {
    boolKill = false;
    for (const char* file : vellumark::kDataFiles) {
        if (auto error = vellumark::CheckRegularFile(vellumark::DataPath(strAppPath, file))) {
            MessageBox::information(this, QString::fromStdString(error->what()));
            return false;
        }
    }
    try {
        vellumark::CheckRecordFileSizes(strAppPath);
    } catch (const std::exception& error) {
        MessageBox::information(this, QString::fromStdString(error.what()));
        return false;
    }
    const std::string reportFolder = vellumark::ReportFolder(strAppPath);
    std::error_code error;
    std::filesystem::create_directories(reportFolder, error);
    if (error || !std::filesystem::is_directory(reportFolder, error)) {
        MessageBox::information(
            this, tr("The report folder %1 could not be created (%2). Value Search and Report "
                     "Filter will not be able to write reports.")
                      .arg(QString::fromStdString(reportFolder),
                           QString::fromStdString(error ? error.message() : "Not a directory")));
    }
    drpStartBook->setCurrentIndex(0);
    drpEndBook->setCurrentIndex(0);
    return true;
}

bool frmVellumark::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtReportHeader) {
        // Return starts a new line of the header; Ctrl+Return runs the search.
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & Qt::ControlModifier)) {
                btnValueSearch_Click();
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) box->clear();
    } else if (event->type() == QEvent::FocusOut && watched == drpStartBook &&
               static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        drpStartBook_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void frmVellumark::drpStartBook_LostFocus() {
    drpEndBook->setCurrentIndex(drpStartBook->currentIndex());
}

void frmVellumark::txtStartChapter_Change() { txtEndChapter->setText(txtStartChapter->text()); }

void frmVellumark::txtStartVerse_Change() { txtEndVerse->setText(txtStartVerse->text()); }

void frmVellumark::radWordMatch_Click() {
    for (QRadioButton* measure : {radWordCount, radLetterCount, radGematria})
        measure->setEnabled(false);
}

void frmVellumark::radLineMatch_Click() {
    for (QRadioButton* measure : {radWordCount, radLetterCount, radGematria})
        measure->setEnabled(true);
    radGematria->setChecked(true);
}

void frmVellumark::btnKill_Click() { boolKill = true; }

void frmVellumark::drpMethod_Change() {
    // All methods has no total of its own; the calculator then hands on the default value.
    const int item = drpMethod->currentData().toInt();
    const auto method = item == kAllMethodsItem ? vellumark::Method::StandardAndFinal
                                                : static_cast<vellumark::Method>(item);
    const std::string_view name = vellumark::MethodName(method);
    lblMethodTotal->setText(QString::fromUtf8(name.data(), static_cast<int>(name.size())) +
                            QLatin1Char(':'));
    // The four totals cover the default method; another one has a field of its own.
    const bool shown = method != vellumark::Method::StandardAndFinal;
    lblMethodTotal->setVisible(shown);
    txtMethodTotal->setVisible(shown);
    txtMethodTotal->clear();
    if (calculator_) calculator_->setMethod(method);
}

void frmVellumark::drpScope_Change() {
    // A named scope brings its own verses: the range fields are not used then.
    const bool rangeUsed = namedScope() == nullptr;
    for (QWidget* field :
         {static_cast<QWidget*>(drpStartBook), static_cast<QWidget*>(drpEndBook),
          static_cast<QWidget*>(txtStartChapter), static_cast<QWidget*>(txtStartVerse),
          static_cast<QWidget*>(txtEndChapter), static_cast<QWidget*>(txtEndVerse)})
        field->setEnabled(rangeUsed);
}

const vellumark::Scope* frmVellumark::namedScope() const {
    const int item = drpScope->currentData().toInt();
    if (item < 0 || item >= static_cast<int>(scopes_.size())) return nullptr;
    return &scopes_[static_cast<std::size_t>(item)];
}

vellumark::Reading frmVellumark::reading() const {
    return drpText->isEnabled() ? static_cast<vellumark::Reading>(drpText->currentData().toInt())
                                : vellumark::Reading::Written;
}

vellumark::SearchDataCache& frmVellumark::searchData(vellumark::Reading reading) {
    return reading == vellumark::Reading::Read ? readData_ : searchData_;
}

void frmVellumark::closeEvent(QCloseEvent* event) {
    if (searchRunning_) {
        // Stop the search as Kill Process would; the window closes once its
        // report is complete.
        boolKill = true;
        closeAfterSearch_ = true;
        event->ignore();
        return;
    }
    if (calculator_) calculator_->close();
    if (results_) results_->close();
    if (statistics_) statistics_->close();
    event->accept();
}

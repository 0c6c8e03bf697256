#include "window/frmStatistics.h"

#include "data/AtomicFile.h"
#include "data/Books.h"
#include "search/SearchData.h"
#include "totals/TextStatistics.h"
#include "window/Desktop.h"
#include "window/MessageBox.h"
#include "window/StatisticsModel.h"
#include "window/Widgets.h"
#include "window/WindowPlacement.h"
#include "window/frmVerseView.h"
#include "window/results/ResultsFilter.h"
#include "window/results/ResultsModel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

const QString kSettings = QStringLiteral("Statistics");

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Grouped(std::int64_t number) { return QLocale(QLocale::English).toString(number); }

/// "Lev 8:29, word 4, letter 1".
QString PlaceText(const vellumark::TextPlace& place) {
    QString text = QString::fromStdString(
        vellumark::VerseName(place.verse.book, place.verse.chapter, place.verse.verse));
    if (place.word) text += QObject::tr(", word %1").arg(place.word);
    if (place.letter) text += QObject::tr(", letter %1").arg(place.letter);
    return text;
}

/// "2,927 (Lev 8:9)", or both middles of an even count.
QString MiddleText(const vellumark::Middle& middle) {
    if (middle.number == 0) return QObject::tr("none");
    QString text = QStringLiteral("%1 (%2)").arg(Grouped(middle.number), PlaceText(middle.first));
    if (middle.even) {
        text +=
            QObject::tr(" and %1 (%2)").arg(Grouped(middle.number + 1), PlaceText(middle.second));
    }
    return text;
}

}  // namespace

frmStatistics::frmStatistics(std::string appPath, QWidget* parent)
    : QWidget(parent, Qt::Window), appPath_(std::move(appPath)) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(tr("Text Statistics"));
    model_ = new StatisticsModel(this);
    noHits_ = new ResultsModel(this);
    noHitsShown_ = new ResultsFilter(this);
    noHitsShown_->setSourceModel(noHits_);

    drpText = MakeTextChoice(this, appPath_);
    lblText = MakeLabel(this, "lblText", tr("Text:"), drpText);
    drpMethod = Make<QComboBox>(this, "drpMethod");
    for (vellumark::Method method : vellumark::kMethods)
        drpMethod->addItem(Q(vellumark::MethodName(method)), static_cast<int>(method));
    lblMethod = MakeLabel(this, "lblMethod", tr("Method:"), drpMethod);
    txtScope = Make<QLineEdit>(this, "txtScope", tr("Whole text"));
    txtScope->setToolTip(
        tr("A section, book, portion or verses, several separated by commas: "
           "Torah, Vayetze, Gen 1-3, Gen 1:1-6:8"));
    lblScope = MakeLabel(this, "lblScope", tr("Scope:"), txtScope);
    btnShow = Make<QPushButton>(this, "btnShow", tr("Show"));
    lblMessage = Make<QLabel>(this, "lblMessage");
    lblMessage->setStyleSheet(QStringLiteral("color: #b00020;"));
    lblMessage->setWordWrap(true);

    tblStatistics = Make<QTableView>(this, "tblStatistics");
    tblStatistics->setModel(model_);
    tblStatistics->setAccessibleName(tr("Statistics"));
    tblStatistics->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblStatistics->verticalHeader()->hide();
    tblStatistics->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    lblDetail = Make<QLabel>(this, "lblDetail");
    lblDetail->setWordWrap(true);
    lblDetail->setTextInteractionFlags(Qt::TextSelectableByMouse);

    spnGoTo = Make<QSpinBox>(this, "spnGoTo");
    spnGoTo->setRange(1, 1);
    spnGoTo->setGroupSeparatorShown(true);
    spnGoTo->setMinimumWidth(110);
    lblGoTo = MakeLabel(this, "lblGoTo", tr("Go to:"), spnGoTo);
    drpUnit = Make<QComboBox>(this, "drpUnit");
    drpUnit->setAccessibleName(tr("Unit"));
    drpUnit->addItem(tr("letter"), static_cast<int>(vellumark::TextUnit::Letter));
    drpUnit->addItem(tr("word"), static_cast<int>(vellumark::TextUnit::Word));
    drpUnit->addItem(tr("verse"), static_cast<int>(vellumark::TextUnit::Verse));
    btnGoTo = Make<QPushButton>(this, "btnGoTo", tr("Go to"));
    btnExport = Make<QPushButton>(this, "btnExport", tr("Export CSV…"));

    auto* choice = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{lblText, drpText, lblMethod, drpMethod,
                                                           lblScope, txtScope, btnShow})
        choice->addWidget(widget, widget == txtScope ? 1 : 0);
    auto* goTo = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{lblGoTo, spnGoTo, drpUnit, btnGoTo})
        goTo->addWidget(widget);
    goTo->addStretch(1);
    goTo->addWidget(btnExport);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(lblMessage);
    layout->addWidget(tblStatistics, 1);
    layout->addWidget(lblDetail);
    layout->addLayout(goTo);
    lblMessage->hide();

    connect(drpText, &QComboBox::currentIndexChanged, this, &frmStatistics::refresh);
    connect(drpMethod, &QComboBox::currentIndexChanged, this, &frmStatistics::refresh);
    connect(btnShow, &QPushButton::clicked, this, &frmStatistics::refresh);
    connect(txtScope, &QLineEdit::returnPressed, this, &frmStatistics::refresh);
    connect(drpUnit, &QComboBox::currentIndexChanged, this, &frmStatistics::updateGoToRange);
    connect(btnGoTo, &QPushButton::clicked, this, &frmStatistics::btnGoTo_Click);
    connect(spnGoTo, &QSpinBox::editingFinished, this, [this] {
        if (spnGoTo->hasFocus()) btnGoTo_Click();
    });
    connect(btnExport, &QPushButton::clicked, this, &frmStatistics::btnExport_Click);
    RestorePlacement(this, kSettings, QSize(900, 640));
}

frmStatistics::~frmStatistics() = default;

void frmStatistics::setChoice(vellumark::Reading reading, vellumark::Method method) {
    const QSignalBlocker blockText(drpText);
    const QSignalBlocker blockMethod(drpMethod);
    if (drpText->isEnabled())
        drpText->setCurrentIndex(drpText->findData(static_cast<int>(reading)));
    drpMethod->setCurrentIndex(drpMethod->findData(static_cast<int>(method)));
    model_->setRows({});
}

void frmStatistics::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    KeepOnScreen(this);
    if (model_->rowCount() == 0) refresh();
}

void frmStatistics::closeEvent(QCloseEvent* event) {
    SavePlacement(this, kSettings);
    if (verseView_) verseView_->close();
    event->accept();
}

vellumark::Reading frmStatistics::reading() const {
    return static_cast<vellumark::Reading>(drpText->currentData().toInt());
}

vellumark::Method frmStatistics::method() const {
    return static_cast<vellumark::Method>(drpMethod->currentData().toInt());
}

const vellumark::TextVerses& frmStatistics::verses() {
    auto& kept = verses_[reading() == vellumark::Reading::Read ? 1 : 0];
    if (!kept) kept = std::make_unique<vellumark::TextVerses>(appPath_, reading());
    return *kept;
}

void frmStatistics::refresh() {
    const vellumark::ParsedScope parsed = vellumark::ParseScope(txtScope->text().toStdString());
    lblMessage->setVisible(!parsed.passed());
    if (!parsed.passed()) {
        lblMessage->setText(QString::fromStdString(parsed.message));
        return;
    }
    std::vector<vellumark::Statistics> rows;
    try {
        rows = verses().table(method());
        if (!parsed.whole)
            rows.push_back(verses().statistics(parsed.scope.name, parsed.scope.ranges, method()));
    } catch (const std::exception& error) {
        model_->setRows({});
        lblDetail->setText(tr("The statistics could not be counted:\n%1")
                               .arg(QString::fromStdString(error.what())));
        return;
    }
    scope_ = parsed.whole ? vellumark::Scope{} : parsed.scope;
    const vellumark::Statistics& s = rows.back();
    if (s.verses == 0) {
        lblMessage->setText(
            tr("%1 holds no verse of the text.").arg(QString::fromStdString(s.name)));
        lblMessage->show();
    }
    lblDetail->setText(
        tr("<b>%1</b> (%2): %3 chapters, %4 verses, %5 words, %6 letters, gematria %7.<br>"
           "Middle verse: %8<br>Middle word: %9<br>Middle letter: %10")
            .arg(QString::fromStdString(s.name).toHtmlEscaped(),
                 reading() == vellumark::Reading::Read ? tr("read text") : tr("written text"),
                 Grouped(s.chapters), Grouped(s.verses), Grouped(s.words), Grouped(s.letters),
                 Grouped(s.gematria), MiddleText(s.middleVerse), MiddleText(s.middleWord))
            .arg(MiddleText(s.middleLetter)));
    model_->setRows(std::move(rows));
    tblStatistics->resizeColumnsToContents();
    tblStatistics->scrollToBottom();
    updateGoToRange();
}

void frmStatistics::updateGoToRange() {
    const auto& rows = model_->rows();
    if (rows.empty()) return;
    const vellumark::Statistics& s = rows.back();
    const auto unit = static_cast<vellumark::TextUnit>(drpUnit->currentData().toInt());
    const long count = unit == vellumark::TextUnit::Letter ? s.letters
                       : unit == vellumark::TextUnit::Word ? s.words
                                                           : s.verses;
    spnGoTo->setRange(1, static_cast<int>(std::max(1L, count)));
}

void frmStatistics::btnGoTo_Click() {
    if (model_->rows().empty()) return;
    const auto unit = static_cast<vellumark::TextUnit>(drpUnit->currentData().toInt());
    const long n = spnGoTo->value();
    std::shared_ptr<const vellumark::SearchData> data;
    std::optional<vellumark::TextPlace> place;
    try {
        place = verses().locate(scope_.ranges, unit, n);
        data = source_ ? source_(reading())
                       : std::make_shared<const vellumark::SearchData>(appPath_, std::nullopt,
                                                                       reading());
    } catch (const std::exception& error) {
        MessageBox::information(this, QString::fromStdString(error.what()));
        return;
    }
    if (!place) return;
    if (!verseView_) verseView_ = new frmVerseView(*noHits_, *noHitsShown_, this);
    verseView_->setData(data);
    const QString name = QString::fromStdString(model_->rows().back().name);
    QString unitText = drpUnit->currentText();
    unitText[0] = unitText[0].toUpper();
    verseView_->showPlace(place->verse, place->word, place->letter,
                          tr("%1 %2 of %3: %4").arg(unitText, Grouped(n), name, PlaceText(*place)));
    verseView_->show();
    verseView_->raise();
    verseView_->activateWindow();
}

void frmStatistics::btnExport_Click() {
    if (model_->rows().empty()) return;
    const QString folder =
        QFile::decodeName(QByteArray::fromStdString(vellumark::ReportFolder(appPath_)));
    const QString chosen = Desktop::chooseSaveFile(
        this, tr("Export"), folder + QStringLiteral("/statistics.csv"), tr("CSV (*.csv)"));
    if (chosen.isEmpty()) return;
    try {
        vellumark::AtomicFile file(QFile::encodeName(chosen).toStdString());
        file.write(vellumark::StatisticsCsv(model_->rows()));
        file.commit();
    } catch (const std::exception& error) {
        MessageBox::information(
            this,
            tr("The statistics were not exported:\n%1").arg(QString::fromStdString(error.what())));
    }
}

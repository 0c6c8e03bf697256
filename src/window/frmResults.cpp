#include "window/frmResults.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "search/SearchData.h"
#include "window/Desktop.h"
#include "window/MessageBox.h"
#include "window/MethodList.h"
#include "window/Widgets.h"
#include "window/WindowPlacement.h"
#include "window/frmVerseView.h"
#include "window/results/FindInput.h"
#include "window/results/FindRunner.h"
#include "window/results/HebrewFont.h"
#include "window/results/HitDelegate.h"
#include "window/results/MatchGroupsModel.h"
#include "window/results/ResultExport.h"
#include "window/results/ResultsFilter.h"
#include "window/results/ResultsModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kSettings = QStringLiteral("Results");

QTableView* MakeTable(QWidget* parent, const char* name) {
    auto* table = Make<QTableView>(parent, name);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    // Fixed heights: no row's text is looked up before it is shown.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() * 2);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

}  // namespace

frmResults::frmResults(std::string appPath, QWidget* parent)
    : QWidget(parent, Qt::Window), appPath_(std::move(appPath)) {
    setObjectName(QStringLiteral("frmResults"));
    setWindowTitle(tr("Results"));
    runner_ = new FindRunner(appPath_, this);
    model_ = new ResultsModel(this);
    filter_ = new ResultsFilter(this);
    filter_->setResultsModel(model_);
    groups_ = new MatchGroupsModel(this);
    createControls();
    restoreSettings();
    RestorePlacement(this, kSettings, QSize(960, 600));
}

frmResults::~frmResults() = default;

void frmResults::createControls() {
    txtFind = Make<QLineEdit>(this, "txtFind");
    txtFind->setPlaceholderText(tr("a number, or Hebrew"));
    lblFind = MakeLabel(this, "lblFind", tr("Find:"), txtFind);
    drpMatch = Make<QComboBox>(this, "drpMatch");
    drpMatch->addItem(tr("Words"), int(vellumark::Match::Words));
    drpMatch->addItem(tr("Phrases"), int(vellumark::Match::Phrases));
    drpMatch->addItem(tr("Verses"), int(vellumark::Match::Verses));
    drpMatch->addItem(tr("Verse runs"), int(vellumark::Match::VerseRuns));
    lblMatch = MakeLabel(this, "lblMatch", tr("Match:"), drpMatch);
    drpMeasure = Make<QComboBox>(this, "drpMeasure");
    drpMeasure->addItem(tr("Gematria"), int(vellumark::kGematria));
    drpMeasure->addItem(tr("Word count"), int(vellumark::kWordCount));
    drpMeasure->addItem(tr("Letter count"), int(vellumark::kLetterCount));
    lblMeasure = MakeLabel(this, "lblMeasure", tr("Measure:"), drpMeasure);
    drpMethod = Make<QComboBox>(this, "drpMethod");
    FillSearchMethods(drpMethod);
    // The field as wide as a method's name; the list as wide as its notes.
    drpMethod->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    drpMethod->setMinimumContentsLength(22);
    drpMethod->view()->setMinimumWidth(drpMethod->view()->sizeHintForColumn(0) + 24);
    lblMethod = MakeLabel(this, "lblMethod", tr("Method:"), drpMethod);
    drpScope = Make<QComboBox>(this, "drpScope");
    drpScope->setEditable(true);
    drpScope->addItem(vellumark::WholeTextScope());
    drpScope->setToolTip(tr("Whole text, or a range such as Gen 1:1-Deut 34:12"));
    drpScope->setMinimumContentsLength(18);
    lblScope = MakeLabel(this, "lblScope", tr("Scope:"), drpScope);
    drpText = MakeTextChoice(this, appPath_);
    lblText = MakeLabel(this, "lblText", tr("Text:"), drpText);
    btnStop = Make<QPushButton>(this, "btnStop", tr("Stop"));
    btnStop->hide();
    prgFind = Make<QProgressBar>(this, "prgFind");
    prgFind->hide();
    lblFindMessage = Make<QLabel>(this, "lblFindMessage");
    lblTitle = Make<QLabel>(this, "lblTitle");
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    lblTitle->setWordWrap(true);

    txtFilter = Make<QLineEdit>(this, "txtFilter");
    txtFilter->setClearButtonEnabled(true);
    lblFilter = MakeLabel(this, "lblFilter", tr("Filter:"), txtFilter);
    chkGroup = Make<QCheckBox>(this, "chkGroup", tr("Group by matched text"));
    btnExport = Make<QPushButton>(this, "btnExport", tr("Export…"));
    btnSaveReport = Make<QPushButton>(this, "btnSaveReport", tr("Save as Report…"));
    btnOpenReport = Make<QPushButton>(this, "btnOpenReport", tr("Open Report"));
    btnOpenReport->setEnabled(false);
    // Until there are results there is nothing to export or save.
    btnExport->setEnabled(false);
    btnSaveReport->setEnabled(false);

    splitter = Make<QSplitter>(this, "splitter", Qt::Horizontal);
    tblGroups = MakeTable(splitter, "tblGroups");
    tblGroups->setModel(groups_);
    tblGroups->setAccessibleName(tr("Matched texts"));
    tblGroups->setSelectionMode(QAbstractItemView::SingleSelection);
    tblGroups->setFont(HebrewFont(font()));
    tblGroups->hide();
    tblResults = MakeTable(splitter, "tblResults");
    tblResults->setModel(filter_);
    tblResults->setAccessibleName(tr("Hits"));
    tblResults->setSortingEnabled(true);
    tblResults->sortByColumn(-1, Qt::AscendingOrder);  // the text's order until a header is clicked
    tblResults->setItemDelegate(new HitDelegate(ResultsModel::Hebrew, tblResults));
    tblResults->setColumnWidth(ResultsModel::Reference, 130);
    int methodWidth = 0;  // the longest name in full
    for (vellumark::Method method : vellumark::kMethods) {
        const std::string_view name = vellumark::MethodName(method);
        methodWidth =
            std::max(methodWidth, tblResults->fontMetrics().horizontalAdvance(
                                      QString::fromUtf8(name.data(), qsizetype(name.size()))));
    }
    tblResults->setColumnWidth(ResultsModel::Method, methodWidth + 16);
    tblResults->setColumnHidden(ResultsModel::Method, true);
    tblResults->setColumnWidth(ResultsModel::Hebrew, 360);
    tblResults->setColumnWidth(ResultsModel::Value, 70);
    tblResults->installEventFilter(this);
    splitter->setStretchFactor(1, 3);

    // Two rows, so that the window fits a small screen.
    auto* find = new QVBoxLayout;
    auto* what = new QHBoxLayout;
    auto* how = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{lblFind, txtFind, lblMatch, drpMatch,
                                                           lblMeasure, drpMeasure})
        what->addWidget(widget, widget == txtFind ? 1 : 0);
    for (QWidget* widget : std::initializer_list<QWidget*>{lblMethod, drpMethod, lblText, drpText,
                                                           lblScope, drpScope, btnStop})
        how->addWidget(widget, widget == drpScope ? 1 : 0);
    find->addLayout(what);
    find->addLayout(how);
    auto* status = new QHBoxLayout;
    status->addWidget(lblFindMessage, 1);
    status->addWidget(prgFind);
    auto* tools = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{lblFilter, txtFilter, chkGroup,
                                                           btnExport, btnSaveReport, btnOpenReport})
        tools->addWidget(widget, widget == txtFilter ? 1 : 0);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(find);
    layout->addLayout(status);
    layout->addWidget(lblTitle);
    layout->addLayout(tools);
    layout->addWidget(splitter, 1);

    connect(txtFind, &QLineEdit::textChanged, this, &frmResults::findChanged);
    for (QComboBox* list : {drpMatch, drpMeasure, drpMethod, drpText})
        connect(list, &QComboBox::currentIndexChanged, this, &frmResults::findChanged);
    connect(drpScope, &QComboBox::currentTextChanged, this, &frmResults::findChanged);
    connect(btnStop, &QPushButton::clicked, runner_, &FindRunner::stop);
    connect(runner_, &FindRunner::started, this, [this](const vellumark::SearchRequest& request) {
        lblFindMessage->setText(tr("Searching…"));
        const bool runs = request.match == vellumark::Match::VerseRuns;
        btnStop->setVisible(runs);
        prgFind->setVisible(runs);
        prgFind->setValue(0);
    });
    connect(runner_, &FindRunner::progress, this, [this](int value, int maximum) {
        prgFind->setMaximum(maximum);
        prgFind->setValue(value);
    });
    auto done = [this] {
        btnStop->hide();
        prgFind->hide();
        lblFindMessage->clear();
    };
    connect(runner_, &FindRunner::finished, this, [this, done](const vellumark::ResultSet& found) {
        done();
        showResults(found);
    });
    connect(runner_, &FindRunner::failed, this, [this, done](const QString& message) {
        done();
        lblFindMessage->setText(message);
    });
    connect(txtFilter, &QLineEdit::textChanged, filter_, &ResultsFilter::setText);
    connect(chkGroup, &QCheckBox::toggled, this, &frmResults::chkGroup_Toggled);
    connect(tblGroups->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmResults::shownGroupChanged);
    connect(btnExport, &QPushButton::clicked, this, &frmResults::btnExport_Click);
    connect(btnSaveReport, &QPushButton::clicked, this, &frmResults::btnSaveReport_Click);
    connect(btnOpenReport, &QPushButton::clicked, this, &frmResults::btnOpenReport_Click);
    connect(tblResults, &QTableView::doubleClicked, this, &frmResults::openVerse);
    drpMeasure->setEnabled(false);
}

void frmResults::restoreSettings() {
    const QSignalBlocker blockFind(txtFind);
    const QSignalBlocker blockMatch(drpMatch);
    const QSignalBlocker blockMeasure(drpMeasure);
    const QSignalBlocker blockMethod(drpMethod);
    const QSignalBlocker blockScope(drpScope);
    const QSignalBlocker blockText(drpText);
    const QSettings settings;
    auto select = [&settings](QComboBox* list, const char* key) {
        const QVariant kept = settings.value(kSettings + QLatin1String(key));
        const int index = kept.isValid() ? list->findData(kept.toInt()) : -1;
        if (index >= 0) list->setCurrentIndex(index);
    };
    txtFind->setText(settings.value(kSettings + QStringLiteral("/find")).toString());
    select(drpMatch, "/match");
    select(drpMeasure, "/measure");
    select(drpMethod, "/method");
    if (drpText->isEnabled()) select(drpText, "/text");
    const QString scope = settings.value(kSettings + QStringLiteral("/scope")).toString();
    if (!scope.isEmpty()) drpScope->setCurrentText(scope);
    chkGroup->setChecked(settings.value(kSettings + QStringLiteral("/grouped"), false).toBool());
    drpMeasure->setEnabled(drpMatch->currentData().toInt() >= int(vellumark::Match::Verses));
}

void frmResults::saveSettings() const {
    QSettings settings;
    settings.setValue(kSettings + QStringLiteral("/find"), txtFind->text());
    settings.setValue(kSettings + QStringLiteral("/match"), drpMatch->currentData());
    settings.setValue(kSettings + QStringLiteral("/measure"), drpMeasure->currentData());
    settings.setValue(kSettings + QStringLiteral("/method"), drpMethod->currentData());
    settings.setValue(kSettings + QStringLiteral("/text"), drpText->currentData());
    settings.setValue(kSettings + QStringLiteral("/scope"), drpScope->currentText());
    settings.setValue(kSettings + QStringLiteral("/grouped"), chkGroup->isChecked());
}

void frmResults::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The frame is known once shown: the whole window stays on the screen.
    KeepOnScreen(this);
}

void frmResults::closeEvent(QCloseEvent* event) {
    runner_->cancel();
    saveSettings();
    SavePlacement(this, kSettings);
    if (verseView_) verseView_->close();
    event->accept();
}

bool frmResults::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tblResults && event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        // The whole rows, not the current cell the view would copy.
        if (press->matches(QKeySequence::Copy)) {
            QApplication::clipboard()->setText(selectedRowsText());
            return true;
        }
        const int key = press->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            tblResults->currentIndex().isValid()) {
            openVerse(tblResults->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmResults::setFindPause(int milliseconds) { runner_->setPause(milliseconds); }

void frmResults::setDataSource(
    std::function<std::shared_ptr<const vellumark::SearchData>(vellumark::Reading)> source) {
    runner_->setDataSource(std::move(source));
}

void frmResults::findChanged() {
    const auto match = static_cast<vellumark::Match>(drpMatch->currentData().toInt());
    drpMeasure->setEnabled(match == vellumark::Match::Verses ||
                           match == vellumark::Match::VerseRuns);
    vellumark::FindFields fields;
    fields.text = txtFind->text();
    fields.match = match;
    fields.searchType = static_cast<std::int16_t>(drpMeasure->currentData().toInt());
    const int method = drpMethod->currentData().toInt();
    fields.allMethods = method == kAllMethodsItem;
    if (!fields.allMethods) fields.method = static_cast<vellumark::Method>(method);
    fields.scope = drpScope->currentText();
    fields.reading = static_cast<vellumark::Reading>(drpText->currentData().toInt());
    const vellumark::FindCheck check = vellumark::CheckFind(fields, appPath_);
    lblFindMessage->setText(check.message);
    if (!check.passed()) {
        runner_->cancel();
        btnStop->hide();
        prgFind->hide();
        return;
    }
    runner_->schedule(check.request);
}

void frmResults::runSearch(const vellumark::SearchRequest& request, int maxPhraseWords) {
    vellumark::SearchRequest withoutReport = request;
    withoutReport.reportName.clear();
    runner_->runNow(withoutReport, maxPhraseWords);
}

void frmResults::showHits(const vellumark::SearchRequest& request, std::vector<vellumark::Hit> hits,
                          const std::string& reportPath, bool killed) {
    runner_->cancel();
    vellumark::ResultSet results;
    results.request = request;
    for (const vellumark::Hit& hit : hits)
        vellumark::AddResultRows(hit, request.match, results.rows);
    results.hits = std::move(hits);
    results.reportPath = reportPath;
    results.killed = killed;
    showResults(std::move(results));
}

void frmResults::showResults(vellumark::ResultSet results) {
    btnOpenReport->setEnabled(!results.reportPath.empty());
    btnExport->setEnabled(!results.rows.empty());
    // A report holds phrases of every length, not the calculator's few.
    btnSaveReport->setEnabled(results.request.value > 0 && results.maxPhraseWords == 0);
    tblResults->setColumnHidden(ResultsModel::Method, !results.request.allMethods ||
                                                          !vellumark::UsesMethod(results.request));
    std::shared_ptr<const vellumark::SearchData> data;
    vellumark::VerseScope whole;
    try {
        data = runner_->data(results.request.reading);
        if (data->verseCount() > 0) whole = {data->ids().front(), data->ids().back()};
    } catch (const std::exception&) {
        // The rows then show no texts; the search itself reported the failure.
    }
    lblTitle->setText(QString::fromStdString(vellumark::DescribeResults(results, whole)));
    model_->setResults(std::move(results), std::move(data));
    if (chkGroup->isChecked()) chkGroup_Toggled(true);
    if (verseView_) verseView_->close();
    emit resultsShown();
}

void frmResults::chkGroup_Toggled(bool grouped) {
    tblGroups->setVisible(grouped);
    if (grouped) {
        if (splitter->sizes().value(0) < 200) splitter->setSizes({width() / 3, width() * 2 / 3});
        groups_->group(*model_);
        tblGroups->resizeColumnsToContents();
        if (groups_->rowCount() > 0) tblGroups->selectRow(0);
    } else {
        groups_->clear();
        filter_->setGroup(QString());
    }
}

void frmResults::shownGroupChanged() {
    const QModelIndex current = tblGroups->selectionModel()->currentIndex();
    filter_->setGroup(current.isValid() ? groups_->textAt(current.row()) : QString());
}

QString frmResults::selectedRowsText() const {
    QStringList lines;
    QStringList header;
    QList<int> columns;
    for (int column = 0; column < ResultsModel::ColumnCount; ++column)
        if (!tblResults->isColumnHidden(column)) columns << column;
    for (int column : columns) header << model_->headerData(column, Qt::Horizontal).toString();
    lines << header.join(QLatin1Char('\t'));
    QModelIndexList rows = tblResults->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& row : rows) {
        QStringList fields;
        for (int column : columns) {
            // A field holds no tab or line break of its own.
            fields << filter_->index(row.row(), column)
                          .data()
                          .toString()
                          .replace(QLatin1Char('\t'), QLatin1Char(' '))
                          .replace(QLatin1Char('\n'), QLatin1Char(' '));
        }
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void frmResults::btnExport_Click() {
    const vellumark::ResultSet& results = model_->results();
    const QString folder =
        QFile::decodeName(QByteArray::fromStdString(vellumark::ReportFolder(appPath_)));
    const QString chosen =
        Desktop::chooseSaveFile(this, tr("Export"), folder + QStringLiteral("/results.csv"),
                                tr("CSV (*.csv);;JSON (*.json)"));
    if (chosen.isEmpty()) return;
    try {
        vellumark::ExportResults(results, *runner_->data(results.request.reading),
                                 QFile::encodeName(chosen).toStdString(),
                                 chosen.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)
                                     ? vellumark::ExportFormat::Json
                                     : vellumark::ExportFormat::Csv);
    } catch (const std::exception& error) {
        MessageBox::information(
            this,
            tr("The results were not exported:\n%1").arg(QString::fromStdString(error.what())));
    }
}

void frmResults::btnSaveReport_Click() {
    if (!reportCommand_ || model_->results().request.value <= 0) return;
    const QString name = MessageBox::askText(this, tr("Save as Report"), tr("Report Name:"));
    if (name.isNull()) return;
    const vellumark::SearchRequest& request = model_->results().request;
    vellumark::ValueSearchFields fields;
    fields.value = std::to_string(request.value);
    fields.reportName = name.toStdString();
    fields.method = request.method;
    fields.reading = request.reading;
    if (request.scope && !request.scope->name.empty()) {
        fields.scope = request.scope;  // a section, book, portion or several parts
    } else if (request.scope) {
        const vellumark::VerseScope& scope = request.scope->ranges.front();
        auto book = [](std::int16_t number) {
            return std::string(vellumark::kBookNames[static_cast<std::size_t>(number - 1)]);
        };
        fields.range = vellumark::RangeInput{scope.first.book,
                                             book(scope.first.book),
                                             std::to_string(scope.first.chapter),
                                             std::to_string(scope.first.verse),
                                             scope.last.book,
                                             book(scope.last.book),
                                             std::to_string(scope.last.chapter),
                                             std::to_string(scope.last.verse)};
    }
    reportCommand_(fields, request.match, request.searchType, request.allMethods);
}

void frmResults::btnOpenReport_Click() {
    const std::string& path = model_->results().reportPath;
    if (path.empty()) return;
    const QString local = QFile::decodeName(QByteArray::fromStdString(path));
    Desktop::open(QUrl::fromLocalFile(local), this, [this, local] {
        MessageBox::information(this, tr("No program was found to open %1.").arg(local));
    });
}

void frmResults::openVerse(const QModelIndex& index) {
    if (!index.isValid()) return;
    if (!verseView_) verseView_ = new frmVerseView(*model_, *filter_, this);
    try {
        verseView_->setData(runner_->data(model_->results().request.reading));
    } catch (const std::exception& error) {
        MessageBox::information(this, QString::fromStdString(error.what()));
        return;
    }
    verseView_->showHit(index.row());
    verseView_->show();
    verseView_->raise();
    verseView_->activateWindow();
}

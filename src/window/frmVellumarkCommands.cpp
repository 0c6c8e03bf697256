// The three commands of the window: Value Search, Range Totals, Report Filter.
// Each reads its fields, calls the core's check and command, and shows the result.
#include "window/frmVellumark.h"

#include "data/AppPaths.h"
#include "filter/ReportFilter.h"
#include "search/HtmlReport.h"
#include "search/Searches.h"
#include "search/ValueSearchInput.h"
#include "totals/RangeTotals.h"
#include "window/MessageBox.h"
#include "window/MethodList.h"
#include "window/ScopeList.h"
#include "window/frmResults.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

/// "Report/<name>.html": a report as the status line names it, from the program's folder.
QString ReportShown(const std::string& name) {
    return QStringLiteral("Report/") + Q(name) + QStringLiteral(".html");
}

QString HitsWritten(long hits, const std::string& name) {
    return (hits == 1 ? QStringLiteral("1 hit") : QStringLiteral("%1 hits").arg(hits)) +
           QStringLiteral(" written to ") + ReportShown(name);
}

/// Hands the hits on to the report and keeps them for the Results window.
class KeepingSink : public vellumark::HitSink {
public:
    KeepingSink(vellumark::HitSink& sink, std::vector<vellumark::Hit>& hits)
        : sink_(sink), hits_(hits) {}
    void begin() override { sink_.begin(); }
    void add(const vellumark::Hit& hit) override {
        sink_.add(hit);
        hits_.push_back(hit);
    }
    void finish() override { sink_.finish(); }

private:
    vellumark::HitSink& sink_;
    std::vector<vellumark::Hit>& hits_;
};

/// ", read text (qere)" after the status line of a command on the read text.
QString ReadingShown(vellumark::Reading reading) {
    return reading == vellumark::Reading::Read ? QStringLiteral(", read text (qere)") : QString();
}

const char* const kSearchRunning =
    "A Multiple Match search is still running. Wait until it has finished, or click "
    "Kill Process.";

}  // namespace

/// Shows a search's progress in the window's controls.
class frmVellumark::SearchProgress : public vellumark::SearchObserver {
public:
    explicit SearchProgress(frmVellumark& window) : w_(window) {}

    void processingShown(bool shown) override {
        if (shown) w_.lblProcessing->raise();
        w_.lblProcessing->setVisible(shown);
        w_.lblProcessing->repaint();
    }
    void progressPrepared(int maximum) override {
        w_.prgProgress->raise();
        w_.prgProgress->setMaximum(maximum);
    }
    void progressShown(bool shown) override {
        w_.prgProgress->setVisible(shown);
        w_.btnKill->setVisible(shown);
        w_.btnKill->repaint();
    }
    void progressValue(int value) override { w_.prgProgress->setValue(value); }
    void processEvents() override { QApplication::processEvents(); }
    bool killRequested() override { return w_.boolKill; }
    void resetKill() override { w_.boolKill = false; }

private:
    frmVellumark& w_;
};

void frmVellumark::btnValueSearch_Click() {
    vellumark::ValueSearchFields fields;
    fields.value = Text(txtValue);
    fields.reportName = Text(txtReportName);
    fields.reportHeader = txtReportHeader->toPlainText().toStdString();
    const int method = drpMethod->currentData().toInt();
    const bool allMethods = method == kAllMethodsItem;
    if (!allMethods) fields.method = static_cast<vellumark::Method>(method);
    if (drpScope->currentData().toInt() == kRangeBelowItem) {
        fields.range = rangeInput();
    } else if (const vellumark::Scope* scope = namedScope()) {
        fields.scope = *scope;
    }
    fields.reading = reading();
    const bool single = radMatchSingle->isChecked();
    if (radWordMatch->isChecked()) {
        valueSearch(fields, single ? vellumark::Match::Words : vellumark::Match::Phrases,
                    vellumark::kGematria, allMethods);
    } else {
        valueSearch(fields, single ? vellumark::Match::Verses : vellumark::Match::VerseRuns,
                    radWordCount->isChecked()     ? vellumark::kWordCount
                    : radLetterCount->isChecked() ? vellumark::kLetterCount
                                                  : vellumark::kGematria,
                    allMethods);
    }
}

void frmVellumark::valueSearch(const vellumark::ValueSearchFields& fields, vellumark::Match match,
                               std::int16_t searchType, bool allMethods) {
    if (searchRunning_) {
        MessageBox::information(this, tr(kSearchRunning));
        return;
    }
    vellumark::ValueSearchCheck check = vellumark::CheckValueSearch(fields, strAppPath);
    if (check.nameCleaned) txtReportName->setText(Q(check.request.reportName));
    if (!check.passed()) {
        MessageBox::information(this, Q(check.message));
        return;
    }
    if (check.reportExists) {
        const QString question = QStringLiteral("Report file ") + Q(check.request.reportName) +
                                 QStringLiteral(".html already exists. Overwrite?");
        if (MessageBox::question(this, question, QStringLiteral("Overwrite?")) != MessageBox::Yes)
            return;
    }
    check.request.match = match;
    if (match == vellumark::Match::Verses || match == vellumark::Match::VerseRuns)
        check.request.searchType = searchType;
    check.request.allMethods = allMethods;
    runSearch(std::move(check.request));
}

void frmVellumark::runSearch(vellumark::SearchRequest request) {
    SearchProgress progress(*this);
    searchRunning_ = true;
    vellumark::SearchResult result;
    std::vector<vellumark::Hit> hits;
    try {
        const std::shared_ptr<const vellumark::SearchData> data = loadedSearchData(request.reading);
        if (data) {
            vellumark::HtmlReport report(request, data->texts());
            KeepingSink kept(report, hits);
            result = vellumark::RunSearch(request, *data, kept, progress);
            result.reportPath = report.path();
        } else {
            vellumark::HtmlReport report(request);
            KeepingSink kept(report, hits);
            result = vellumark::RunSearch(request, kept, progress);
            result.reportPath = report.path();
        }
    } catch (const std::exception& error) {
        searchRunning_ = false;
        boolKill = false;
        hideSearchProgress();
        showStatus(
            tr("The search stopped: %1 was not written").arg(ReportShown(request.reportName)));
        MessageBox::information(
            this,
            tr("The search stopped and the report was not written:\n%1").arg(Q(error.what())));
        if (closeAfterSearch_) close();
        return;
    }
    searchRunning_ = false;
    if (result.killed) {
        showStatus(QStringLiteral("Kill Process: ") + HitsWritten(result.hits, request.reportName),
                   result.reportPath, &request);
    } else if (result.hits == 0) {
        showStatus(QStringLiteral("No hits: ") + ReportShown(request.reportName) +
                       QStringLiteral(" holds no entries"),
                   result.reportPath, &request);
    } else {
        showStatus(HitsWritten(result.hits, request.reportName), result.reportPath, &request);
    }
    if (results_ && results_->isVisible())
        results_->showHits(request, std::move(hits), result.reportPath, result.killed);
    if (closeAfterSearch_) {
        close();
        return;
    }
    MessageBox::information(this, QStringLiteral("Done"));
}

std::shared_ptr<const vellumark::SearchData> frmVellumark::loadedSearchData(
    vellumark::Reading reading) {
    try {
        return searchData(reading).get();
    } catch (const std::exception&) {
        return nullptr;
    }
}

void frmVellumark::hideSearchProgress() {
    lblProcessing->hide();
    prgProgress->hide();
    btnKill->hide();
}

vellumark::RangeInput frmVellumark::rangeInput() const {
    return {static_cast<std::int16_t>(drpStartBook->currentData().toInt()),
            drpStartBook->currentText().toStdString(),
            Text(txtStartChapter),
            Text(txtStartVerse),
            static_cast<std::int16_t>(drpEndBook->currentData().toInt()),
            drpEndBook->currentText().toStdString(),
            Text(txtEndChapter),
            Text(txtEndVerse)};
}

void frmVellumark::btnRangeTotals_Click() {
    if (const vellumark::Scope* scope = namedScope()) {
        namedScopeTotals(*scope);
        return;
    }
    const vellumark::RangeInput range = rangeInput();
    const vellumark::Reading text = reading();
    const std::string path = vellumark::TextPath(strAppPath, text, vellumark::kLineDataFile);
    QLineEdit* const boxes[] = {txtWordCount, txtLetterCount, txtGematria, txtAltGematria};
    try {
        const vellumark::RangeCheck check = vellumark::ValidateRange(range, path);
        if (!check.passed()) {
            MessageBox::information(this, Q(check.message));
            return;
        }
        const vellumark::RangeTotals totals = vellumark::CalculateRangeTotals(
            path, range.startBook, check.startChapter, check.startVerse, range.endBook,
            check.endChapter, check.endVerse);
        const std::int32_t values[] = {totals.words, totals.letters, totals.gematria,
                                       totals.altGematria};
        for (int k = 0; k < 4; ++k) boxes[k]->setText(QString::number(values[k]));
        const int item = drpMethod->currentData().toInt();
        const auto method = static_cast<vellumark::Method>(item);
        if (item != kAllMethodsItem && method != vellumark::Method::StandardAndFinal) {
            txtMethodTotal->setText(QString::number(vellumark::CalculateMethodTotal(
                strAppPath, vellumark::ScopeOf(range, check), method, text)));
        }
        showStatus(tr("Range Totals of %1 %2:%3 to %4 %5:%6")
                       .arg(Q(range.startBookName))
                       .arg(check.startChapter)
                       .arg(check.startVerse)
                       .arg(Q(range.endBookName))
                       .arg(check.endChapter)
                       .arg(check.endVerse) +
                   ReadingShown(text));
    } catch (const std::exception& error) {
        totalsFailed(error);
    }
}

void frmVellumark::totalsFailed(const std::exception& error) {
    for (QLineEdit* box :
         {txtWordCount, txtLetterCount, txtGematria, txtAltGematria, txtMethodTotal})
        box->clear();
    showStatus(tr("Range Totals could not be computed"));
    MessageBox::information(this,
                            tr("The range totals could not be computed:\n%1").arg(Q(error.what())));
}

void frmVellumark::namedScopeTotals(const vellumark::Scope& scope) {
    QLineEdit* const boxes[] = {txtWordCount, txtLetterCount, txtGematria, txtAltGematria};
    const int item = drpMethod->currentData().toInt();
    const auto method = item == kAllMethodsItem ? vellumark::Method::StandardAndFinal
                                                : static_cast<vellumark::Method>(item);
    const vellumark::Reading text = reading();
    try {
        const vellumark::ScopeTotals totals =
            vellumark::CalculateScopeTotals(strAppPath, text, scope.ranges, method);
        const std::int32_t values[] = {totals.totals.words, totals.totals.letters,
                                       totals.totals.gematria, totals.totals.altGematria};
        for (int k = 0; k < 4; ++k) boxes[k]->setText(QString::number(values[k]));
        if (method != vellumark::Method::StandardAndFinal)
            txtMethodTotal->setText(QString::number(totals.methodTotal));
        showStatus(tr("Range Totals of %1").arg(Q(scope.name)) + ReadingShown(text));
    } catch (const std::exception& error) {
        totalsFailed(error);
    }
}

void frmVellumark::btnReportFilter_Click() {
    if (searchRunning_) {
        MessageBox::information(this, tr(kSearchRunning));
        return;
    }
    const vellumark::FilterCheck check = vellumark::CheckReportFilter(
        {Text(txtReportName), Text(txtReportFilter), txtReportHeader->toPlainText().toStdString()},
        strAppPath);
    if (check.nameCleaned) txtReportName->setText(Q(check.reportName));
    if (check.textCleaned) txtReportFilter->setText(Q(check.filterText));
    if (!check.passed()) {
        MessageBox::information(this, Q(check.message));
        return;
    }
    const QString question =
        Q(check.reportName) + QStringLiteral(
                                  ".html highlights nothing, so filtering it removes every entry. "
                                  "Filter anyway?");
    try {
        const vellumark::FilterResult result = vellumark::FilterReport(
            strAppPath, check.reportName, check.filterText, check.heading, [&] {
                return MessageBox::question(this, question, QStringLiteral("Report Filter")) ==
                       MessageBox::Yes;
            });
        if (result.cancelled) {
            showStatus(tr("Report Filter cancelled: %1 was not changed")
                           .arg(ReportShown(check.reportName)));
            return;
        }
        const std::string path = vellumark::ReportPath(strAppPath, check.reportName);
        showStatus(QStringLiteral("Report Filter removed %1 of %2 entries from ")
                           .arg(result.entries - result.kept)
                           .arg(result.entries) +
                       ReportShown(check.reportName),
                   path);
    } catch (const std::exception& error) {
        showStatus(
            tr("Report Filter stopped: %1 was not changed").arg(ReportShown(check.reportName)));
        MessageBox::information(this, Q(error.what()));
        return;
    }
    MessageBox::information(this, QStringLiteral("Done"));
}

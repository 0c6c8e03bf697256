// The three commands of the window: Value Search, Range Totals, Report Filter.
#include "window/frmVellumark.h"

#include "data/AppPaths.h"
#include "data/Errors.h"
#include "data/FileStatus.h"
#include "data/TextInput.h"
#include "filter/ReportFilter.h"
#include "search/Searches.h"
#include "totals/RangeTotals.h"
#include "window/MessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <limits>

namespace {

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

const char* const kBadReportName =
    "A report name cannot contain \"/\" or \"\\\": reports are kept in the Report folder.";
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
    if (searchRunning_) {
        MessageBox::information(this, tr(kSearchRunning));
        return;
    }
    const std::optional<double> number = vellumark::ParseNumber(Text(txtValue));
    if (!number) {
        MessageBox::information(this, QStringLiteral("Please enter a valid numeric search value."));
        return;
    }
    if (*number <= 0) {
        MessageBox::information(this, QStringLiteral("Numeric value must be greater than zero"));
        return;
    }
    if (*number != std::floor(*number)) {
        MessageBox::information(this, QStringLiteral("Decimal search values are not permitted"));
        return;
    }
    txtReportName->setText(Q(vellumark::TrimSpaces(Text(txtReportName))));
    if (txtReportName->text().isEmpty()) {
        MessageBox::information(this, QStringLiteral("Please enter a name for the report"));
        return;
    }
    txtReportName->setText(Q(vellumark::StripReportSuffix(Text(txtReportName))));
    const std::string name = Text(txtReportName);
    if (vellumark::HasPathSeparator(name)) {
        MessageBox::information(this, tr(kBadReportName));
        return;
    }
    if (*number > std::numeric_limits<std::int32_t>::max()) {
        MessageBox::information(this, tr("The search value %1 is too large; the largest is "
                                         "2147483647.")
                                          .arg(txtValue->text()));
        return;
    }
    const std::string path = vellumark::ReportPath(strAppPath.toStdString(), name);
    if (vellumark::QueryAttributes(path) == 0) {
        const QString question = QStringLiteral("Report file ") + Q(name) +
                                 QStringLiteral(".html already exists. Overwrite?");
        if (MessageBox::question(this, question, QStringLiteral("Overwrite?")) != MessageBox::Yes)
            return;
    }
    runSearch(static_cast<std::int32_t>(*number));
}

void frmVellumark::runSearch(std::int32_t value) {
    const vellumark::SearchRequest request{strAppPath.toStdString(), Text(txtReportName),
                                           txtReportHeader->toPlainText().toStdString(), value};
    SearchProgress progress(*this);
    searchRunning_ = true;
    try {
        if (radWordMatch->isChecked()) {
            if (radMatchSingle->isChecked())
                vellumark::MatchSingleWord(request, progress);
            else
                vellumark::MatchMultipleWord(request, progress);
        } else if (radLineMatch->isChecked()) {
            std::int16_t intSearchType = 0;
            if (radWordCount->isChecked()) intSearchType = vellumark::kWordCount;
            if (radLetterCount->isChecked()) intSearchType = vellumark::kLetterCount;
            if (radGematria->isChecked()) intSearchType = vellumark::kGematria;
            if (radMatchSingle->isChecked())
                vellumark::MatchSingleLine(request, intSearchType, progress);
            else
                vellumark::MatchMultipleLine(request, intSearchType, progress);
        }
    } catch (const std::exception& error) {
        searchRunning_ = false;
        boolKill = false;
        hideSearchProgress();
        MessageBox::information(
            this,
            tr("The search stopped and the report was not written:\n%1").arg(Q(error.what())));
        if (closeAfterSearch_) close();
        return;
    }
    searchRunning_ = false;
    if (closeAfterSearch_) {
        close();
        return;
    }
    MessageBox::information(this, QStringLiteral("Done"));
}

void frmVellumark::hideSearchProgress() {
    lblProcessing->hide();
    prgProgress->hide();
    btnKill->hide();
}

void frmVellumark::btnRangeTotals_Click() {
    const vellumark::RangeInput range{
        static_cast<std::int16_t>(drpStartBook->currentData().toInt()),
        drpStartBook->currentText().toStdString(),
        Text(txtStartChapter),
        Text(txtStartVerse),
        static_cast<std::int16_t>(drpEndBook->currentData().toInt()),
        drpEndBook->currentText().toStdString(),
        Text(txtEndChapter),
        Text(txtEndVerse)};
    const std::string path =
        vellumark::DataPath(strAppPath.toStdString(), vellumark::kLineDataFile);
    try {
        const vellumark::RangeCheck check = vellumark::ValidateRange(range, path);
        if (!check.passed()) {
            MessageBox::information(this, Q(check.message));
            return;
        }
        const vellumark::RangeTotals totals = vellumark::CalculateRangeTotals(
            path, range.startBook, check.startChapter, check.startVerse, range.endBook,
            check.endChapter, check.endVerse);
        txtWordCount->setText(QString::number(totals.words));
        txtLetterCount->setText(QString::number(totals.letters));
        txtGematria->setText(QString::number(totals.gematria));
        txtAltGematria->setText(QString::number(totals.altGematria));
    } catch (const std::exception& error) {
        MessageBox::information(
            this, tr("The range totals could not be computed:\n%1").arg(Q(error.what())));
    }
}

void frmVellumark::btnReportFilter_Click() {
    if (searchRunning_) {
        MessageBox::information(this, tr(kSearchRunning));
        return;
    }
    txtReportName->setText(Q(vellumark::TrimSpaces(Text(txtReportName))));
    if (txtReportName->text().isEmpty()) {
        MessageBox::information(
            this, QStringLiteral("Please enter the name of the report that you want to filter."));
        return;
    }
    txtReportName->setText(Q(vellumark::StripReportSuffix(Text(txtReportName))));
    const std::string name = Text(txtReportName);
    if (vellumark::HasPathSeparator(name)) {
        MessageBox::information(this, tr(kBadReportName));
        return;
    }
    const std::string appPath = strAppPath.toStdString();
    const std::string path = vellumark::ReportPath(appPath, name);
    if (const int code = vellumark::QueryAttributes(path); code != 0) {
        MessageBox::information(this, Q(vellumark::FileErrorMessage(code, path)));
        return;
    }
    txtReportFilter->setText(Q(vellumark::TrimSpaces(Text(txtReportFilter))));
    if (txtReportFilter->text().isEmpty()) {
        MessageBox::information(this,
                                QStringLiteral("Please enter the text that you want to filter."));
        return;
    }
    while (txtReportFilter->text().contains(QStringLiteral("  ")))
        txtReportFilter->setText(
            txtReportFilter->text().replace(QStringLiteral("  "), QStringLiteral(" ")));
    const std::string heading = vellumark::TrimSpaces(txtReportHeader->toPlainText().toStdString());
    try {
        vellumark::FilterReport(appPath, name, Text(txtReportFilter), heading);
    } catch (const vellumark::FileError& error) {
        MessageBox::information(this, Q(vellumark::FileErrorMessage(error.code(), path)));
        return;
    } catch (const std::exception& error) {
        MessageBox::information(this, Q(vellumark::FileErrorMessage(vellumark::kAccessError, path) +
                                        "\n" + error.what()));
        return;
    }
    MessageBox::information(this, QStringLiteral("Done"));
}

// The window's menus, its status line and what opens in the desktop's programs:
// reports, the Report folder, the English text's sources, the calculator.
#include "window/frmVellumark.h"

#include "data/AppPaths.h"
#include "search/Searches.h"
#include "window/Desktop.h"
#include "window/MessageBox.h"
#include "window/MethodList.h"
#include "window/WindowPlacement.h"
#include "window/frmCalculator.h"
#include "window/frmResults.h"
#include "window/frmStatistics.h"

#include <QComboBox>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>

#include <filesystem>

namespace {

QString LocalName(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

void frmVellumark::createMenus() {
    mnuBar = new QMenuBar(this);
    mnuBar->setObjectName(QStringLiteral("mnuBar"));
    auto action = [this](QMenu* menu, const char* name, const QString& text, auto slot,
                         const QKeySequence& keys = {}) {
        QAction* item = menu->addAction(text, this, slot);
        item->setObjectName(QLatin1String(name));
        item->setShortcut(keys);
        return item;
    };
    QMenu* file = mnuBar->addMenu(tr("&File"));
    action(file, "mnuOpenReport", tr("Open Report…"), &frmVellumark::mnuOpenReport_Click,
           QKeySequence::Open);
    action(file, "mnuOpenReportFolder", tr("Open Report Folder"),
           &frmVellumark::mnuOpenReportFolder_Click);

    file->addSeparator();
    action(file, "mnuQuit", tr("Quit"), &QWidget::close, QKeySequence(tr("Ctrl+Q")));
    QMenu* tools = mnuBar->addMenu(tr("&Tools"));
    action(tools, "mnuCalculator", tr("Gematria Calculator…"), &frmVellumark::mnuCalculator_Click,
           QKeySequence(tr("Ctrl+G")));
    action(tools, "mnuResults", tr("Results"), &frmVellumark::btnShowResults_Click,
           QKeySequence(tr("Ctrl+R")));
    action(tools, "mnuStatistics", tr("Text Statistics"), &frmVellumark::mnuStatistics_Click);
    QMenu* help = mnuBar->addMenu(tr("&Help"));
    action(help, "mnuSources", tr("Sources and Counting Rules"), &frmVellumark::mnuSources_Click);
    action(help, "mnuAbout", tr("About Vellumark"), &frmVellumark::mnuAbout_Click);
}

void frmVellumark::showStatus(const QString& text, const std::string& reportPath,
                              const vellumark::SearchRequest* search) {
    lblStatus->setText(text);
    lblStatus->setToolTip(text);
    statusReport_ = reportPath;
    statusSearch_ = search ? std::make_unique<vellumark::SearchRequest>(*search) : nullptr;
    btnOpenReport->setEnabled(!reportPath.empty());
}

void frmVellumark::announce(const QString& text) { showStatus(text); }

void frmVellumark::openFile(const std::string& path, const QString& fragment) {
    QUrl url = QUrl::fromLocalFile(LocalName(path));
    if (!fragment.isEmpty()) url.setFragment(fragment);
    Desktop::open(url, this, [this, path] {
        MessageBox::information(this, tr("No program was found to open %1.").arg(LocalName(path)));
    });
}

void frmVellumark::btnOpenReport_Click() {
    if (statusReport_.empty()) return;
    const QString shown =
        QStringLiteral("Report/") + LocalName(std::filesystem::path(statusReport_).filename());
    std::shared_ptr<const vellumark::SearchRequest> search;
    if (statusSearch_) search = std::make_shared<vellumark::SearchRequest>(*statusSearch_);
    Desktop::open(QUrl::fromLocalFile(LocalName(statusReport_)), this, [this, shown, search] {
        MessageBox::information(
            this,
            tr("No program could open %1. Install a web browser, or use Show Results.").arg(shown));
        // The hits in the program instead.
        frmResults* window = results();
        if (search) window->runSearch(*search);
        btnShowResults_Click();
    });
}

frmResults* frmVellumark::results() {
    if (!results_) {
        results_ = new frmResults(strAppPath, this);
        // One copy of the data for the two windows' searches.
        results_->setDataSource(
            [this](vellumark::Reading chosen) { return searchData(chosen).get(); });
        // The fields name the text the rows came from; the report is of that text.
        results_->setReportCommand(
            [this](const vellumark::ValueSearchFields& fields, vellumark::Match match,
                   std::int16_t searchType,
                   bool allMethods) { valueSearch(fields, match, searchType, allMethods); });
    }
    return results_;
}

void frmVellumark::btnShowResults_Click() {
    frmResults* window = results();
    window->show();
    window->raise();
    window->activateWindow();
}

void frmVellumark::mnuOpenReport_Click() {
    const QString chosen =
        Desktop::chooseReport(this, LocalName(vellumark::ReportFolder(strAppPath)));
    if (!chosen.isEmpty()) openFile(QFile::encodeName(chosen).toStdString());
}

void frmVellumark::mnuOpenReportFolder_Click() { openFile(vellumark::ReportFolder(strAppPath)); }

void frmVellumark::mnuSources_Click() {
    openFile(vellumark::DataPath(strAppPath, vellumark::kEnglishFile), QStringLiteral("sources"));
}

void frmVellumark::mnuCalculator_Click() {
    if (!calculator_) {
        calculator_ = new frmCalculator(this);
        // Equal under other methods counts the text chosen under Text.
        calculator_->setDataSource([this] { return searchData(reading()).get(); });
        calculator_->setExportFolder(LocalName(vellumark::ReportFolder(strAppPath)));
        connect(calculator_, &frmCalculator::findRequested, this,
                [this](const vellumark::SearchRequest& request, int maxPhraseWords) {
                    results()->runSearch(request, maxPhraseWords);
                    btnShowResults_Click();
                });
        connect(calculator_, &frmCalculator::valueChosen, this, [this](std::int64_t value) {
            txtValue->setText(QString::number(value));
            activateWindow();
            txtReportName->setFocus(Qt::OtherFocusReason);
        });
        const int item = drpMethod->currentData().toInt();
        calculator_->setMethod(item == kAllMethodsItem ? vellumark::Method::StandardAndFinal
                                                       : static_cast<vellumark::Method>(item));
        // Beside the main window, where it does not hide the fields it fills,
        // as far as the screen allows.
        calculator_->move(frameGeometry().topRight() + QPoint(8, 0));
        calculator_->show();
        KeepOnScreen(calculator_);
    }
    calculator_->show();
    calculator_->raise();
    calculator_->activateWindow();
}

void frmVellumark::mnuStatistics_Click() {
    if (!statistics_) {
        statistics_ = new frmStatistics(strAppPath, this);
        statistics_->setDataSource(
            [this](vellumark::Reading text) { return searchData(text).get(); });
        const int item = drpMethod->currentData().toInt();
        statistics_->setChoice(reading(), item == kAllMethodsItem
                                              ? vellumark::Method::StandardAndFinal
                                              : static_cast<vellumark::Method>(item));
    }
    statistics_->show();
    statistics_->raise();
    statistics_->activateWindow();
}

void frmVellumark::mnuAbout_Click() {
    const QString text =
        tr("<h3>Vellumark %1</h3>"
           "<p>A gematria workbench for the 39 books of the Hebrew Old Testament.</p>"
           "<p><b>Hebrew text:</b> the Westminster Leningrad Codex, from the "
           "<a href=\"https://hb.openscriptures.org/\">Open Scriptures Hebrew Bible</a> by Open "
           "Scriptures, licensed under the "
           "<a href=\"https://creativecommons.org/licenses/by/4.0/\">Creative Commons Attribution "
           "4.0 International licence (CC BY 4.0)</a>. Vellumark takes the letters of its words "
           "and counts them; the text is not otherwise changed.</p>"
           "<p><b>English text:</b> the King James Version (1769), in the public domain (in the "
           "United Kingdom its rights are vested in the Crown).</p>"
           "<p>Both texts as shipped by Debian's package bibledit-data.</p>"
           "<p><b>Counting methods:</b> how each of the 26 methods counts, and which reading is "
           "used where published methods differ, is told under Help, Sources and Counting "
           "Rules.</p>"
           "<p>Built with Qt %2, under the GNU Lesser General Public License version 3, and "
           "pugixml, under the MIT licence.</p>"
           "<p>Reports go to %3.</p>")
            .arg(QStringLiteral(VELLUMARK_VERSION), QString::fromLatin1(qVersion()),
                 LocalName(vellumark::ReportFolder(strAppPath)).toHtmlEscaped());
    MessageBox::about(this, tr("About Vellumark"), text);
}

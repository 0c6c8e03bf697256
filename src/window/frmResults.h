#pragma once

#include "search/Hit.h"
#include "search/Searches.h"
#include "search/ValueSearchInput.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class FindRunner;
class MatchGroupsModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTableView;
class ResultsFilter;
class ResultsModel;
class frmVerseView;

namespace vellumark {
struct ResultSet;
class SearchData;
}  // namespace vellumark

/// The Results window: the hits of the main window's searches and of its own
/// Find, as a table that sorts, filters, groups by matched text, copies and
/// exports; Enter or a double click opens a hit's verse in its context.
class frmResults : public QWidget {
    Q_OBJECT

public:
    /// Writes a report as Value Search does, from its fields and the match.
    using ReportCommand = std::function<void(const vellumark::ValueSearchFields&, vellumark::Match,
                                             std::int16_t, bool allMethods)>;

    frmResults(std::string appPath, QWidget* parent = nullptr);
    ~frmResults() override;

    /// The hits of a search that wrote the report `reportPath` (Open Report opens it).
    void showHits(const vellumark::SearchRequest& request, std::vector<vellumark::Hit> hits,
                  const std::string& reportPath, bool killed);
    /// Runs `request` without a report and shows its hits; phrases of 2 to
    /// `maxPhraseWords` words only, when that is set.
    void runSearch(const vellumark::SearchRequest& request, int maxPhraseWords = 0);
    /// Where the search data comes from (by default the window's own, read once
    /// and kept); it may throw FileError and DataError.
    void setDataSource(
        std::function<std::shared_ptr<const vellumark::SearchData>(vellumark::Reading)> source);
    void setReportCommand(ReportCommand command) { reportCommand_ = std::move(command); }
    /// The pause after typing before Find searches (150 ms).
    void setFindPause(int milliseconds);

    /// The selected rows as tab-separated text with a header line.
    QString selectedRowsText() const;

signals:
    /// The table holds new rows.
    void resultsShown();

protected:
    void closeEvent(class QCloseEvent* event) override;
    void showEvent(class QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void findChanged();
    void chkGroup_Toggled(bool grouped);
    void btnExport_Click();
    void btnSaveReport_Click();
    void btnOpenReport_Click();
    void openVerse(const QModelIndex& index);

private:
    void createControls();
    void restoreSettings();
    void saveSettings() const;
    void showResults(vellumark::ResultSet results);
    void shownGroupChanged();

    std::string appPath_;
    ReportCommand reportCommand_;
    FindRunner* runner_;
    ResultsModel* model_;
    ResultsFilter* filter_;
    MatchGroupsModel* groups_;
    frmVerseView* verseView_ = nullptr;

    QLabel* lblFind;
    QLineEdit* txtFind;
    QLabel* lblMatch;
    QComboBox* drpMatch;
    QLabel* lblMeasure;
    QComboBox* drpMeasure;
    QLabel* lblMethod;
    QComboBox* drpMethod;
    QLabel* lblScope;
    QComboBox* drpScope;
    QLabel* lblText;
    QComboBox* drpText;
    QPushButton* btnStop;
    QProgressBar* prgFind;
    QLabel* lblFindMessage;
    QLabel* lblTitle;
    QLabel* lblFilter;
    QLineEdit* txtFilter;
    QCheckBox* chkGroup;
    QPushButton* btnExport;
    QPushButton* btnSaveReport;
    QPushButton* btnOpenReport;
    QSplitter* splitter;
    QTableView* tblGroups;
    QTableView* tblResults;
};

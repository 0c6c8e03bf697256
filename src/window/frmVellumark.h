#pragma once

#include "data/Scope.h"
#include "search/SearchDataCache.h"

#include <QWidget>

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class frmCalculator;
class frmResults;
class frmStatistics;

namespace vellumark {
enum class Match;
struct RangeInput;
struct SearchRequest;
struct ValueSearchFields;
}  // namespace vellumark

/// The one window of the workbench. It reads its fields, calls the core and
/// shows what came of it; every control carries its name as object name.
class frmVellumark : public QWidget {
    Q_OBJECT

public:
    /// `appPath` is the folder that holds the Data and Report folders, as the
    /// file system's bytes.
    explicit frmVellumark(std::string appPath, QWidget* parent = nullptr);
    ~frmVellumark() override;

    /// The start-up checks. False when the program must end: a data file is
    /// missing, not a file, or a record file is damaged (the message has been
    /// shown).
    bool Form_Load();

    bool killRequested() const { return boolKill; }

    /// A note in the status line until the first command, such as where the
    /// reports go.
    void announce(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void btnValueSearch_Click();
    void btnRangeTotals_Click();
    void btnReportFilter_Click();
    void btnKill_Click();
    void radWordMatch_Click();
    void radLineMatch_Click();
    void txtStartChapter_Change();
    void txtStartVerse_Change();
    void btnOpenReport_Click();
    void btnShowResults_Click();
    void drpMethod_Change();
    void mnuOpenReport_Click();
    void mnuOpenReportFolder_Click();
    void mnuCalculator_Click();
    void mnuStatistics_Click();
    void drpScope_Change();
    void mnuSources_Click();
    void mnuAbout_Click();

private:
    class SearchProgress;

    void createControls();
    void createMenus();
    void placeControls();
    void setTabOrder();
    void drpStartBook_LostFocus();
    /// Value Search of the fields: their checks, the overwrite question, the
    /// search and its report; the Results window's Save as Report comes here too.
    /// `allMethods`: the value under every search method (`fields.method` unused).
    void valueSearch(const vellumark::ValueSearchFields& fields, vellumark::Match match,
                     std::int16_t searchType, bool allMethods = false);
    void runSearch(vellumark::SearchRequest request);
    /// The search data of a reading, read once and kept while the data files
    /// stay as they were; none when they cannot be read whole (a search then
    /// reads them itself and reports what is wrong).
    std::shared_ptr<const vellumark::SearchData> loadedSearchData(vellumark::Reading reading);
    /// The reading chosen under Text.
    vellumark::Reading reading() const;
    /// The cache of a reading's search data.
    vellumark::SearchDataCache& searchData(vellumark::Reading reading);
    /// The named scope chosen under Scope; none for Whole text and The range below.
    const vellumark::Scope* namedScope() const;
    /// Range Totals of the named scope chosen under Scope.
    void namedScopeTotals(const vellumark::Scope& scope);
    /// Clears the totals and says why they could not be computed.
    void totalsFailed(const std::exception& error);
    void hideSearchProgress();
    /// The Start and End fields as typed.
    vellumark::RangeInput rangeInput() const;
    /// The status line; `reportPath` is what Open Report then opens (none:
    /// disabled), `search` the search that wrote it.
    void showStatus(const QString& text, const std::string& reportPath = {},
                    const vellumark::SearchRequest* search = nullptr);
    /// Opens a file of the program's folder in the desktop's program for it.
    void openFile(const std::string& path, const QString& fragment = {});
    /// The Results window, made the first time it is asked for.
    frmResults* results();

    std::string strAppPath;
    vellumark::SearchDataCache searchData_;
    vellumark::SearchDataCache readData_;   ///< the read text's (Data/Qere)
    std::vector<vellumark::Scope> scopes_;  ///< the named entries of Scope
    bool boolKill = false;
    bool searchRunning_ = false;
    bool closeAfterSearch_ = false;
    std::string statusReport_;
    /// The search of the status line's report, for the Results window.
    std::unique_ptr<vellumark::SearchRequest> statusSearch_;
    frmCalculator* calculator_ = nullptr;
    frmResults* results_ = nullptr;
    frmStatistics* statistics_ = nullptr;

    QMenuBar* mnuBar;
    /// Holds every control below the menu bar, at the places they always had.
    QWidget* body_;

    QLabel* lblValue;
    QLineEdit* txtValue;
    QLabel* lblReportName;
    QLineEdit* txtReportName;
    QLabel* lblReportHeader;
    QPlainTextEdit* txtReportHeader;
    QPushButton* btnValueSearch;
    QLabel* lblSearchType;
    QGroupBox* Frame1;
    QRadioButton* radWordMatch;
    QRadioButton* radLineMatch;
    QGroupBox* Frame2;
    QRadioButton* radWordCount;
    QRadioButton* radLetterCount;
    QRadioButton* radGematria;
    QGroupBox* Frame3;
    QRadioButton* radMatchSingle;
    QRadioButton* radMatchMultiple;
    QLabel* lblMethod;
    QComboBox* drpMethod;
    QLabel* lblText;
    QComboBox* drpText;
    QLabel* lblScope;
    QComboBox* drpScope;
    QPushButton* btnReportFilter;
    QLabel* lblFilterText;
    QLineEdit* txtReportFilter;
    QFrame* Line1;
    QFrame* Line2;
    QFrame* Line3;
    QFrame* Line4;
    QFrame* Line5;
    QLabel* lblStartBook;
    QComboBox* drpStartBook;
    QLabel* lblStartChapter;
    QLineEdit* txtStartChapter;
    QLabel* lblStartVerse;
    QLineEdit* txtStartVerse;
    QLabel* lblEndBook;
    QComboBox* drpEndBook;
    QLabel* lblEndChapter;
    QLineEdit* txtEndChapter;
    QLabel* lblEndVerse;
    QLineEdit* txtEndVerse;
    QPushButton* btnRangeTotals;
    QLabel* lblWordCount;
    QLineEdit* txtWordCount;
    QLabel* lblLetterCount;
    QLineEdit* txtLetterCount;
    QLabel* lblGematria;
    QLineEdit* txtGematria;
    QLabel* lblAltGematria;
    QLineEdit* txtAltGematria;
    /// The range's total by the Method when it is not the default one.
    QLabel* lblMethodTotal;
    QLineEdit* txtMethodTotal;
    QPushButton* btnKill;
    QProgressBar* prgProgress;
    QLabel* lblProcessing;
    QLabel* lblStatus;
    QPushButton* btnShowResults;
    QPushButton* btnOpenReport;
};

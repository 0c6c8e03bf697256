#pragma once

#include "data/AppPaths.h"
#include "data/Gematria.h"
#include "data/Scope.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class ResultsFilter;
class ResultsModel;
class StatisticsModel;
class frmVerseView;

namespace vellumark {
class SearchData;
class TextVerses;
}  // namespace vellumark

/// Tools, Text Statistics: the text's own counts for each book, section and the
/// whole text, and for a scope typed as the command line's --scope takes it,
/// under a method and a reading; its middles, Go to the Nth letter, word or
/// verse in the verse view, and the table exported as CSV.
class frmStatistics : public QWidget {
    Q_OBJECT

public:
    using DataSource =
        std::function<std::shared_ptr<const vellumark::SearchData>(vellumark::Reading)>;

    frmStatistics(std::string appPath, QWidget* parent = nullptr);
    ~frmStatistics() override;

    /// The reading and method shown (the main window's when it opens this one).
    void setChoice(vellumark::Reading reading, vellumark::Method method);
    /// Where the verse view takes the verses and their texts of a reading.
    void setDataSource(DataSource source) { source_ = std::move(source); }

protected:
    void showEvent(class QShowEvent* event) override;
    void closeEvent(class QCloseEvent* event) override;

private slots:
    void refresh();
    void btnGoTo_Click();
    void btnExport_Click();
    /// Go to reaches from 1 to the number of letters, words or verses of the scope.
    void updateGoToRange();

private:
    vellumark::Reading reading() const;
    vellumark::Method method() const;
    /// The verses of the chosen reading, read once (FileError, DataError).
    const vellumark::TextVerses& verses();

    std::string appPath_;
    DataSource source_;
    std::array<std::unique_ptr<vellumark::TextVerses>, 2> verses_;
    vellumark::Scope scope_;  ///< the scope of the last row; no ranges: the whole text
    StatisticsModel* model_;
    ResultsModel* noHits_;
    ResultsFilter* noHitsShown_;
    frmVerseView* verseView_ = nullptr;

    QLabel* lblText;
    QComboBox* drpText;
    QLabel* lblMethod;
    QComboBox* drpMethod;
    QLabel* lblScope;
    QLineEdit* txtScope;
    QPushButton* btnShow;
    QLabel* lblMessage;
    QTableView* tblStatistics;
    QLabel* lblDetail;
    QLabel* lblGoTo;
    QSpinBox* spnGoTo;
    QComboBox* drpUnit;
    QPushButton* btnGoTo;
    QPushButton* btnExport;
};

#pragma once

#include "data/Gematria.h"
#include "search/Searches.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace vellumark {
class SearchData;
struct EqualWordsMatrix;
}  // namespace vellumark

class QLabel;
class QModelIndex;
class QPushButton;
class QStandardItemModel;
class QTabWidget;
class QTableView;

/// The calculator's "Equal under other methods": for the text's value under
/// the chosen method, how many words, phrases and verses equal it under each
/// search method; beside it the method × method matrix of words, exported as
/// CSV. A row's cell (Enter or a double click) asks for those hits in the
/// Results window.
class EqualMethodsPanel : public QWidget {
    Q_OBJECT

public:
    explicit EqualMethodsPanel(QWidget* parent = nullptr);
    ~EqualMethodsPanel() override;

    using DataSource = std::function<std::shared_ptr<const vellumark::SearchData>()>;
    void setDataSource(DataSource source) { dataSource_ = std::move(source); }
    /// Where Export Matrix proposes its file.
    void setExportFolder(const QString& folder) { exportFolder_ = folder; }

    /// Counts `value`, the text's value under `method` (a search method), with
    /// phrases of up to `wordCount` words; the matrix takes `allValues`, the
    /// text's value under every method. Errors of the data are a message.
    void count(vellumark::Method method, std::int64_t value, int wordCount,
               const std::vector<std::pair<vellumark::Method, std::int64_t>>& allValues);

signals:
    /// "Equal under other methods" was pressed: the calculator calls count().
    void countRequested();
    /// The hits of a row: `request` without a report; phrases of 2 to
    /// `maxPhraseWords` words.
    void findRequested(const vellumark::SearchRequest& request, int maxPhraseWords);

private:
    void openCounts(const QModelIndex& index);
    void openMatrix(const QModelIndex& index);
    void find(vellumark::Method method, std::int64_t value, vellumark::Match match);
    void showMatrix(const vellumark::EqualWordsMatrix& matrix);
    void exportMatrix();

    DataSource dataSource_;
    QString exportFolder_;
    int wordCount_ = 0;
    std::unique_ptr<vellumark::EqualWordsMatrix> matrix_;

    QPushButton* btnEqual;
    QLabel* lblEqual;
    QTabWidget* tabEqual;
    QTableView* tblEqual;
    QStandardItemModel* equal_;
    QTableView* tblMatrix;
    QStandardItemModel* matrixModel_;
    QPushButton* btnExportMatrix;
};

#pragma once

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class QTextBrowser;
class ResultsFilter;
class ResultsModel;

namespace vellumark {
class SearchData;
}  // namespace vellumark

/// A hit's verse in its context: the verses of its chapter, and at least five
/// on each side, in Hebrew right to left with the hit's words highlighted,
/// each with its English. Previous Hit and Next Hit go through the rows as the
/// Results window shows them.
class frmVerseView : public QWidget {
    Q_OBJECT

public:
    frmVerseView(const ResultsModel& model, const ResultsFilter& shown, QWidget* parent = nullptr);
    ~frmVerseView() override;

    /// The verses and their texts.
    void setData(std::shared_ptr<const vellumark::SearchData> data);
    /// Shows the hit of the shown row `row`.
    void showHit(int row);
    int currentRow() const { return row_; }
    /// The context as shown, for tests: the verses' references in order.
    QStringList references() const { return references_; }

protected:
    void closeEvent(class QCloseEvent* event) override;
    void showEvent(class QShowEvent* event) override;

private:
    const ResultsModel& model_;
    const ResultsFilter& shown_;
    std::shared_ptr<const vellumark::SearchData> data_;
    int row_ = -1;
    QStringList references_;

    QLabel* lblReference;
    QTextBrowser* txtVerses;
    QPushButton* btnPrevious;
    QPushButton* btnNext;
};

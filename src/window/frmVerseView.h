#pragma once

#include <QWidget>

#include <cstddef>
#include <memory>

class QLabel;
class QPushButton;
class QTextBrowser;
class ResultsFilter;
class ResultsModel;

namespace vellumark {
class SearchData;
struct VerseId;
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
    /// Shows one place of the text in its context: `verse`, its `word` (from 1;
    /// 0: the whole verse) and in that word its `letter` (from 1; 0: the whole
    /// word) highlighted, `title` above. Previous Hit and Next Hit are hidden.
    void showPlace(const vellumark::VerseId& verse, int word, int letter, const QString& title);
    int currentRow() const { return row_; }
    /// The context as shown, for tests: the verses' references in order.
    QStringList references() const { return references_; }

protected:
    void closeEvent(class QCloseEvent* event) override;
    void showEvent(class QShowEvent* event) override;

private:
    /// The verses of the chapter around records `at` to `last`, which are
    /// highlighted, their words `matched` (0-based; all when empty) marked and
    /// in a single marked word its `letter` (from 1) when not 0.
    void showContext(std::size_t at, std::size_t last, const QList<int>& matched, int letter);

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

#pragma once

#include "data/Gematria.h"
#include "search/Searches.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

namespace vellumark {
class SearchData;
}

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QSortFilterProxyModel;
class QStandardItemModel;
class WordValuesModel;
class MethodValuesModel;
class EqualMethodsPanel;

/// The Gematria Calculator: the words, letters and values of typed or pasted
/// Hebrew, worked out as the text changes. A window of its own beside the main
/// one; "Use Value" hands the text's value by the main window's method to Value
/// Search.
class frmCalculator : public QWidget {
    Q_OBJECT

public:
    /// The longest text the calculator takes, in characters; a longer paste, or
    /// a keystroke past it, is refused with a message and the text stays as it was.
    static constexpr int kMaxText = 50'000;

    explicit frmCalculator(QWidget* parent = nullptr);

    /// The method whose value "Use Value" hands on; its button says which.
    void setMethod(vellumark::Method method);

    /// Where "Equal under other methods" takes the program's search data from
    /// (it throws FileError and DataError as SearchData does).
    using DataSource = std::function<std::shared_ptr<const vellumark::SearchData>()>;
    void setDataSource(DataSource source);
    /// Where the matrix's export proposes its file.
    void setExportFolder(const QString& folder);

signals:
    /// "Use Value": the text's value by the chosen method.
    void valueChosen(std::int64_t value);
    /// A count of "Equal under other methods" was opened: its hits, phrases
    /// of 2 to `maxPhraseWords` words.
    void findRequested(const vellumark::SearchRequest& request, int maxPhraseWords);

private slots:
    void txtHebrew_Change();
    void btnUseValue_Click();
    void btnEqual_Click();

private:
    void createKeypad(class QGridLayout* grid);
    /// False, after saying why, when the text would be `length` characters long.
    bool acceptsLength(qsizetype length);

    void showUsedValue();

    vellumark::Method method_ = vellumark::Method::StandardAndFinal;
    std::int64_t usedValue_ = 0;
    QString accepted_;  ///< the text as last accepted

    QLabel* lblHebrew;
    QPlainTextEdit* txtHebrew;
    QLabel* lblIgnored;
    QLineEdit* txtWords;
    QLineEdit* txtLetters;
    QLineEdit* txtGematria;
    QLineEdit* txtFinalGematria;
    QLineEdit* txtOrdinal;
    QLineEdit* txtReduced;
    QLineEdit* txtAtbash;
    QTableView* tblWords;
    WordValuesModel* words_;
    QTableView* tblMethods;
    MethodValuesModel* methods_;
    QPushButton* btnUseValue;
    QSortFilterProxyModel* sortedMethods_;
    EqualMethodsPanel* equal_;
    std::size_t wordCount_ = 0;
};

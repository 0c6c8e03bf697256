#pragma once

#include <QWidget>

#include <cstdint>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class WordValuesModel;

/// The Gematria Calculator: the words, letters and values of typed or pasted
/// Hebrew, worked out as the text changes. A window of its own beside the main
/// one; "Use Value" hands the gematria to Value Search.
class frmCalculator : public QWidget {
    Q_OBJECT

public:
    /// The longest text the calculator takes, in characters; a longer paste, or
    /// a keystroke past it, is refused with a message and the text stays as it was.
    static constexpr int kMaxText = 50'000;

    explicit frmCalculator(QWidget* parent = nullptr);

signals:
    /// "Use Value": the text's standard gematria.
    void valueChosen(std::int64_t value);

private slots:
    void txtHebrew_Change();
    void btnUseValue_Click();

private:
    void createKeypad(class QGridLayout* grid);
    /// False, after saying why, when the text would be `length` characters long.
    bool acceptsLength(qsizetype length);

    std::int64_t gematria_ = 0;
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
    QPushButton* btnUseValue;
};

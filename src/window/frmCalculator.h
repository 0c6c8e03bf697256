#pragma once

#include <QWidget>

#include <cstdint>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

/// The Gematria Calculator: the words, letters and values of typed or pasted
/// Hebrew, worked out as the text changes. A window of its own beside the main
/// one; "Use Value" hands the gematria to Value Search.
class frmCalculator : public QWidget {
    Q_OBJECT

public:
    explicit frmCalculator(QWidget* parent = nullptr);

signals:
    /// "Use Value": the text's standard gematria.
    void valueChosen(std::int64_t value);

private slots:
    void txtHebrew_Change();
    void btnUseValue_Click();

private:
    void createKeypad(class QGridLayout* grid);

    std::int64_t gematria_ = 0;

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
    QTableWidget* tblWords;
    QPushButton* btnUseValue;
};

#pragma once

#include "data/Gematria.h"

#include <QWidget>

#include <cstdint>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

/// The Gematria Calculator: the words, letters and values of typed or pasted
/// Hebrew, worked out as the text changes. A window of its own beside the main
/// one; "Use Value" hands the text's value by the main window's method to Value
/// Search.
class frmCalculator : public QWidget {
    Q_OBJECT

public:
    explicit frmCalculator(QWidget* parent = nullptr);

    /// The method whose value "Use Value" hands on; its button says which.
    void setMethod(vellumark::Method method);

signals:
    /// "Use Value": the text's value by the chosen method.
    void valueChosen(std::int64_t value);

private slots:
    void txtHebrew_Change();
    void btnUseValue_Click();

private:
    void createKeypad(class QGridLayout* grid);

    void showUsedValue();

    vellumark::Method method_ = vellumark::Method::StandardAndFinal;
    std::int64_t usedValue_ = 0;

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

#pragma once

#include "totals/TextStatistics.h"

#include <QAbstractTableModel>

#include <vector>

/// The statistics table as the Text Statistics window shows it: a row a book,
/// section, the whole text and the chosen scope; columns the counts, the
/// published figures and the 27 letter forms.
class StatisticsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Scope,
        Chapters,
        Verses,
        Words,
        Letters,
        Gematria,
        TraditionalVerses,
        PrintedLetters,
        LeningradLetters,
        FirstForm,
        ColumnCount = FirstForm + vellumark::kLetterForms
    };

    explicit StatisticsModel(QObject* parent = nullptr);

    void setRows(std::vector<vellumark::Statistics> rows);
    const std::vector<vellumark::Statistics>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<vellumark::Statistics> rows_;
};

#pragma once

#include <QAbstractTableModel>

#include <cstdint>
#include <string>
#include <vector>

/// The calculator's word table: one row per word, with its word (UTF-8), its
/// gematria and its final-letter gematria. A new list of words changes only the
/// rows that differ from the ones shown, so typing in a long text touches a row
/// or two and the view keeps its place.
class WordValuesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit WordValuesModel(QObject* parent = nullptr);

    /// Shows `words`, each with its values.
    void setWords(const std::vector<std::string>& words);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        std::string word;
        std::int64_t gematria;
        std::int64_t finalGematria;
    };
    std::vector<Row> rows_;
};

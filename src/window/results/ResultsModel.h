#pragma once

#include "window/results/ResultRows.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace vellumark {
class SearchData;
}

/// The rows of one search as a table: Reference, Method, Hebrew, Value,
/// English; the view shows Method for All methods only. The
/// rows are plain data; their texts are looked up the first time a row is
/// shown, filtered or grouped, and kept.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Reference, Method, Hebrew, Value, English, ColumnCount };
    enum Role {
        /// Hebrew: the 0-based indices of the matched words (QList<int>).
        MatchedWordsRole = Qt::UserRole + 1,
        /// Hebrew: the hit is on the final-letter value (bool).
        AlternateRole,
        /// Any column: what a click on its header sorts by.
        SortRole,
        /// Any column: the matched words alone (QString).
        MatchedTextRole,
    };

    explicit ResultsModel(QObject* parent = nullptr);

    /// Replaces the rows; the verse texts `data` keeps give their Hebrew and English.
    void setResults(vellumark::ResultSet results,
                    std::shared_ptr<const vellumark::SearchData> data);
    const vellumark::ResultSet& results() const { return results_; }
    const vellumark::ResultRow& rowAt(int row) const {
        return results_.rows[static_cast<std::size_t>(row)];
    }

    /// The row's texts: the verse's (or run's) words and its English.
    const QStringList& hebrewWords(int row) const;
    QString english(int row) const;
    QString matchedText(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Texts {
        QStringList words;
        QString english;
    };
    const Texts& texts(int row) const;

    vellumark::ResultSet results_;
    std::shared_ptr<const vellumark::SearchData> data_;
    mutable std::vector<std::optional<Texts>> texts_;
};

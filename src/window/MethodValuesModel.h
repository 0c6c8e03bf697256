#pragma once

#include "data/Gematria.h"

#include <QAbstractTableModel>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

/// The calculator's method table: one row per method, in the methods' order,
/// with its entry text and the value of the calculator's text by it. The value
/// column holds numbers, so that a sorting proxy sorts it by size.
class MethodValuesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit MethodValuesModel(QObject* parent = nullptr);

    /// Takes the value of `words` (letters only, as SplitHebrewWords gives
    /// them) by every method.
    void setWords(const std::vector<std::string>& words);
    /// The method and the value of a row.
    vellumark::Method method(int row) const;
    std::int64_t value(int row) const { return values_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<std::int64_t> values_;
};

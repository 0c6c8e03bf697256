#include "window/WordValuesModel.h"

#include "data/Gematria.h"

#include <algorithm>

WordValuesModel::WordValuesModel(QObject* parent) : QAbstractTableModel(parent) {}

void WordValuesModel::setWords(const std::vector<std::string>& words) {
    // The rows that stay: a common start and a common end. Between them, rows
    // are replaced in place, and the longer side's rest removed or inserted.
    const std::size_t oldCount = rows_.size();
    const std::size_t newCount = words.size();
    std::size_t start = 0;
    while (start < oldCount && start < newCount && rows_[start].word == words[start]) ++start;
    std::size_t end = 0;
    while (end < oldCount - start && end < newCount - start &&
           rows_[oldCount - 1 - end].word == words[newCount - 1 - end])
        ++end;
    const std::size_t oldMiddle = oldCount - start - end;
    const std::size_t newMiddle = newCount - start - end;
    const std::size_t replaced = std::min(oldMiddle, newMiddle);

    auto rowOf = [](const std::string& word) {
        return Row{word, vellumark::TextValue(word, vellumark::Method::Standard),
                   vellumark::TextValue(word, vellumark::Method::Final)};
    };
    for (std::size_t k = start; k < start + replaced; ++k) rows_[k] = rowOf(words[k]);
    if (replaced > 0) {
        emit dataChanged(index(static_cast<int>(start), 0),
                         index(static_cast<int>(start + replaced - 1), columnCount() - 1));
    }
    const auto first = static_cast<int>(start + replaced);
    if (oldMiddle > newMiddle) {
        beginRemoveRows({}, first, static_cast<int>(start + oldMiddle - 1));
        rows_.erase(rows_.begin() + first,
                    rows_.begin() + static_cast<std::ptrdiff_t>(start + oldMiddle));
        endRemoveRows();
    } else if (newMiddle > oldMiddle) {
        beginInsertRows({}, first, static_cast<int>(start + newMiddle - 1));
        std::vector<Row> added;
        added.reserve(newMiddle - oldMiddle);
        for (std::size_t k = start + replaced; k < start + newMiddle; ++k)
            added.push_back(rowOf(words[k]));
        rows_.insert(rows_.begin() + first, std::make_move_iterator(added.begin()),
                     std::make_move_iterator(added.end()));
        endInsertRows();
    }
}

int WordValuesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int WordValuesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant WordValuesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() == 0)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case 0:
            return QString::fromStdString(row.word);
        case 1:
            return QString::number(row.gematria);
        default:
            return QString::number(row.finalGematria);
    }
}

QVariant WordValuesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case 0:
            return tr("Word");
        case 1:
            return tr("Gematria");
        case 2:
            return tr("Final-letter gematria");
        default:
            return {};
    }
}

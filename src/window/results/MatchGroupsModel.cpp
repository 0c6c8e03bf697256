#include "window/results/MatchGroupsModel.h"

#include "window/results/ResultsModel.h"

#include <QHash>

#include <algorithm>

MatchGroupsModel::MatchGroupsModel(QObject* parent) : QAbstractTableModel(parent) {}

void MatchGroupsModel::group(const ResultsModel& results) {
    beginResetModel();
    groups_.clear();
    QHash<QString, std::size_t> index;
    for (int row = 0; row < results.rowCount(); ++row) {
        const QString text = results.matchedText(row);
        auto found = index.find(text);
        if (found == index.end()) {
            found = index.insert(text, groups_.size());
            groups_.push_back(
                {text, 0, row,
                 results.data(results.index(row, ResultsModel::Reference)).toString()});
        }
        ++groups_[*found].count;
    }
    std::stable_sort(groups_.begin(), groups_.end(),
                     [](const Group& a, const Group& b) { return a.count > b.count; });
    endResetModel();
}

void MatchGroupsModel::clear() {
    beginResetModel();
    groups_.clear();
    endResetModel();
}

int MatchGroupsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(groups_.size());
}

int MatchGroupsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MatchGroupsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Group& group = groups_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() != FirstReference)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case Text:
            return group.text;
        case Count:
            return group.count;
        default:
            return group.firstReference;
    }
}

QVariant MatchGroupsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case Text:
            return tr("Matched text");
        case Count:
            return tr("Hits");
        case FirstReference:
            return tr("First");
        default:
            return {};
    }
}

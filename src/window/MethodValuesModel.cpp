#include "window/MethodValuesModel.h"

#include "data/Gematria.h"

MethodValuesModel::MethodValuesModel(QObject* parent)
    : QAbstractTableModel(parent), values_(vellumark::kMethods.size(), 0) {}

void MethodValuesModel::setWords(const std::vector<std::string>& words) {
    for (std::size_t k = 0; k < values_.size(); ++k)
        values_[k] = vellumark::WordsValue(words, vellumark::kMethods[k]);
    emit dataChanged(index(0, 1), index(rowCount() - 1, 1));
}

vellumark::Method MethodValuesModel::method(int row) const {
    return vellumark::kMethods[static_cast<std::size_t>(row)];
}

int MethodValuesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(values_.size());
}

int MethodValuesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant MethodValuesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::TextAlignmentRole && index.column() == 1)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    if (index.column() == 1) return QVariant::fromValue<qint64>(values_[row]);
    const std::string_view name = vellumark::MethodName(vellumark::kMethods[row]);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QVariant MethodValuesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? tr("Method") : tr("Value");
}

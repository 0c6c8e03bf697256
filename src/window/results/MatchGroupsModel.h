#pragma once

#include <QAbstractTableModel>

#include <vector>

class ResultsModel;

/// The results grouped by matched text: one row per distinct matched Hebrew
/// text with its count and its first reference, largest count first (ties in
/// the order of their first hit).
class MatchGroupsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Text, Count, FirstReference, ColumnCount };

    explicit MatchGroupsModel(QObject* parent = nullptr);

    /// Groups the rows of `results` now (their texts are looked up).
    void group(const ResultsModel& results);
    void clear();
    QString textAt(int row) const { return groups_[static_cast<std::size_t>(row)].text; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Group {
        QString text;
        int count = 0;
        int firstRow = 0;
        QString firstReference;
    };
    std::vector<Group> groups_;
};

#pragma once

#include <QSortFilterProxyModel>

class ResultsModel;

/// Sorts the results by a header's column and keeps the rows that contain
/// the filter text: in the Hebrew with points and accents ignored, or in the
/// English with letter case ignored. With a group chosen, only the rows whose
/// matched words are the group's text.
class ResultsFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit ResultsFilter(QObject* parent = nullptr);

    void setResultsModel(ResultsModel* model);
    void setText(const QString& text);
    /// None (a null string): every group.
    void setGroup(const QString& matchedText);

    /// Typed Hebrew as the texts hold it: letters and spaces only.
    static QString HebrewLetters(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    ResultsModel* results_ = nullptr;
    QString text_;
    QString hebrew_;
    QString group_;
};

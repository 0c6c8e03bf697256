#include "window/results/ResultsFilter.h"

#include "window/results/ResultsModel.h"

ResultsFilter::ResultsFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(ResultsModel::SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void ResultsFilter::setResultsModel(ResultsModel* model) {
    results_ = model;
    setSourceModel(model);
}

QString ResultsFilter::HebrewLetters(const QString& text) {
    QString letters;
    for (QChar c : text) {
        if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_SpacingCombining)
            continue;
        // Maqaf joins words in print; the texts separate them with a space.
        letters += c == QChar(0x05BE) ? QChar(' ') : c;
    }
    return letters;
}

void ResultsFilter::setText(const QString& text) {
    text_ = text.trimmed();
    hebrew_ = HebrewLetters(text_).simplified();
    invalidateFilter();
}

void ResultsFilter::setGroup(const QString& matchedText) {
    group_ = matchedText;
    invalidateFilter();
}

bool ResultsFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (!results_ || sourceParent.isValid()) return true;
    if (!group_.isNull() && results_->matchedText(sourceRow) != group_) return false;
    if (text_.isEmpty()) return true;
    if (!hebrew_.isEmpty() &&
        results_->hebrewWords(sourceRow).join(QLatin1Char(' ')).contains(hebrew_))
        return true;
    return results_->english(sourceRow).contains(text_, Qt::CaseInsensitive);
}

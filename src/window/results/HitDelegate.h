#pragma once

#include <QStyledItemDelegate>

/// Paints the Hebrew column of the results: right to left in a Hebrew font,
/// the matched words in bold, in parentheses when the hit is on the
/// final-letter value (as reports mark it). Other columns paint as usual.
class HitDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    HitDelegate(int hebrewColumn, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    /// The row's Hebrew as HTML: «<b>יהוה</b> אלהים», with "(" and ")" around
    /// the matched words of an alternate hit; from word `from` on, the words
    /// before it shown as "…".
    static QString HitHtml(const QModelIndex& index, int from = 0);

private:
    int hebrewColumn_;
};

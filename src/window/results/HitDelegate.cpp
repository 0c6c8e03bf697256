#include "window/results/HitDelegate.h"

#include "window/results/HebrewFont.h"
#include "window/results/ResultsModel.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

QFont HebrewFont(const QFont& base) {
    QFont font = base;
    const QStringList installed = QFontDatabase::families(QFontDatabase::Hebrew);
    for (const char* family :
         {"SBL Hebrew", "Ezra SIL", "Taamey Frank CLM", "David CLM", "Frank Ruehl CLM",
          "Noto Serif Hebrew", "Noto Sans Hebrew", "DejaVu Sans"}) {
        if (installed.contains(QLatin1String(family))) {
            font.setFamily(QLatin1String(family));
            break;
        }
    }
    font.setPointSizeF(base.pointSizeF() * 1.3);
    return font;
}

namespace {

void SetUp(QTextDocument& document, const QStyleOptionViewItem& option, const QString& html) {
    document.setDocumentMargin(2);
    document.setDefaultFont(HebrewFont(option.font));
    QTextOption text = document.defaultTextOption();
    text.setTextDirection(Qt::RightToLeft);
    text.setAlignment(Qt::AlignRight);
    text.setWrapMode(QTextOption::NoWrap);
    document.setDefaultTextOption(text);
    document.setHtml(html);
}

}  // namespace

HitDelegate::HitDelegate(int hebrewColumn, QObject* parent)
    : QStyledItemDelegate(parent), hebrewColumn_(hebrewColumn) {}

QString HitDelegate::HitHtml(const QModelIndex& index, int from) {
    const QStringList words =
        index.data(Qt::DisplayRole).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QList<int> matched = index.data(ResultsModel::MatchedWordsRole).value<QList<int>>();
    const bool alternate = index.data(ResultsModel::AlternateRole).toBool();
    // Words left out at the start are shown as an ellipsis.
    QString html = from > 0 ? QStringLiteral("…") : QString();
    for (int k = from; k < words.size(); ++k) {
        if (!html.isEmpty()) html += QLatin1Char(' ');
        const bool first = !matched.isEmpty() && k == matched.first();
        const bool last = !matched.isEmpty() && k == matched.last();
        if (first) html += alternate ? QStringLiteral("<b>(") : QStringLiteral("<b>");
        html += words[k].toHtmlEscaped();
        if (last) html += alternate ? QStringLiteral(")</b>") : QStringLiteral("</b>");
    }
    // Verses and runs: the whole text is the hit; an alternate one is in parentheses.
    if (matched.isEmpty() && alternate) html = QLatin1Char('(') + html + QLatin1Char(')');
    return QStringLiteral("<span dir=\"rtl\">") + html + QStringLiteral("</span>");
}

void HitDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    if (index.column() != hebrewColumn_) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    QTextDocument document;
    SetUp(document, item, HitHtml(index));
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    // Right aligned: a text wider than the cell shows its beginning, the right
    // end, unless that would hide the matched words; then whole words before
    // them give way to an ellipsis until they show.
    const QList<int> matched = index.data(ResultsModel::MatchedWordsRole).value<QList<int>>();
    const qreal width = document.idealWidth();  // lays the text out
    const QTextLine line = document.firstBlock().layout()->lineAt(0);
    if (width > area.width() && !matched.isEmpty() && line.isValid()) {
        const QStringList words =
            index.data(Qt::DisplayRole).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        // Where each word starts, and where the matched words end (the last
        // bold character); right to left, the left edge of that end.
        QList<int> starts{0};
        for (const QString& word : words) starts << starts.last() + int(word.size()) + 1;
        int end = 0;
        for (QTextBlock::iterator it = document.firstBlock().begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().fontWeight() == QFont::Bold)
                end = it.fragment().position() + it.fragment().length();
        const qreal left = std::min(line.cursorToX(end), line.cursorToX(std::max(0, end - 1)));
        const qreal short_ = area.left() + 4 - (area.right() - width + left);
        if (short_ > 0) {
            // The fewest whole words whose room, less the ellipsis's, makes up for it.
            const qreal ellipsis =
                QFontMetricsF(document.defaultFont()).horizontalAdvance(QStringLiteral("… "));
            int from = 1;
            while (from < matched.first() &&
                   std::abs(line.cursorToX(0) - line.cursorToX(starts[from])) - ellipsis < short_)
                ++from;
            if (from <= matched.first()) SetUp(document, item, HitHtml(index, from));
        }
    }
    painter->save();
    painter->setClipRect(area);
    const qreal x = area.right() - document.idealWidth();
    const qreal y = area.top() + (area.height() - document.size().height()) / 2;
    painter->translate(x, y);
    QAbstractTextDocumentLayout::PaintContext context;
    const bool selected = item.state & QStyle::State_Selected;
    context.palette.setColor(
        QPalette::Text, item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

QSize HitDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (index.column() != hebrewColumn_) return QStyledItemDelegate::sizeHint(option, index);
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    QTextDocument document;
    SetUp(document, item, HitHtml(index));
    return {qMin(600, static_cast<int>(document.idealWidth())) + 8,
            static_cast<int>(document.size().height())};
}

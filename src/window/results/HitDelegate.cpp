#include "window/results/HitDelegate.h"

#include "window/results/HebrewFont.h"
#include "window/results/ResultsModel.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

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

QString HitDelegate::HitHtml(const QModelIndex& index) {
    const QStringList words =
        index.data(Qt::DisplayRole).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QList<int> matched = index.data(ResultsModel::MatchedWordsRole).value<QList<int>>();
    const bool alternate = index.data(ResultsModel::AlternateRole).toBool();
    QString html;
    for (int k = 0; k < words.size(); ++k) {
        if (k > 0) html += QLatin1Char(' ');
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
    painter->save();
    painter->setClipRect(area);
    // Right aligned: a text wider than the cell shows its beginning, the right
    // end, unless that would hide the matched words.
    const qreal width = document.idealWidth();
    qreal x = area.right() - width;
    const QList<int> matched = index.data(ResultsModel::MatchedWordsRole).value<QList<int>>();
    if (width > area.width() && !matched.isEmpty()) {
        const QStringList words =
            index.data(Qt::DisplayRole).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        int start = 0;
        for (int k = 0; k < matched.first() && k < words.size(); ++k) start += words[k].size() + 1;
        int end = start;
        for (int k = matched.first(); k <= matched.last() && k < words.size(); ++k)
            end += words[k].size() + 1;
        if (index.data(ResultsModel::AlternateRole).toBool()) end += 2;
        const QTextLine line = document.firstBlock().layout()->lineAt(0);
        if (line.isValid()) {
            // Right to left: the end of the matched words lies at their left.
            const qreal left = std::min(line.cursorToX(start), line.cursorToX(end - 1));
            if (x + left < area.left()) x = area.left() + 8 - left;
        }
    }
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

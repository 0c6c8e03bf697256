#include "window/StatisticsModel.h"

#include <QFont>
#include <QLocale>

namespace {

/// 304850 as "304,850"; a published figure of 0 is none.
QString Grouped(std::int64_t number) { return QLocale(QLocale::English).toString(number); }

}  // namespace

StatisticsModel::StatisticsModel(QObject* parent) : QAbstractTableModel(parent) {}

void StatisticsModel::setRows(std::vector<vellumark::Statistics> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int StatisticsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StatisticsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StatisticsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const vellumark::Statistics& s = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return column == Scope ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::FontRole && index.row() + 1 == rowCount() && rowCount() > 1) {
        QFont bold;  // the chosen scope
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::ToolTipRole) {
        // Where this text differs from the published figure, and why.
        if (column == TraditionalVerses && s.published.verses && s.published.verses != s.verses)
            return tr("%1 verses in the traditional division; this text has %2: it divides some "
                      "verses differently.")
                .arg(Grouped(s.published.verses), Grouped(s.verses));
        if ((column == PrintedLetters || column == LeningradLetters) && s.published.printedLetters)
            return tr("The printed editions count %1 letters, the Leningrad Codex %2; this text "
                      "has %3. The editions differ in full and defective spellings.")
                .arg(Grouped(s.published.printedLetters), Grouped(s.published.leningradLetters),
                     Grouped(s.letters));
        return {};
    }
    if (role != Qt::DisplayRole) return {};
    switch (column) {
        case Scope:
            return QString::fromStdString(s.name);
        case Chapters:
            return Grouped(s.chapters);
        case Verses:
            return Grouped(s.verses);
        case Words:
            return Grouped(s.words);
        case Letters:
            return Grouped(s.letters);
        case Gematria:
            return Grouped(s.gematria);
        case TraditionalVerses:
            return s.published.verses ? Grouped(s.published.verses) : QString();
        case PrintedLetters:
            return s.published.printedLetters ? Grouped(s.published.printedLetters) : QString();
        case LeningradLetters:
            return s.published.leningradLetters ? Grouped(s.published.leningradLetters) : QString();
        default:
            return Grouped(s.forms[static_cast<std::size_t>(column - FirstForm)]);
    }
}

QVariant StatisticsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::ToolTipRole) {
        switch (section) {
            case TraditionalVerses:
                return tr(
                    "The verses of the traditional division, as the Masoretic notes at "
                    "the end of each book of the Torah count them");
            case PrintedLetters:
                return tr("The letters of the Torah in the printed editions (Koren)");
            case LeningradLetters:
                return tr("The letters of the Torah in the Leningrad Codex");
            default:
                return {};
        }
    }
    if (role != Qt::DisplayRole) return {};
    static const char* const kNames[] = {QT_TR_NOOP("Scope"),
                                         QT_TR_NOOP("Chapters"),
                                         QT_TR_NOOP("Verses"),
                                         QT_TR_NOOP("Words"),
                                         QT_TR_NOOP("Letters"),
                                         QT_TR_NOOP("Gematria"),
                                         QT_TR_NOOP("Traditional verses"),
                                         QT_TR_NOOP("Printed letters"),
                                         QT_TR_NOOP("Leningrad letters")};
    if (section < FirstForm) return tr(kNames[section]);
    return QString(QChar(0x05D0 + section - FirstForm));
}

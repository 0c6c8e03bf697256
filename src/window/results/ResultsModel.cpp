#include "window/results/ResultsModel.h"

#include "data/VerseTexts.h"
#include "search/SearchData.h"

#include <exception>

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString Name(vellumark::Method method) {
    const std::string_view name = vellumark::MethodName(method);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

ResultsModel::ResultsModel(QObject* parent) : QAbstractTableModel(parent) {}

void ResultsModel::setResults(vellumark::ResultSet results,
                              std::shared_ptr<const vellumark::SearchData> data) {
    beginResetModel();
    results_ = std::move(results);
    data_ = std::move(data);
    texts_.assign(results_.rows.size(), std::nullopt);
    endResetModel();
}

const ResultsModel::Texts& ResultsModel::texts(int row) const {
    std::optional<Texts>& kept = texts_[static_cast<std::size_t>(row)];
    if (kept) return *kept;
    kept.emplace();
    if (!data_) return *kept;
    const vellumark::ResultRow& r = rowAt(row);
    try {
        const vellumark::VerseTexts& texts = data_->texts();
        std::string hebrew(texts.hebrewWords(r.verse));
        std::string english(texts.plainEnglish(r.verse));
        // A run shows its verses one after the other.
        for (int further = 1; further <= r.furtherVerses; ++further) {
            hebrew.append(" ").append(texts.hebrewWords(r.verse, further));
            english.append(" ").append(texts.plainEnglish(r.verse, further));
        }
        kept->words = Q(hebrew).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        kept->english = Q(english);
    } catch (const std::exception& error) {
        kept->english = tr("(The text could not be read: %1)").arg(Q(error.what()));
    }
    return *kept;
}

const QStringList& ResultsModel::hebrewWords(int row) const { return texts(row).words; }

QString ResultsModel::english(int row) const { return texts(row).english; }

QString ResultsModel::matchedText(int row) const {
    const vellumark::ResultRow& r = rowAt(row);
    const QStringList& words = texts(row).words;
    if (r.firstWord == 0) return words.join(QLatin1Char(' '));
    return words.mid(r.firstWord - 1, r.lastWord - r.firstWord + 1).join(QLatin1Char(' '));
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(results_.rows.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    const vellumark::ResultRow& r = rowAt(row);
    const std::int32_t value = results_.request.value;
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case Reference:
                    return Q(vellumark::RowReference(r));
                case Method:
                    return Name(r.method);
                case Hebrew:
                    return texts(row).words.join(QLatin1Char(' '));
                case Value:
                    return r.alternate ? QStringLiteral("(%1)").arg(value) : QString::number(value);
                default:
                    return texts(row).english;
            }
        case Qt::ToolTipRole:
            if (r.alternate && (index.column() == Hebrew || index.column() == Value))
                return tr(
                    "In parentheses: the hit is on the value with final letters counted "
                    "500 to 900.");
            if (index.column() == English) return texts(row).english;
            return {};
        case Qt::TextAlignmentRole:
            if (index.column() == Hebrew) return int(Qt::AlignRight | Qt::AlignVCenter);
            if (index.column() == Value) return int(Qt::AlignRight | Qt::AlignVCenter);
            return {};
        case MatchedWordsRole: {
            QList<int> matched;
            for (int w = r.firstWord; w >= 1 && w <= r.lastWord; ++w) matched << w - 1;
            return QVariant::fromValue(matched);
        }
        case AlternateRole:
            return r.alternate;
        case SortRole:
            // The reference sorts in the text's order, which is the rows' order;
            // the methods in theirs.
            if (index.column() == Method) return static_cast<int>(r.method);
            if (index.column() == Reference || index.column() == Value)
                return index.column() == Reference ? row : (r.alternate ? 1 : 0);
            return data(index, Qt::DisplayRole);
        case MatchedTextRole:
            return matchedText(row);
        default:
            return {};
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case Reference:
            return tr("Reference");
        case Method:
            return tr("Method");
        case Hebrew:
            return tr("Hebrew");
        case Value:
            return tr("Value");
        case English:
            return tr("English");
        default:
            return {};
    }
}

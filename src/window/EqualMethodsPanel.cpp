#include "window/EqualMethodsPanel.h"

#include "data/AtomicFile.h"
#include "search/EqualValues.h"
#include "window/Desktop.h"
#include "window/MessageBox.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <limits>

namespace {

/// On every cell of the counts table: the row's method.
constexpr int kMethodRole = Qt::UserRole + 1;

QString Name(vellumark::Method method) {
    const std::string_view name = vellumark::MethodName(method);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QStandardItem* Number(std::int64_t number) {
    auto* item = new QStandardItem;
    item->setData(QVariant::fromValue<qint64>(number), Qt::DisplayRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableView* MakeTable(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* table = new QTableView(parent);
    table->setObjectName(QLatin1String(name));
    table->setAccessibleName(accessibleName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

}  // namespace

EqualMethodsPanel::EqualMethodsPanel(QWidget* parent) : QWidget(parent) {
    btnEqual = new QPushButton(tr("Equal under other methods"), this);
    btnEqual->setObjectName(QStringLiteral("btnEqual"));
    btnEqual->setToolTip(
        tr("Count the words, phrases and verses whose value under each method "
           "equals the text's value under the method chosen in the table"));
    lblEqual = new QLabel(this);
    lblEqual->setObjectName(QStringLiteral("lblEqual"));
    lblEqual->setWordWrap(true);

    equal_ = new QStandardItemModel(0, 4, this);
    equal_->setHorizontalHeaderLabels({tr("Method"), tr("Words"), tr("Phrases"), tr("Verses")});
    auto* sortedEqual = new QSortFilterProxyModel(this);
    sortedEqual->setSourceModel(equal_);
    tblEqual = MakeTable(this, "tblEqual", tr("Equal under other methods"));
    tblEqual->setModel(sortedEqual);
    tblEqual->setSortingEnabled(true);
    tblEqual->sortByColumn(-1, Qt::AscendingOrder);
    tblEqual->verticalHeader()->setVisible(false);
    tblEqual->setToolTip(
        tr("Enter or a double click shows a count's words, phrases or verses "
           "in the Results window"));
    lblEqual->setBuddy(tblEqual);

    matrixModel_ = new QStandardItemModel(this);
    tblMatrix = MakeTable(this, "tblMatrix", tr("Method by method"));
    tblMatrix->setModel(matrixModel_);
    tblMatrix->setToolTip(
        tr("Each row: the text's value under a method; each column: the number of words whose "
           "value under that search method equals it. Enter or a double click shows them."));

    tabEqual = new QTabWidget(this);
    tabEqual->setObjectName(QStringLiteral("tabEqual"));
    tabEqual->addTab(tblEqual, tr("By method"));
    tabEqual->addTab(tblMatrix, tr("Method × method (words)"));
    btnExportMatrix = new QPushButton(tr("Export Matrix…"), this);
    btnExportMatrix->setObjectName(QStringLiteral("btnExportMatrix"));
    btnExportMatrix->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->addWidget(btnEqual);
    top->addWidget(lblEqual, 1);
    top->addWidget(btnExportMatrix);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(tabEqual, 1);

    connect(btnEqual, &QPushButton::clicked, this, &EqualMethodsPanel::countRequested);
    connect(tblEqual, &QTableView::activated, this, &EqualMethodsPanel::openCounts);
    connect(tblMatrix, &QTableView::activated, this, &EqualMethodsPanel::openMatrix);
    connect(btnExportMatrix, &QPushButton::clicked, this, &EqualMethodsPanel::exportMatrix);
}

EqualMethodsPanel::~EqualMethodsPanel() = default;

void EqualMethodsPanel::count(
    vellumark::Method method, std::int64_t value, int wordCount,
    const std::vector<std::pair<vellumark::Method, std::int64_t>>& allValues) {
    if (!vellumark::IsSearchMethod(method)) {
        MessageBox::information(
            this,
            tr("%1 is not for searches: choose another method in the table.").arg(Name(method)));
        return;
    }
    if (value <= 0 || !dataSource_) {
        MessageBox::information(this, tr("Type Hebrew text first: its value is what is counted."));
        return;
    }
    std::vector<vellumark::EqualCounts> counts;
    vellumark::EqualWordsMatrix matrix;
    try {
        const std::shared_ptr<const vellumark::SearchData> data = dataSource_();
        counts = vellumark::CountEqualValues(*data, value, wordCount);
        matrix = vellumark::CountEqualWords(*data, allValues);
    } catch (const std::exception& error) {
        MessageBox::information(this, QString::fromUtf8(error.what()));
        return;
    }
    wordCount_ = wordCount;
    equal_->setRowCount(0);
    for (const vellumark::EqualCounts& c : counts) {
        QList<QStandardItem*> items{new QStandardItem(Name(c.method))};
        for (const long number : {c.words, c.phrases, c.verses}) items << Number(number);
        for (QStandardItem* item : items) {
            item->setData(static_cast<int>(c.method), kMethodRole);
            item->setData(QVariant::fromValue<qint64>(value), kMethodRole + 1);
        }
        equal_->appendRow(items);
    }
    const QString phrases = wordCount < 2 ? tr("no phrases: the text is one word")
                                          : tr("phrases of 2 to %1 words").arg(wordCount);
    lblEqual->setText(
        tr("Equal to %1, the value under %2 (%3):").arg(value).arg(Name(method), phrases));
    showMatrix(matrix);
}

void EqualMethodsPanel::showMatrix(const vellumark::EqualWordsMatrix& matrix) {
    matrix_ = std::make_unique<vellumark::EqualWordsMatrix>(matrix);
    matrixModel_->clear();
    matrixModel_->setColumnCount(static_cast<int>(matrix.columns.size()) + 1);
    matrixModel_->setHorizontalHeaderItem(0, new QStandardItem(tr("Value")));
    for (std::size_t c = 0; c < matrix.columns.size(); ++c) {
        // The short key heads the column; the name is its tooltip.
        const std::string_view key = vellumark::InfoOf(matrix.columns[c]).key;
        auto* header = new QStandardItem(QString::fromUtf8(key.data(), qsizetype(key.size())));
        header->setToolTip(Name(matrix.columns[c]));
        matrixModel_->setHorizontalHeaderItem(static_cast<int>(c) + 1, header);
    }
    for (std::size_t r = 0; r < matrix.rows.size(); ++r) {
        QList<QStandardItem*> items{Number(matrix.values[r])};
        for (long number : matrix.counts[r]) items << Number(number);
        matrixModel_->appendRow(items);
        matrixModel_->setVerticalHeaderItem(static_cast<int>(r),
                                            new QStandardItem(Name(matrix.rows[r])));
    }
    btnExportMatrix->setEnabled(true);
}

void EqualMethodsPanel::openCounts(const QModelIndex& index) {
    if (!index.isValid()) return;
    const auto method = static_cast<vellumark::Method>(index.data(kMethodRole).toInt());
    const std::int64_t value = index.data(kMethodRole + 1).toLongLong();
    // The Method column shows the words.
    const vellumark::Match match = index.column() == 2   ? vellumark::Match::Phrases
                                   : index.column() == 3 ? vellumark::Match::Verses
                                                         : vellumark::Match::Words;
    find(method, value, match);
}

void EqualMethodsPanel::openMatrix(const QModelIndex& index) {
    if (!matrix_ || !index.isValid() || index.column() == 0) return;
    find(matrix_->columns[static_cast<std::size_t>(index.column() - 1)],
         matrix_->values[static_cast<std::size_t>(index.row())], vellumark::Match::Words);
}

void EqualMethodsPanel::find(vellumark::Method method, std::int64_t value, vellumark::Match match) {
    if (value <= 0) return;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        MessageBox::information(this,
                                tr("%1 is too large for a search, which takes values up to %2.")
                                    .arg(value)
                                    .arg(std::numeric_limits<std::int32_t>::max()));
        return;
    }
    vellumark::SearchRequest request;
    request.value = static_cast<std::int32_t>(value);
    request.match = match;
    request.method = method;
    emit findRequested(request, match == vellumark::Match::Phrases ? wordCount_ : 0);
}

void EqualMethodsPanel::exportMatrix() {
    if (!matrix_) return;
    const QString chosen = Desktop::chooseSaveFile(
        this, tr("Export Matrix"), exportFolder_ + "/methods-matrix.csv", tr("CSV (*.csv)"));
    if (chosen.isEmpty()) return;
    try {
        vellumark::AtomicFile file(QFile::encodeName(chosen).toStdString());
        file.write(vellumark::EqualWordsCsv(*matrix_));
        file.commit();
    } catch (const std::exception& error) {
        MessageBox::information(
            this, tr("The matrix was not exported:\n%1").arg(QString::fromUtf8(error.what())));
    }
}

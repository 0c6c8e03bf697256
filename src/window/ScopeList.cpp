#include "window/ScopeList.h"

#include "data/Books.h"
#include "data/Portions.h"

#include <QComboBox>
#include <QStandardItemModel>

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void AddHeading(QComboBox* box, const QString& text) {
    box->insertSeparator(box->count());
    auto* item = new QStandardItem(text);
    item->setFlags(Qt::NoItemFlags);
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
    qobject_cast<QStandardItemModel*>(box->model())->appendRow(item);
}

}  // namespace

std::vector<vellumark::Scope> FillScopes(QComboBox* box) {
    std::vector<vellumark::Scope> scopes;
    // Each entry is what ParseScope makes of its name: the scope a report names.
    auto add = [&](std::string_view name) {
        const vellumark::ParsedScope parsed = vellumark::ParseScope(name);
        if (!parsed.passed()) return;
        box->addItem(Q(parsed.scope.name), static_cast<int>(scopes.size()));
        scopes.push_back(parsed.scope);
    };
    box->addItem(QObject::tr("Whole text"), kWholeTextItem);
    box->addItem(QObject::tr("The range below"), kRangeBelowItem);
    for (const vellumark::Section& section : vellumark::Sections()) add(section.name);
    AddHeading(box, QObject::tr("Books"));
    for (std::string_view book : vellumark::kBookNames) add(book);
    // The portions under a heading a book of the Torah.
    std::int16_t book = 0;
    for (const vellumark::Portion& portion : vellumark::kPortions) {
        if (portion.verses.first.book != book) {
            book = portion.verses.first.book;
            AddHeading(box, QObject::tr("Weekly portions: %1")
                                .arg(Q(vellumark::kBookNames[static_cast<std::size_t>(book - 1)])));
        }
        add(portion.name);
    }
    return scopes;
}

#include "window/MethodList.h"

#include "data/Gematria.h"

#include <QComboBox>
#include <QStandardItemModel>

namespace {

QString Name(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

/// An entry that is only read: a group's heading (bold) or a note (italic).
void AddFixed(QStandardItemModel* model, const QString& text, bool heading) {
    auto* item = new QStandardItem(text);
    item->setFlags(Qt::NoItemFlags);
    QFont font = item->font();
    if (heading)
        font.setBold(true);
    else
        font.setItalic(true);
    item->setFont(font);
    model->appendRow(item);
}

}  // namespace

void FillSearchMethods(QComboBox* box, bool rangeTotals) {
    using vellumark::Method;
    box->addItem(Name(vellumark::MethodName(Method::StandardAndFinal)),
                 static_cast<int>(Method::StandardAndFinal));
    box->addItem(QObject::tr("All methods"), kAllMethodsItem);
    auto* model = qobject_cast<QStandardItemModel*>(box->model());
    for (vellumark::MethodGroup group : vellumark::kMethodGroups) {
        box->insertSeparator(box->count());
        AddFixed(model, Name(vellumark::GroupName(group)), true);
        for (Method method : vellumark::kMethods) {
            const vellumark::MethodInfo& info = vellumark::InfoOf(method);
            if (info.group != group || method == Method::StandardAndFinal) continue;
            if (!vellumark::IsSearchMethod(method) && rangeTotals) {
                box->addItem(QObject::tr("%1 (Range Totals only)").arg(Name(info.name)),
                             static_cast<int>(method));
                continue;
            }
            if (!vellumark::IsSearchMethod(method)) {
                AddFixed(model,
                         QObject::tr("%1: not for searches (calculator and Range Totals)")
                             .arg(Name(info.name)),
                         false);
                continue;
            }
            box->addItem(Name(info.name), static_cast<int>(method));
        }
    }
}

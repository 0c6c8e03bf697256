#include "window/results/FindInput.h"

#include "cli/CliInput.h"
#include "search/ValueSearchInput.h"
#include "data/HebrewInput.h"

#include <QCoreApplication>

namespace vellumark {

QString WholeTextScope() { return QCoreApplication::translate("Find", "Whole text"); }

FindCheck CheckFind(const FindFields& fields, const std::string& appPath) {
    FindCheck check;
    const QString text = fields.text.trimmed();
    if (text.isEmpty()) {
        check.empty = true;
        return check;
    }
    ValueSearchFields value;
    value.method = fields.method;
    // Value Search's rules apply to the value and the range; Find writes no
    // report and has no name.
    const HebrewWords hebrew = HebrewWordsOf(text.toStdString());
    if (hebrew.letters > 0) {
        const Method counted =
            fields.method == Method::StandardAndFinal ? Method::Standard : fields.method;
        std::int64_t sum = 0;
        for (const std::string& word : hebrew.words) sum += TextValue(word, counted);
        value.value = std::to_string(sum);
    } else {
        value.value = text.toStdString();
    }
    const QString scope = fields.scope.trimmed();
    if (!scope.isEmpty() && scope.compare(WholeTextScope(), Qt::CaseInsensitive) != 0) {
        const cli::ParsedRange range = cli::ParseRange(scope.toStdString());
        if (!range.message.empty()) {
            check.message = QString::fromStdString(range.message);
            return check;
        }
        value.range = range.range;
    }
    ValueSearchCheck checked = CheckValueSearch(value, appPath);
    if (!checked.passed()) {
        check.message = QString::fromStdString(checked.message);
        return check;
    }
    check.request = std::move(checked.request);
    check.request.match = fields.match;
    check.request.searchType = fields.searchType;
    return check;
}

}  // namespace vellumark

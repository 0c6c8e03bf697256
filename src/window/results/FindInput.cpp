#include "window/results/FindInput.h"

#include "cli/CliInput.h"
#include "data/HebrewInput.h"
#include "data/Scope.h"
#include "search/ValueSearchInput.h"

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
    if (!fields.allMethods) value.method = fields.method;
    // Value Search's rules apply to the value and the range; Find writes no
    // report and has no name.
    const HebrewWords hebrew = HebrewWordsOf(text.toStdString());
    if (hebrew.letters > 0) {
        const Method counted = fields.allMethods || fields.method == Method::StandardAndFinal
                                   ? Method::Standard
                                   : fields.method;
        value.value = std::to_string(WordsValue(hebrew.words, counted));
    } else {
        value.value = text.toStdString();
    }
    // A typed range is checked as Value Search checks its range fields; a named
    // scope or several parts as the command line's --scope takes them.
    const std::string scope = fields.scope.trimmed().toStdString();
    std::optional<Scope> named;
    if (!scope.empty() &&
        QString::fromStdString(scope).compare(WholeTextScope(), Qt::CaseInsensitive) != 0) {
        const bool several = scope.find(',') != std::string::npos;
        const cli::ParsedRange range = cli::ParseRange(scope);
        if (!several && range.message.empty()) {
            value.range = range.range;
        } else {
            ParsedScope parsed = ParseScope(scope);
            if (!parsed.passed()) {
                const bool typedRange = !several && scope.find(':') != std::string::npos;
                check.message = QString::fromStdString(typedRange ? range.message : parsed.message);
                return check;
            }
            if (!parsed.whole) named = std::move(parsed.scope);
        }
    }
    ValueSearchCheck checked = CheckValueSearch(value, appPath);
    if (!checked.passed()) {
        check.message = QString::fromStdString(checked.message);
        return check;
    }
    check.request = std::move(checked.request);
    if (named) check.request.scope = std::move(named);
    check.request.reading = fields.reading;
    check.request.match = fields.match;
    check.request.searchType = fields.searchType;
    check.request.allMethods = fields.allMethods;
    return check;
}

}  // namespace vellumark

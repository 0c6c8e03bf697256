#include "search/ValueSearchInput.h"

#include "data/AppPaths.h"
#include "data/Errors.h"
#include "data/TextInput.h"
#include "search/ReportFormat.h"
#include "search/ReportName.h"

#include <limits>

#include <sys/stat.h>

namespace vellumark {

std::string SearchValueMessage(WholeNumber number, const std::string& shown) {
    switch (number) {
        case WholeNumber::NotANumber:
            return "Please enter a valid numeric search value.";
        case WholeNumber::NotPositive:
            return "Numeric value must be greater than zero";
        case WholeNumber::NotWhole:
            return "Decimal search values are not permitted";
        case WholeNumber::TooLarge:
            return "The search value " + shown + " is too large; the largest is 2147483647.";
        default:
            return {};
    }
}

ValueSearchCheck CheckValueSearch(const ValueSearchFields& fields, const std::string& appPath) {
    ValueSearchCheck check;
    if (!IsSearchMethod(fields.method)) {
        check.message = std::string(MethodName(fields.method)) +
                        " is not for searches: choose another Method. It gives the totals of "
                        "Range Totals and the calculator's values.";
        return check;
    }
    std::int32_t value = 0;
    const WholeNumber number =
        CheckWholeNumber(fields.value, std::numeric_limits<std::int32_t>::max(), value);
    if (number != WholeNumber::Valid && number != WholeNumber::TooLarge) {
        check.message = SearchValueMessage(number, fields.value);
        return check;
    }
    if (fields.reportName) {
        const ReportName name =
            CleanReportName(*fields.reportName, "Please enter a name for the report");
        check.nameCleaned = true;
        check.request.reportName = name.name;
        if (!name.message.empty()) {
            check.message = name.message;
            return check;
        }
    }
    if (number == WholeNumber::TooLarge) {
        check.message = SearchValueMessage(number, fields.value);
        return check;
    }
    check.message = HeadingTooLong(fields.reportHeader);
    if (!check.message.empty()) return check;
    if (fields.range) {
        // The rules and messages of Range Totals; a LineData.dat that cannot be
        // read is a message as well.
        RangeCheck range;
        try {
            range = ValidateRange(*fields.range, TextPath(appPath, fields.reading, kLineDataFile));
        } catch (const FileError& error) {
            range.message = error.what();
        } catch (const DataError& error) {
            range.message = error.what();
        }
        if (!range.passed()) {
            check.message = range.message;
            return check;
        }
        check.request.scope = ScopeOf(*fields.range, range);
    } else if (fields.scope) {
        check.request.scope = fields.scope;
    }
    check.request.reading = fields.reading;
    check.request.appPath = appPath;
    check.request.reportHeader = fields.reportHeader;
    check.request.value = value;
    check.request.method = fields.method;
    struct stat status {};
    check.reportExists =
        fields.reportName &&
        ::stat(ReportPath(appPath, check.request.reportName).c_str(), &status) == 0;
    return check;
}

}  // namespace vellumark

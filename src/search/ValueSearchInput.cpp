#include "search/ValueSearchInput.h"

#include "data/AppPaths.h"
#include "data/Errors.h"
#include "data/TextInput.h"
#include "search/ReportFormat.h"
#include "search/ReportName.h"

#include <limits>

#include <sys/stat.h>

namespace vellumark {

ValueSearchCheck CheckValueSearch(const ValueSearchFields& fields, const std::string& appPath) {
    ValueSearchCheck check;
    std::int32_t value = 0;
    const WholeNumber number =
        CheckWholeNumber(fields.value, std::numeric_limits<std::int32_t>::max(), value);
    switch (number) {
        case WholeNumber::NotANumber:
            check.message = "Please enter a valid numeric search value.";
            return check;
        case WholeNumber::NotPositive:
            check.message = "Numeric value must be greater than zero";
            return check;
        case WholeNumber::NotWhole:
            check.message = "Decimal search values are not permitted";
            return check;
        default:
            break;
    }
    const ReportName name =
        CleanReportName(fields.reportName, "Please enter a name for the report");
    check.nameCleaned = true;
    check.request.reportName = name.name;
    if (!name.message.empty()) {
        check.message = name.message;
        return check;
    }
    if (number == WholeNumber::TooLarge) {
        check.message =
            "The search value " + fields.value + " is too large; the largest is 2147483647.";
        return check;
    }
    check.message = HeadingTooLong(fields.reportHeader);
    if (!check.message.empty()) return check;
    if (fields.range) {
        // The rules and messages of Range Totals; a LineData.dat that cannot be
        // read is a message as well.
        RangeCheck range;
        try {
            range = ValidateRange(*fields.range, DataPath(appPath, kLineDataFile));
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
    }
    check.request.appPath = appPath;
    check.request.reportHeader = fields.reportHeader;
    check.request.value = value;
    check.request.method = fields.method;
    struct stat status {};
    check.reportExists = ::stat(ReportPath(appPath, name.name).c_str(), &status) == 0;
    return check;
}

}  // namespace vellumark

#include "routes/routenamevalidator.h"

#include "routes/routevalues.h"

QValidator::State RouteNameValidator::validate(QString& input, int&) const
{
    if (input.isEmpty())
        return Intermediate;
    return isValidRouteName(input) ? Acceptable : Invalid;
}

#include "evaluation/reportcontext.h"

#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "logrecords/logentry.h"

#include <algorithm>

ReportContext ReportContext::fromSettings()
{
    ReportContext c = fromLogEntries(LogEntryContext::fromSettings(), appSettings().century);
    c.font = documentFont();
    return c;
}

ReportContext ReportContext::fromLogEntries(const LogEntryContext& entries, int century)
{
    ReportContext c;
    c.century = century;
    c.names = entries.names;
    c.showCodes = (entries.flags & OptPointCode) != 0;
    return c;
}

QDateTime unpackReportTime(const unsigned char in[4], int century)
{
    const int base = (century / 100) * 100;
    const int yy = std::min(in[0] >> 1, 99);
    const int year = base + yy + (century - base > yy ? 100 : 0);
    const int month = std::clamp(((in[0] & 1) << 3) | (in[1] >> 5), 1, 12);
    const int day = std::max(in[1] & 31, 1);
    const int u = std::min(in[2] * 256 + in[3], 43199);
    const int hour = u / 1800;
    const int minute = u / 30 - hour * 60;
    const int second = (u % 30) * 2;
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::LocalTime);
}

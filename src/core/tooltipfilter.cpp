#include "core/tooltipfilter.h"

#include "core/settings.h"
#include "core/wyxapp.h"

#include <QEvent>

ToolTipFilter::ToolTipFilter(QObject* parent) : QObject(parent) {}

ToolTipFilter::~ToolTipFilter() = default;

bool ToolTipFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip && (appSettings().flags & OptDisableTooltip))
        return true;
    return QObject::eventFilter(watched, event);
}

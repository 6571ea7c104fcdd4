#pragma once
#include <QObject>

// Application-wide event filter that swallows tool tips while the user has switched
// them off; the option is read at every event, so a change applies at once.
class ToolTipFilter : public QObject
{
    Q_OBJECT
public:
    explicit ToolTipFilter(QObject* parent = nullptr);
    ~ToolTipFilter() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
};

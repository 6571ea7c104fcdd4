#include "routes/vgltimewidget.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSpinBox>
#include <QTimeEdit>

VglTimeWidget::VglTimeWidget(QWidget* parent)
    : QWidget(parent), m_days(new QSpinBox(this)), m_time(new QTimeEdit(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    m_days->setRange(0, 9);
    m_days->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_time->setDisplayFormat(QStringLiteral("HH:mm"));
    m_time->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_time->setCurrentSection(QDateTimeEdit::MinuteSection);
    layout->addWidget(m_days);
    layout->addWidget(m_time);
    setAutoFillBackground(true);
}

void VglTimeWidget::setValue(const RouteTime& time)
{
    const int s = time.toSeconds();
    const int days = s / 86400;
    const int rest = s - days * 86400;
    m_days->setValue(days);
    m_time->setTime(QTime(rest / 3600, (rest / 60) % 60));
    m_days->update();
    m_time->update();
}

RouteTime VglTimeWidget::value() const
{
    const QTime t = m_time->time();
    return routeTimeFromSeconds(unsigned(m_days->value() * 86400 + t.hour() * 3600 + t.minute() * 60));
}

void VglTimeWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        emit rejected();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit accepted();
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void VglTimeWidget::focusOutEvent(QFocusEvent* event)
{
    emit accepted();
    QWidget::focusOutEvent(event);
}

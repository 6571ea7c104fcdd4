#include "core/titlewidthfilter.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>

namespace {
constexpr int titleBarRoom = 80;
} // namespace

TitleWidthFilter::TitleWidthFilter(QObject* parent) : QObject(parent) {}

TitleWidthFilter::~TitleWidthFilter() = default;

bool TitleWidthFilter::eventFilter(QObject* watched, QEvent* event)
{
    // A title set or translated while the dialog is up counts as much as the first one.
    if (event->type() != QEvent::Show && event->type() != QEvent::WindowTitleChange)
        return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->isWindow() || !dialog->isVisible())
        return false;
    // Widened, not given a minimum: an explicit minimum would override its layout's.
    const int needed = QFontMetrics(QApplication::font()).horizontalAdvance(dialog->windowTitle()) + titleBarRoom;
    if (!dialog->windowTitle().isEmpty() && dialog->width() < needed)
        dialog->resize(needed, dialog->height());
    return false;
}

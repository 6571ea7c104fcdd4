#include "core/titlewidthfilter.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>

namespace {
// What a title bar shows beside its text, as window managers commonly draw it (openbox,
// xfwm4, KWin): the window icon and three buttons of about 24 pixels each (96), their
// spacing and the text's padding (about 30) and the frame on both sides (about 14).
constexpr int titleBarRoom = 140;

// Most window managers draw the title in a bold variant of the title-bar font.
QFont titleFont()
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return font;
}
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
    const int needed = QFontMetrics(titleFont()).horizontalAdvance(dialog->windowTitle()) + titleBarRoom;
    if (!dialog->windowTitle().isEmpty() && dialog->width() < needed)
        dialog->resize(needed, dialog->height());
    return false;
}

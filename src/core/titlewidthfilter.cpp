#include "core/titlewidthfilter.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QScreen>

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
    if (dialog && dialog->isWindow() && dialog->isVisible())
        fitTitle(dialog);
    return false;
}

void TitleWidthFilter::fitTitle(QWidget* window)
{
    if (window->windowTitle().isEmpty())
        return;
    int needed = QFontMetrics(titleFont()).horizontalAdvance(window->windowTitle()) + titleBarRoom;
    // Wider than the screen would put the title bar's buttons off it.
    if (const QScreen* screen = window->screen()) {
        const int frame = window->frameGeometry().width() - window->width();
        needed = qMin(needed, screen->availableGeometry().width() - frame);
    }
    const QLayout* layout = window->layout();
    if (window->width() >= needed || (layout && layout->sizeConstraint() == QLayout::SetFixedSize))
        return;
    if (window->minimumWidth() == window->maximumWidth()) {
        // The height it has may be a passing one, taken while it laid itself out: never fixed
        // smaller than its layout needs.
        QSize size(needed, window->height());
        if (layout) {
            size = size.expandedTo(layout->totalMinimumSize());
            if (layout->hasHeightForWidth())
                size.setHeight(layout->totalHeightForWidth(size.width()));
        }
        window->setFixedSize(size);
    } else {
        // Widened, not given a minimum: an explicit minimum would override its layout's.
        window->resize(needed, window->height());
    }
}

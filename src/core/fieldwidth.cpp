#include "core/fieldwidth.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QtMath>

namespace {
constexpr int codeLetters = 12;
constexpr int sideMargin = 2; // QLineEdit's own room on each side of the text
constexpr int cursorWidth = 1;
// A home folder, a folder in it and a plan: what a user's path commonly looks like.
const char typicalPath[] = "/home/kovacs.janos/Dokumentumok/terv.erd";
} // namespace

int lineEditWidthFor(const QLineEdit* edit, const QString& text)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    const QMargins margins = edit->textMargins() + edit->contentsMargins();
    return edit->fontMetrics().horizontalAdvance(text) + 2 * sideMargin + cursorWidth + margins.left()
           + margins.right() + 2 * option.lineWidth;
}

void reserveWidthFor(QLineEdit* edit, const QString& text)
{
    const int width = lineEditWidthFor(edit, text);
    if (width > edit->minimumWidth())
        edit->setMinimumWidth(width);
}

QString widestText(const QFontMetricsF& metrics, const QString& characters, int length)
{
    QChar widest;
    for (QChar c : characters) {
        if (widest.isNull() || metrics.horizontalAdvance(c) > metrics.horizontalAdvance(widest))
            widest = c;
    }
    return QString(length, widest);
}

QString widestCode(const QFontMetricsF& metrics)
{
    return widestText(metrics, QStringLiteral("ABCDEFGHIJKLMNOP"), codeLetters);
}

void reservePathWidth(QLineEdit* edit)
{
    reserveWidthFor(edit, QString::fromLatin1(typicalPath));
}

int cellTextMargins(const QWidget* view)
{
    // What QCommonStyle takes off each side of an item view cell before it elides the text.
    const QStyle* style = view ? view->style() : QApplication::style();
    return 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
}

int cellTextWidth(const QFont& font, const QString& text)
{
    // Measured as the style lays a cell's text out before it cuts it: at small sizes the
    // advances are fractions of a pixel, which a rounded width drops, and a slanted last
    // letter reaches past its advance.
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setNumColumns(text.size());
    layout.endLayout();
    return qCeil(line.naturalTextWidth());
}

int columnWidthFor(const QWidget* view, const QFont& font, const QStringList& texts)
{
    const QFont drawn = font.resolve(view ? view->font() : QApplication::font());
    int widest = 0;
    for (const QString& text : texts)
        widest = qMax(widest, cellTextWidth(drawn, text));
    return widest + cellTextMargins(view);
}

int rowNumberColumnWidth(const QWidget* view, const QFont& font, const QString& largest, int digits)
{
    return qMax(digits * QFontMetrics(font).horizontalAdvance(QLatin1Char('9')), columnWidthFor(view, font, {largest}));
}

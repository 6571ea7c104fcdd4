#include "core/pageprinter.h"

#include "core/constants.h"
#include "core/helpers.h"
#include "core/prompts.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

PagePrinter::PagePrinter(QPrinter* printer)
    : m_printer(printer)
    , m_font(documentFont())
    , m_metrics(m_font, printer)
    , m_lineSpacing(qMax(1, m_metrics.lineSpacing()))
    , m_page(QPoint(0, 0), printer->pageLayout().paintRectPixels(printer->resolution()).size())
{
}

int PagePrinter::lines() const
{
    return m_page.height() / m_lineSpacing;
}

PagePlan PagePrinter::plan(int rowCount, int pageSet) const
{
    return planPages(lines(), rowCount, m_printer->fromPage(), m_printer->toPage(), pageSet);
}

QRect PagePrinter::headerRect(int left, int right) const
{
    return QRect(QPoint(left, 0), QPoint(right, m_lineSpacing - 1));
}

QRect PagePrinter::rowRect(int k, int left, int right) const
{
    const int top = m_lineSpacing + m_lineSpacing / 2 + k * m_lineSpacing;
    return QRect(QPoint(left, top), QPoint(right, top + m_lineSpacing - 1));
}

QString PagePrinter::padded(const QString& text)
{
    return text + QString(40, QLatin1Char(' '));
}

bool PagePrinter::print(QWidget* parent, int rowCount, int pageSet, const QString& footerName,
                        const HeaderPainter& header, const RowPainter& row)
{
    const PagePlan pages = plan(rowCount, pageSet);
    if (pages.tooSmall) {
        Prompts::warning(
            parent, QCoreApplication::translate("PagePrinter", "Nyomtatás"),
            QCoreApplication::translate(
                "PagePrinter", "A beállított lapméretre a kiválasztott betűmérettel\nsemmit sem lehet kinyomtatni!"));
        return false;
    }
    // No page in the range: no blank page either (a PDF file is then not made at all).
    if (pages.pages.isEmpty())
        return true;
    QPainter painter;
    if (!painter.begin(m_printer)) {
        Prompts::warning(
            parent, QCoreApplication::translate("PagePrinter", "Nyomtatás"),
            QCoreApplication::translate("PagePrinter", "A nyomtatás nem indítható el:\n%1")
                .arg(m_printer->outputFileName().isEmpty() ? m_printer->printerName() : m_printer->outputFileName()));
        return false;
    }
    painter.setFont(m_font);
    painter.setBackgroundMode(Qt::OpaqueMode);
    const QRect footer(QPoint(0, m_page.height() - m_lineSpacing), QPoint(m_page.width() - 1, m_page.height() - 1));
    bool ok = true;
    for (int i = 0; i < pages.pages.size() && ok; ++i) {
        const PrintedPage& page = pages.pages.at(i);
        if (i > 0)
            ok = m_printer->newPage();
        painter.setPen(defaultTextColor);
        painter.setBackground(QBrush(defaultBackColor));
        painter.setFont(m_font);
        header(painter);
        for (int k = 0; k < page.rowCount; ++k) {
            row(painter, page.firstRow + k, k);
            painter.setPen(defaultTextColor);
            painter.setBackground(QBrush(defaultBackColor));
            painter.setFont(m_font);
        }
        painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                         QCoreApplication::translate("PagePrinter", "%1   %2 oldal")
                             .arg(footerName, QString::number(page.number)));
    }
    ok = painter.end() && ok;
    if (!ok)
        Prompts::warning(parent, QCoreApplication::translate("PagePrinter", "Nyomtatás"),
                         QCoreApplication::translate("PagePrinter", "A nyomtatás nem sikerült."));
    return ok;
}

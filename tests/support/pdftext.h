#pragma once
// Reading back what the program printed into a PDF, through poppler's pdftotext.
#include <QStringList>

// The text of each page of a PDF, in file order, laid out as printed; a single
// "<pdftotext failed>" entry when the tool is missing or fails.
QStringList pdfPages(const QString& path);

// Whether a page's footer reads "<name>   <number> oldal", the name whole or shortened in
// its middle ("…" for what was left out).
bool footerShows(const QString& page, const QString& name, int number);

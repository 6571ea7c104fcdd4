#pragma once
// Reading the program's own sources, for the checks that keep a rule over all of them.
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <functional>

namespace SourceText {

// The top of the source tree.
QString root();

// Hands every .cpp and .h below src/ to visit, with its path relative to root() and its
// text. The number of files read, or -1 at the first that cannot be read (named in a
// warning).
int forEachSourceFile(const std::function<void(const QString& relativePath, const QString& text)>& visit);

// "file:line" of every line below src/ that matches pattern, the file named by except
// (relative to root()) left out; one "unreadable" entry when a file cannot be read.
QStringList linesMatching(const QRegularExpression& pattern, const QString& except);

// Where the string or character literal opened by the quote at `at` closes (its closing
// quote, or the end of the code), escapes skipped.
int literalEnd(const QString& code, int at);

// The line, counted from 1, that position `at` lies on.
int lineAt(const QString& code, int at);

} // namespace SourceText

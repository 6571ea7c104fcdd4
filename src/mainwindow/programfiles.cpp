#include "mainwindow/programfiles.h"

#include "core/helpers.h"
#include "core/settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
QString& directoryOverride()
{
    static QString directory;
    return directory;
}
} // namespace

QString programDirectory()
{
    return directoryOverride().isEmpty() ? QCoreApplication::applicationDirPath() : directoryOverride();
}

void setProgramDirectory(const QString& directory)
{
    directoryOverride() = directory;
}

TranslationNames translationNamesFor(int flags, const QString& localeName)
{
    // The help is chosen by the same rule (helpCollectionFile), so both speak one language.
    const QString language = languageInEffect(flags, localeName);
    const bool locales = (flags & OptLanguageMask) == OptLanguageAuto && localeName.left(2) == language;
    return {QStringLiteral("wyx770_") + language, QStringLiteral("qt_") + (locales ? localeName : language)};
}

void loadProgramTranslations(QTranslator& program, QTranslator& qt, int flags)
{
    const QString dir = programDirectory() + QStringLiteral("/translations");
    const TranslationNames names = translationNamesFor(flags, QLocale::system().name());
    // A file that is not there leaves the translator empty: the texts stay as written, in
    // Hungarian, and Qt's own texts (file dialogs, standard buttons) follow them.
    const QString qtName = program.load(names.program, dir) ? names.qt : QStringLiteral("qt_hu");
    if (!qt.load(qtName, dir))
        qt.load(qtName, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
}

QString helpCollectionPath()
{
    const QString path = programDirectory() + QLatin1Char('/') + helpCollectionFile();
    // The help engine would create an empty collection in the program's directory.
    return QFileInfo(path).isFile() ? path : QString();
}

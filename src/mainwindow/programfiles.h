#pragma once
// Files that lie beside the program without being part of it: the translations (in
// "translations" under the program's directory) and the help collections. Nothing here
// reports a missing file; the program then simply shows its Hungarian texts and no help.
#include <QString>

class QTranslator;

// The program's directory; tests point it at the build tree.
QString programDirectory();
void setProgramDirectory(const QString& directory); // empty: the program's own directory again

// Base names of the program's and Qt's translation for the language in effect (see
// languageInEffect); the automatic language takes Qt's from the whole locale name ("de_AT"
// gives "wyx770_de" and "qt_de_AT", which falls back to "qt_de" by itself).
struct TranslationNames {
    QString program;
    QString qt;
};
TranslationNames translationNamesFor(int flags, const QString& localeName);

// Loads both translators for the flags and the system locale. Qt's own file is taken from
// the program's translations, else from Qt's own translation directory.
void loadProgramTranslations(QTranslator& program, QTranslator& qt, int flags);

// The path of the help collection for the current language, empty when there is none.
QString helpCollectionPath();

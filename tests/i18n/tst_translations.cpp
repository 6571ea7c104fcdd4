// Every user text must reach lupdate under the context it is looked up in at run time.
// lupdate itself reports tr() it cannot place (a class without Q_OBJECT or
// Q_DECLARE_TR_FUNCTIONS, a free function); the source scan catches texts that never pass
// through tr at all: a literal handed straight to a widget, a message box or a prompt, and
// a lookup of a variable (a helper's parameter) whose texts lupdate never sees.
#include "support/sourcetext.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Calls whose arguments are shown to the user.
const QRegularExpression sinkCall(QStringLiteral(
    "\\b(set(Text|WindowTitle|LabelText|ToolTip|StatusTip|WhatsThis|PlaceholderText|Title|ButtonText"
    "|CancelButtonText|TabText|ItemText|HeaderLabels)|showMessage|addAction|addMenu|addItems?|askYesNo"
    "|Prompts::\\w+|QMessageBox::\\w+|QInputDialog::\\w+)\\s*\\("));
// Containers of button texts and the like, filled one text at a time.
const QRegularExpression listFill(QStringLiteral(
    "\\b\\w*(buttons|Buttons|labels|Labels|captions|Captions)\\s*(\\[[^\\]]*\\])?\\s*(=|<<|\\.append\\s*\\(|"
    "\\.prepend\\s*\\(|\\.insert\\s*\\([^,]*,)\\s*"));
// A literal that does not go through tr.
const QRegularExpression wrappedLiteral(QStringLiteral(
    "\\A(?:QStringLiteral|QLatin1String|QString::fromUtf8|QString::fromLatin1|QString)"
    "\\s*\\(\\s*\"((?:[^\"\\\\]|\\\\.)*)\""));
const QRegularExpression bareLiteral(QStringLiteral("\\A\"((?:[^\"\\\\]|\\\\.)*)\""));
// A word a person reads: any lower-case or accented letter (format strings and names such
// as "WYX770" or "%1 (%2)" are not texts to translate).
const QRegularExpression wordLike(QStringLiteral("[a-z\\x{80}-\\x{ffff}]"));

// The source with comments blanked out (line breaks kept, string literals untouched).
QString withoutComments(const QString& text)
{
    QString out = text;
    for (int i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            i = SourceText::literalEnd(out, i);
        } else if (out.midRef(i, 2) == QLatin1String("//")) {
            for (; i < out.size() && out.at(i) != QLatin1Char('\n'); ++i)
                out[i] = QLatin1Char(' ');
        } else if (out.midRef(i, 2) == QLatin1String("/*")) {
            for (; i < out.size() && out.midRef(i, 2) != QLatin1String("*/"); ++i) {
                if (out.at(i) != QLatin1Char('\n'))
                    out[i] = QLatin1Char(' ');
            }
            if (i < out.size())
                out[i] = out[i + 1] = QLatin1Char(' ');
            ++i;
        }
    }
    return out;
}

// The untranslated literals among the text from `from` up to the closing parenthesis of
// the call (or, with stopAtSemicolon, up to the end of the statement) at the call's own
// level: a literal inside a nested call (tr, arg, a format) is that call's business.
QStringList literalsAtTopLevel(const QString& code, int from, bool stopAtSemicolon)
{
    QStringList found;
    int depth = 0;
    for (int i = from; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            if (--depth < 0)
                break;
        } else if (c == QLatin1Char(';') && stopAtSemicolon && depth == 0) {
            break;
        } else if (c == QLatin1Char('"')) {
            const QRegularExpressionMatch m = bareLiteral.match(code.midRef(i));
            if (depth == 0 && m.hasMatch() && m.captured(1).contains(wordLike))
                found << m.captured(0);
            i += m.hasMatch() ? m.capturedLength() - 1 : 0;
        } else if (depth == 0 && c.isLetter() && (i == 0 || !code.at(i - 1).isLetterOrNumber())) {
            const QRegularExpressionMatch m = wrappedLiteral.match(code.midRef(i));
            if (m.hasMatch()) {
                if (m.captured(1).contains(wordLike))
                    found << m.captured(0) + QLatin1Char(')');
                i += m.capturedLength() - 1;
                ++depth; // inside the wrapper's own parenthesis until its ')'
            }
        }
    }
    return found;
}

// Lookups at run time: tr(...) and QCoreApplication::translate(context, ...).
const QRegularExpression lookupCall(QStringLiteral(
    "(?:\\b(?:QCoreApplication|QApplication|QGuiApplication)::(translate)|(?<![\\w.>:])(tr|trUtf8)"
    "|\\b\\w+::(tr|trUtf8))\\s*\\("));
const QRegularExpression identifier(QStringLiteral("[A-Za-z_]\\w*"));

// The argument of a call starting at `from` (just after its '(' or a ','), up to the next
// comma or closing parenthesis at its own level; `end` receives where it stopped.
QString argumentAt(const QString& code, int from, int* end)
{
    int depth = 0;
    int i = from;
    for (; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('"')) {
            i = SourceText::literalEnd(code, i);
        } else if (c == QLatin1Char('(') || c == QLatin1Char('[') || c == QLatin1Char('{')) {
            ++depth;
        } else if (c == QLatin1Char(')') || c == QLatin1Char(']') || c == QLatin1Char('}')) {
            if (--depth < 0)
                break;
        } else if (c == QLatin1Char(',') && depth == 0) {
            break;
        }
    }
    *end = i;
    return code.mid(from, i - from).trimmed();
}

// Whether `name` is declared in this source with texts marked for lupdate, e.g.
// `const char* const steps[] = {QT_TR_NOOP("..."), ...};`.
bool markedForLupdate(const QString& code, const QString& name)
{
    const QRegularExpression declared(QStringLiteral("\\b%1\\s*(\\[[^\\]]*\\])?\\s*=[^;]*\\bQT_TR(ANSLATE)?_NOOP\\s*\\(")
                                          .arg(QRegularExpression::escape(name)));
    return declared.match(code).hasMatch();
}

// "line: argument" for every lookup of a text that lupdate cannot see: the text is neither
// a literal nor taken from a table of texts marked with QT_TR_NOOP / QT_TRANSLATE_NOOP.
QStringList unmarkedLookups(const QString& source)
{
    const QString code = withoutComments(source);
    QStringList problems;
    for (auto it = lookupCall.globalMatch(code); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        int end = m.capturedEnd();
        if (!m.captured(1).isEmpty()) { // translate: the context comes first
            argumentAt(code, end, &end);
            if (end >= code.size() || code.at(end) != QLatin1Char(','))
                continue;
            ++end;
        }
        const QString text = argumentAt(code, end, &end);
        if (text.startsWith(QLatin1Char('"')))
            continue;
        bool marked = false;
        for (auto ids = identifier.globalMatch(text); ids.hasNext() && !marked;)
            marked = markedForLupdate(code, ids.next().captured(0));
        if (!marked) {
            const int line = SourceText::lineAt(code, m.capturedStart());
            problems << QStringLiteral("%1: %2").arg(line).arg(m.captured(0) + text + QLatin1Char(')'));
        }
    }
    return problems;
}

// "line: literal" for every user-visible literal that bypasses tr in one source text.
QStringList untranslatedTexts(const QString& source)
{
    const QString code = withoutComments(source);
    QStringList problems;
    auto report = [&](int at, const QStringList& literals) {
        const int line = SourceText::lineAt(code, at);
        for (const QString& literal : literals)
            problems << QStringLiteral("%1: %2").arg(line).arg(literal);
    };
    for (auto it = sinkCall.globalMatch(code); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        report(m.capturedStart(), literalsAtTopLevel(code, m.capturedEnd(), false));
    }
    for (auto it = listFill.globalMatch(code); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        report(m.capturedStart(), literalsAtTopLevel(code, m.capturedEnd(), true));
    }
    return problems;
}

QString lupdateProgram()
{
    QString found = QStandardPaths::findExecutable(QStringLiteral("lupdate"));
    const QStringList qtBin = {QStringLiteral("/usr/lib/qt5/bin"), QStringLiteral("/usr/lib/x86_64-linux-gnu/qt5/bin")};
    for (const QString& dir : qtBin) {
        if (found.isEmpty())
            found = QStandardPaths::findExecutable(QStringLiteral("lupdate"), {dir});
    }
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void lupdatePlacesEveryText()
    {
        const QString lupdate = lupdateProgram();
        if (lupdate.isEmpty())
            QSKIP("lupdate is not installed (Debian: qttools5-dev-tools)");
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QProcess run;
        run.setWorkingDirectory(SourceText::root());
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(lupdate, {QStringLiteral("-recursive"), QStringLiteral("-no-obsolete"), QStringLiteral("src"),
                            QStringLiteral("forms"), QStringLiteral("-ts"), out.filePath(QStringLiteral("check.ts"))});
        QVERIFY(run.waitForFinished(120000));
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.exitCode(), 0);
        // lupdate reports a text it cannot place as "file:line: message".
        const QRegularExpression problem(QStringLiteral("^\\S+:\\d+: |warning|error"),
                                         QRegularExpression::CaseInsensitiveOption);
        QStringList problems;
        for (const QString& line : QString::fromLocal8Bit(run.readAll()).split(QLatin1Char('\n'))) {
            if (line.contains(problem))
                problems << line;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QVERIFY(QFile(out.filePath(QStringLiteral("check.ts"))).size() > 0);
    }

    void scanFindsLiteralsThatBypassTr_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("found");
        QTest::newRow("button list") << "buttons[0] = QStringLiteral(\"Megszakít\");" << 1;
        QTest::newRow("button list append") << "buttons.append(QStringLiteral(\"Ismét\"));" << 1;
        QTest::newRow("button list through tr") << "buttons[0] = tr(\"Megszakít\");" << 0;
        QTest::newRow("label") << "ui->label->setText(QStringLiteral(\"Kész\"));" << 1;
        QTest::newRow("bare title") << "setWindowTitle(\"Beállítás\");" << 1;
        QTest::newRow("latin1 joined") << "setText(tr(\"a\") + QLatin1String(\" perc\"));" << 1;
        QTest::newRow("prompt over lines")
            << "Prompts::warning(parent,\n    QStringLiteral(\"WYX770\"),\n    QString::fromUtf8(\"hiba\"));" << 1;
        QTest::newRow("braced list in a prompt")
            << "Prompts::choose(p, k, t, x, QStringList{QStringLiteral(\"Mégsem\")}, false);" << 1;
        QTest::newRow("through tr") << "setText(tr(\"Kész\"));" << 0;
        QTest::newRow("through translate") << "setText(QCoreApplication::translate(\"UsbCom\", \"Kész\"));" << 0;
        QTest::newRow("format inside arg") << "setText(tr(\"%1\").arg(d.toString(QStringLiteral(\"yyyy\"))));" << 0;
        QTest::newRow("name, no word") << "Prompts::warning(p, QStringLiteral(\"WYX770\"), tr(\"x\"));" << 0;
        QTest::newRow("pure format") << "setText(QStringLiteral(\"%1 (%2)\").arg(a, b));" << 0;
        QTest::newRow("comment") << "// setText(QStringLiteral(\"Kész\"));\nsetText(tr(\"x\"));" << 0;
        QTest::newRow("other call") << "settings.setValue(QStringLiteral(\"fontface\"), v);" << 0;
    }

    void scanFindsLiteralsThatBypassTr()
    {
        QFETCH(QString, code);
        QFETCH(int, found);
        QCOMPARE(untranslatedTexts(code).size(), found);
    }

    void scanFindsLookupsLupdateCannotSee_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("found");
        QTest::newRow("helper") << "QString translated(const char* text)\n"
                                   "{ return QCoreApplication::translate(\"KodnevView\", text); }" << 1;
        QTest::newRow("tr of a parameter") << "QString t(const char* s) { return tr(s); }" << 1;
        QTest::newRow("tr of a string") << "setText(tr(qPrintable(name)));" << 1;
        QTest::newRow("class tr of a variable") << "setText(MainWindow::tr(text));" << 1;
        QTest::newRow("literal") << "setText(QCoreApplication::translate(\"X\", \"Kész\"));" << 0;
        QTest::newRow("tr literal with count") << "setText(tr(\"%n perc\", nullptr, n));" << 0;
        QTest::newRow("marked table")
            << "const char* const steps[] = {QT_TR_NOOP(\"0%\"), QT_TR_NOOP(\"10%\")};\n"
               "QString f(int i) { return tr(steps[i]); }" << 0;
        QTest::newRow("marked struct table")
            << "const Info kinds[] = {\n  {&a, QT_TRANSLATE_NOOP(\"QObject\", \"új idő\"), &c},\n};\n"
               "QString f(int i) { return QCoreApplication::translate(\"QObject\", kinds[i].text); }" << 0;
        QTest::newRow("marked constant")
            << "const char* const gone = QT_TRANSLATE_NOOP(\"QObject\", \"nincs\");\n"
               "QString f() { return QCoreApplication::translate(\"QObject\", gone); }" << 0;
        QTest::newRow("painter translate") << "painter.translate(x, y); str(s);" << 0;
    }

    void scanFindsLookupsLupdateCannotSee()
    {
        QFETCH(QString, code);
        QFETCH(int, found);
        QCOMPARE(unmarkedLookups(code).size(), found);
    }

    void userTextsGoThroughTr()
    {
        QStringList problems;
        const int files = SourceText::forEachSourceFile([&](const QString& relative, const QString& source) {
            for (const QString& p : untranslatedTexts(source) + unmarkedLookups(source))
                problems << relative + QLatin1Char(':') + p;
        });
        QVERIFY(files > 10);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"

// Texts and colours of log entries taken from a list and options handed in, not from the
// program's own: what an evaluation or an export of another list relies on.
#include "codenames/kodnevmodel.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "logrecords/logentry.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include <QtTest>

namespace {

LogEntry touchOf(const char* hex)
{
    LogEntry e;
    e.setBytes(reinterpret_cast<const unsigned char*>(QByteArray::fromHex(hex).constData()));
    return e;
}

KodNev named(const QString& name, const QColor& back, const QColor& text)
{
    KodNev k;
    k.set(QStringLiteral("AAABCDEFGHIJ"), name, QDate(2020, 1, 1), back, text);
    return k;
}

} // namespace

class TestLogEntryContext : public QObject
{
    Q_OBJECT
private slots:
    void namesComeFromTheGivenList()
    {
        TestEnv env;
        appSettings().kodNevModel->addEntry(named(QStringLiteral("program"), Qt::yellow, Qt::red), true);
        KodNevModel own;
        own.addEntry(named(QStringLiteral("saját"), Qt::green, Qt::blue), true);
        const LogEntry touch = touchOf("2f0f60b6000123456789");

        QCOMPARE(touch.description(false, {&own, 0}), QStringLiteral("saját"));
        QCOMPARE(touch.description(false), QStringLiteral("program"));
        appSettings().kodNevModel->removeRows(0, appSettings().kodNevModel->rowCount());
    }

    void optionsComeFromTheGivenFlags()
    {
        TestEnv env;
        appSettings().flags = 0;
        KodNevModel own;
        own.addEntry(named(QStringLiteral("saját"), Qt::green, Qt::blue), true);
        const LogEntry touch = touchOf("2f0f60b6000123456789");
        const LogEntryContext highlighted{&own, OptColorHighlight};

        QCOMPARE(touch.backgroundColor(highlighted), QColor(Qt::green));
        QCOMPARE(touch.foregroundColor(highlighted), QColor(Qt::blue));
        QCOMPARE(touch.foregroundColor(), QColor(Qt::black));
    }

    void withoutAListNothingIsNamed()
    {
        const LogEntry touch = touchOf("2f0f60b6000123456789");
        const LogEntryContext none{nullptr, 0};

        QCOMPARE(touch.isNamed(none), false);
        QCOMPARE(touch.description(false, none), QStringLiteral("AAABCDEFGHIJ"));
        QCOMPARE(touch.description(false, {nullptr, OptPointCode}), QString());
    }
};

WYX_TEST_MAIN(TestLogEntryContext)
#include "tst_logentrycontext.moc"

#include "support/scriptedprompts.h"

#include <QTest>

namespace {

QString kindName(Prompts::Kind k)
{
    switch (k) {
    case Prompts::Kind::Question: return QStringLiteral("Question");
    case Prompts::Kind::Information: return QStringLiteral("Information");
    case Prompts::Kind::Warning: return QStringLiteral("Warning");
    case Prompts::Kind::Critical: return QStringLiteral("Critical");
    case Prompts::Kind::OpenFile: return QStringLiteral("OpenFile");
    case Prompts::Kind::SaveFile: return QStringLiteral("SaveFile");
    case Prompts::Kind::Directory: return QStringLiteral("Directory");
    case Prompts::Kind::Color: return QStringLiteral("Color");
    }
    return QString();
}

Prompts::Answer cancelAnswer(const Prompts::Request& r)
{
    Prompts::Answer a;
    a.button = r.buttons.isEmpty() ? 0 : r.buttons.size() - 1;
    return a;
}

void failUnexpected(const Prompts::Request& r)
{
    const QString msg = QStringLiteral("Unexpected %1 prompt \"%2\": %3")
                            .arg(kindName(r.kind), r.title, r.text);
    QTest::qFail(qPrintable(msg), __FILE__, __LINE__);
}

} // namespace

void installFailingPromptHandler()
{
    Prompts::setHandler([](const Prompts::Request& r) {
        failUnexpected(r);
        return cancelAnswer(r);
    });
}

ScriptedPrompts::ScriptedPrompts()
{
    m_previous = Prompts::setHandler([this](const Prompts::Request& r) { return handle(r); });
}

ScriptedPrompts::~ScriptedPrompts()
{
    Prompts::setHandler(m_previous);
    if (!m_expected.isEmpty() && !QTest::currentTestFailed()) {
        const QString msg = QStringLiteral("%1 expected prompt(s) never shown, first: %2 \"%3\"")
                                .arg(m_expected.size())
                                .arg(kindName(m_expected.first().kind), m_expected.first().textPart);
        QTest::qFail(qPrintable(msg), __FILE__, __LINE__);
    }
}

ScriptedPrompts& ScriptedPrompts::expect(Prompts::Kind kind, const QString& textPart, const Prompts::Answer& answer)
{
    m_expected.append({kind, textPart, answer});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectButton(Prompts::Kind kind, const QString& textPart, int button)
{
    Prompts::Answer a;
    a.button = button;
    return expect(kind, textPart, a);
}

ScriptedPrompts& ScriptedPrompts::expectFile(Prompts::Kind kind, const QString& path)
{
    Prompts::Answer a;
    a.path = path;
    return expect(kind, QString(), a);
}

Prompts::Answer ScriptedPrompts::handle(const Prompts::Request& r)
{
    m_seen.append(r);
    if (m_expected.isEmpty()) {
        failUnexpected(r);
        return cancelAnswer(r);
    }
    const Expected e = m_expected.takeFirst();
    const QString haystack = r.text + QLatin1Char('\n') + r.title;
    if (e.kind != r.kind || (!e.textPart.isEmpty() && !haystack.contains(e.textPart))) {
        const QString msg = QStringLiteral("Expected %1 prompt containing \"%2\", got %3: \"%4\"")
                                .arg(kindName(e.kind), e.textPart, kindName(r.kind), r.text);
        QTest::qFail(qPrintable(msg), __FILE__, __LINE__);
        return cancelAnswer(r);
    }
    return e.answer;
}

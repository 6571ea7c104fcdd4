#pragma once
// Scripted answers for every prompt of the program. While an instance lives, a prompt
// that was not expected fails the current test (with its text) and is answered with its
// last button / a cancel, so nothing blocks. Expected prompts are matched in order.
#include "core/prompts.h"

#include <QList>
#include <QString>

class ScriptedPrompts
{
public:
    ScriptedPrompts();
    ~ScriptedPrompts(); // fails the test if expected prompts were never shown

    // Expect a prompt of this kind whose text contains textPart (empty: any text).
    ScriptedPrompts& expect(Prompts::Kind kind, const QString& textPart, const Prompts::Answer& answer);
    // Shorthands.
    ScriptedPrompts& expectButton(Prompts::Kind kind, const QString& textPart, int button);
    ScriptedPrompts& expectQuestion(const QString& textPart, bool yes) // askYesNo-style box
    {
        return expectButton(Prompts::Kind::Question, textPart, yes ? 0 : 1);
    }
    ScriptedPrompts& expectNotice(Prompts::Kind kind, const QString& textPart)
    {
        return expectButton(kind, textPart, 0);
    }
    ScriptedPrompts& expectFile(Prompts::Kind kind, const QString& path);

    // Every prompt seen, expected or not.
    const QList<Prompts::Request>& seen() const { return m_seen; }
    int pending() const { return m_expected.size(); }
    // Makes the destructor quiet about unused expectations (for tests that end early).
    void clearPending() { m_expected.clear(); }

private:
    struct Expected {
        Prompts::Kind kind;
        QString textPart;
        Prompts::Answer answer;
    };
    Prompts::Answer handle(const Prompts::Request& r);

    QList<Expected> m_expected;
    QList<Prompts::Request> m_seen;
    Prompts::Handler m_previous;
};

// Installed by the test main: any prompt without a ScriptedPrompts in scope fails the test.
void installFailingPromptHandler();

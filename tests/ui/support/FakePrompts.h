#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <source_location>

#include "Prompts.h"

// Prompts for Qt Test programs: questions are answered from a queue that the test fills beforehand,
// and every question and message is recorded with its kind. A question with no answer queued fails
// the running test (and is answered No); so do answers still queued when the fake is destroyed or
// when checkAllAnswersUsed() is called.
class FakePrompts final : public Prompts
{
public:
    enum class Kind
    {
        Question,
        QuestionDefaultNo,
        Error,
        Warning,
        Information
    };

    struct Shown
    {
        Kind kind;
        QString text;

        bool operator==(const Shown&) const = default;
    };

    FakePrompts() = default;
    ~FakePrompts() override;
    FakePrompts(const FakePrompts&) = delete;
    FakePrompts& operator=(const FakePrompts&) = delete;

    // Queues the answer to the next question that has none yet: true for Yes.
    void queueAnswer(bool yes, std::source_location where = std::source_location::current());
    void queueYes(std::source_location where = std::source_location::current()) { queueAnswer(true, where); }
    void queueNo(std::source_location where = std::source_location::current()) { queueAnswer(false, where); }

    bool askYesNo(const QString& question) override;
    bool askYesNoDefaultNo(const QString& question) override;
    void showError(const QString& message) override;
    void showWarning(const QString& message) override;
    void showInformation(const QString& message) override;

    // Every question and message so far, oldest first.
    const QList<Shown>& shown() const { return m_shown; }
    // The texts of one kind, oldest first.
    QStringList texts(Kind kind) const;
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }
    // Fails the running test, at the caller's line, when a queued answer was never asked for.
    void checkAllAnswersUsed(std::source_location where = std::source_location::current());
    // Forgets what was shown and drops the queued answers without failing.
    void clear();

private:
    bool answer(Kind kind, const QString& question);

    struct Answer
    {
        bool yes;
        std::source_location queuedAt;
    };

    QList<Answer> m_answers;
    QList<Shown> m_shown;
};

// How QCOMPARE prints kinds and shown messages; the caller owns the returned text (delete[]).
char* toString(FakePrompts::Kind kind);
char* toString(const FakePrompts::Shown& shown);

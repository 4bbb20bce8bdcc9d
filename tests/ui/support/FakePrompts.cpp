#include "FakePrompts.h"

#include <QTest>

namespace {

// True while a test function runs that has not failed yet: a second failure would add nothing.
bool isTestRunning()
{
    return QTest::currentTestFunction() != nullptr && !QTest::currentTestFailed();
}

} // namespace

FakePrompts::~FakePrompts()
{
    if (!m_answers.isEmpty() && isTestRunning()) {
        const Answer& first = m_answers.first();
        const QByteArray message = "FakePrompts: " + QByteArray::number(m_answers.size()) +
                                   " queued answer(s) never asked for, the first queued here";
        QTest::qFail(message.constData(), first.queuedAt.file_name(),
                     static_cast<int>(first.queuedAt.line()));
    }
}

void FakePrompts::queueAnswer(bool yes, std::source_location where)
{
    m_answers.append({yes, where});
}

bool FakePrompts::askYesNo(const QString& question)
{
    return answer(Kind::Question, question);
}

bool FakePrompts::askYesNoDefaultNo(const QString& question)
{
    return answer(Kind::QuestionDefaultNo, question);
}

bool FakePrompts::answer(Kind kind, const QString& question)
{
    m_shown.append({kind, question});
    if (m_answers.isEmpty()) {
        const QByteArray message = "FakePrompts: question asked with no answer queued: " + question.toUtf8();
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        return false;
    }
    return m_answers.takeFirst().yes;
}

void FakePrompts::showError(const QString& message)
{
    m_shown.append({Kind::Error, message});
}

void FakePrompts::showWarning(const QString& message)
{
    m_shown.append({Kind::Warning, message});
}

void FakePrompts::showInformation(const QString& message)
{
    m_shown.append({Kind::Information, message});
}

QStringList FakePrompts::texts(Kind kind) const
{
    QStringList result;
    for (const Shown& shown : m_shown) {
        if (shown.kind == kind)
            result.append(shown.text);
    }
    return result;
}

void FakePrompts::checkAllAnswersUsed(std::source_location where)
{
    if (m_answers.isEmpty())
        return;
    const QByteArray message =
        "FakePrompts: " + QByteArray::number(m_answers.size()) + " queued answer(s) never asked for";
    QTest::qFail(message.constData(), where.file_name(), static_cast<int>(where.line()));
    m_answers.clear();
}

void FakePrompts::clear()
{
    m_answers.clear();
    m_shown.clear();
}

char* toString(FakePrompts::Kind kind)
{
    switch (kind) {
    case FakePrompts::Kind::Question:
        return qstrdup("question");
    case FakePrompts::Kind::QuestionDefaultNo:
        return qstrdup("question, No by default");
    case FakePrompts::Kind::Error:
        return qstrdup("error");
    case FakePrompts::Kind::Warning:
        return qstrdup("warning");
    case FakePrompts::Kind::Information:
        return qstrdup("information");
    }
    return qstrdup("unknown kind");
}

char* toString(const FakePrompts::Shown& shown)
{
    char* kind = toString(shown.kind);
    const QByteArray text = QByteArray(kind) + ": \"" + shown.text.toUtf8() + '"';
    delete[] kind;
    return qstrdup(text.constData());
}

#pragma once

#include "Beeper.h"
#include "Clock.h"
#include "FileChooser.h"
#include "SpeechEngine.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// File choosers that hand out the paths a test queued, and record what each was asked with.
class FakeFileChooser final : public FileChooser
{
public:
    // The next chooser, of whatever kind, returns path; a null path stands for Cancel.
    void queue(const QString& path) { m_answers.append(path); }
    void queueCancel() { m_answers.append(QString()); }
    int pending() const { return static_cast<int>(m_answers.size()); }
    // What each chooser was opened with: its kind, then its proposed name or folder.
    const QStringList& asked() const { return m_asked; }

    std::optional<QString> chooseNewDataSet(const QString& proposedName) override
    {
        return next(QStringLiteral("new ") + proposedName);
    }
    std::optional<QString> chooseFileToOpen(const QString& folder) override
    {
        return next(QStringLiteral("open ") + folder);
    }
    std::optional<QString> chooseSaveAs(const QString& proposedPath) override
    {
        return next(QStringLiteral("save as ") + proposedPath);
    }
    std::optional<QString> chooseDataSetToMerge(const QString& folder) override
    {
        return next(QStringLiteral("merge ") + folder);
    }
    std::optional<QString> chooseFileToImport(const QString& folder) override
    {
        return next(QStringLiteral("import ") + folder);
    }
    std::optional<QString> chooseExportPath(const QString& proposedPath) override
    {
        return next(QStringLiteral("export ") + proposedPath);
    }

private:
    std::optional<QString> next(const QString& asked)
    {
        m_asked.append(asked);
        if (m_answers.isEmpty())
            return std::nullopt;
        const QString path = m_answers.takeFirst();
        if (path.isNull())
            return std::nullopt;
        return path;
    }

    QList<QString> m_answers;
    QStringList m_asked;
};

// A clock stopped at a chosen moment.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(const CalendarDate& today = {10, 3, 2016}, std::int64_t seconds = 1457600000)
        : m_today(today), m_seconds(seconds)
    {}
    CalendarDate today() const override { return m_today; }
    std::int64_t secondsNow() const override { return m_seconds; }

private:
    CalendarDate m_today;
    std::int64_t m_seconds;
};

// Records the beeps instead of sounding them.
class FakeBeeper final : public Beeper
{
public:
    void beep(int frequencyHz, int durationMs) override { beeps.append({frequencyHz, durationMs}); }

    QList<std::pair<int, int>> beeps;
};

// Records what it is asked to say. Default-constructed it stands for a desktop without speech.
class FakeSpeechEngine final : public SpeechEngine
{
public:
    FakeSpeechEngine() = default;
    explicit FakeSpeechEngine(QStringList languages) : m_languages(std::move(languages)) {}

    QString unavailableReason() override
    {
        return m_languages.isEmpty() ? QStringLiteral("no engine") : QString();
    }
    QStringList languages() override { return m_languages; }
    // Each as "language: text".
    void say(const QString& text, const QString& language) override
    {
        said.append(language + QStringLiteral(": ") + text);
    }
    void whenReady(QObject*, std::function<void()> ready) override { ready(); }

    QStringList said;

private:
    QStringList m_languages;
};

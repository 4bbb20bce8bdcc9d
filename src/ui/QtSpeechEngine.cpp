#include "QtSpeechEngine.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QThread>

namespace {

// The speech-dispatcher engine when there is one: it holds the espeak-ng voices.
QTextToSpeech* makeEngine()
{
    const QStringList engines = QTextToSpeech::availableEngines();
    if (engines.contains(QStringLiteral("speechd")))
        return new QTextToSpeech(QStringLiteral("speechd"));
    if (!engines.isEmpty())
        return new QTextToSpeech(engines.front());
    return nullptr;
}

} // namespace

QtSpeechEngine::QtSpeechEngine() = default;

QtSpeechEngine::~QtSpeechEngine()
{
    if (m_starter != nullptr) {
        m_starter->wait();
        delete m_starter;
        delete m_startedEngine;
    }
}

void QtSpeechEngine::startInBackground()
{
    m_started = true;
    QThread* const programThread = QThread::currentThread();
    m_starter = QThread::create([this, programThread] {
        m_startedEngine = makeEngine();
        // Its signals and the speech service's answers are then handled on the program's thread.
        if (m_startedEngine != nullptr)
            m_startedEngine->moveToThread(programThread);
    });
    QObject::connect(m_starter, &QThread::finished, m_starter, [this] { takeOverStartedEngine(); });
    m_starter->start();
}

void QtSpeechEngine::takeOverStartedEngine()
{
    if (m_starter == nullptr)
        return;
    m_starter->wait();
    m_starter->deleteLater();
    m_starter = nullptr;
    m_engine.reset(m_startedEngine);
    m_startedEngine = nullptr;
    const auto waiting = std::exchange(m_waiting, {});
    for (const auto& [context, ready] : waiting) {
        if (context != nullptr)
            ready();
    }
}

QTextToSpeech* QtSpeechEngine::engine()
{
    if (!m_started)
        startInBackground();
    takeOverStartedEngine();
    return m_engine.get();
}

void QtSpeechEngine::whenReady(QObject* context, std::function<void()> ready)
{
    if (m_started && m_starter == nullptr) {
        ready();
        return;
    }
    m_waiting.emplace_back(context, std::move(ready));
    if (!m_started)
        startInBackground();
}

QString QtSpeechEngine::unavailableReason()
{
    QTextToSpeech* speech = engine();
    if (speech == nullptr)
        return QStringLiteral(
            "Neniu parolsintezilo estas instalita (ekzemple speech-dispatcher kun espeak-ng).");
    if (speech->state() == QTextToSpeech::Error)
        return QStringLiteral("La parolsintezilo ne funkcias: %1").arg(speech->errorString());
    if (speech->availableLocales().isEmpty())
        return QStringLiteral("La parolsintezilo havas neniun voĉon.");
    return {};
}

QStringList QtSpeechEngine::languages()
{
    QStringList tags;
    if (QTextToSpeech* speech = engine()) {
        for (const QLocale& locale : speech->availableLocales()) {
            const QString tag = locale.bcp47Name();
            if (!tags.contains(tag))
                tags.append(tag);
        }
    }
    tags.sort();
    return tags;
}

void QtSpeechEngine::say(const QString& text, const QString& language)
{
    QTextToSpeech* speech = engine();
    if (speech == nullptr || text.isEmpty())
        return;
    speech->stop();
    const QLocale locale(language);
    if (speech->locale() != locale)
        speech->setLocale(locale);
    speech->say(text);
}

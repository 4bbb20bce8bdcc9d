#include "QtSpeechEngine.h"

#include <QLocale>
#include <QTextToSpeech>

QtSpeechEngine::QtSpeechEngine() = default;

QtSpeechEngine::~QtSpeechEngine() = default;

QTextToSpeech* QtSpeechEngine::engine()
{
    if (!m_started) {
        m_started = true;
        const QStringList engines = QTextToSpeech::availableEngines();
        // The speech-dispatcher engine when there is one: it holds the espeak-ng voices.
        if (engines.contains(QStringLiteral("speechd")))
            m_engine = std::make_unique<QTextToSpeech>(QStringLiteral("speechd"));
        else if (!engines.isEmpty())
            m_engine = std::make_unique<QTextToSpeech>(engines.front());
    }
    return m_engine.get();
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

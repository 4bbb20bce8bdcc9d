#pragma once

#include "SpeechEngine.h"

#include <memory>

class QTextToSpeech;

// Speech through Qt TextToSpeech. The engine is started at the first use, not with the program,
// since reaching the speech service may take a moment.
class QtSpeechEngine final : public SpeechEngine
{
public:
    QtSpeechEngine();
    ~QtSpeechEngine() override;
    QtSpeechEngine(const QtSpeechEngine&) = delete;
    QtSpeechEngine& operator=(const QtSpeechEngine&) = delete;

    QString unavailableReason() override;
    QStringList languages() override;
    void say(const QString& text, const QString& language) override;

private:
    // The engine, or null when none is installed.
    QTextToSpeech* engine();

    std::unique_ptr<QTextToSpeech> m_engine;
    bool m_started = false;
};

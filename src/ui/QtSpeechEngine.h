#pragma once

#include "SpeechEngine.h"

#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

class QTextToSpeech;
class QThread;

// Speech through Qt TextToSpeech. The engine is started at the first use, not with the program:
// reaching the speech service and listing its voices may take seconds, so whenReady has it done on a
// thread of its own while the window goes on.
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
    void whenReady(QObject* context, std::function<void()> ready) override;

private:
    // The engine, or null when none is installed; waits for one being started.
    QTextToSpeech* engine();
    void startInBackground();
    // On the program's thread, once the starting thread has ended: the engine is taken over and the
    // callers waiting for it are called.
    void takeOverStartedEngine();

    std::unique_ptr<QTextToSpeech> m_engine;
    bool m_started = false;
    QThread* m_starter = nullptr;
    QTextToSpeech* m_startedEngine = nullptr; // written by the starting thread only
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_waiting;
};

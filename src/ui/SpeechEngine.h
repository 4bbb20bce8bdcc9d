#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class QObject;

// The languages the two lists are read aloud in, as language tags ("eo", "fr-FR"); an empty tag
// means that list is not read.
using ListLanguages = std::array<QString, 2>;

// Reads texts aloud. The Qt implementation speaks through the desktop's speech service; tests use
// a fake that records what it was asked to say.
class SpeechEngine
{
public:
    virtual ~SpeechEngine() = default;

    // Empty while texts can be spoken; otherwise, for the user, why not.
    virtual QString unavailableReason() = 0;
    // The language tags of the voices installed, each once.
    virtual QStringList languages() = 0;
    // Starts reading the text in the language, stopping whatever is being read; does not wait.
    virtual void say(const QString& text, const QString& language) = 0;
    // Calls ready once the answers above come without a wait: at once when they do, otherwise when
    // the speech service has been reached in the background; never once context is gone.
    virtual void whenReady(QObject* context, std::function<void()> ready) = 0;
};

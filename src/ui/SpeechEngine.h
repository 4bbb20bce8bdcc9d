#pragma once

#include <QString>
#include <QStringList>
#include <array>

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
};

#pragma once

#include "Beeper.h"

#include <QBuffer>
#include <QByteArray>
#include <memory>

class QAudioSink;

// Plays a generated tone on the default audio output; rings the bell where there is none.
class ToneBeeper final : public Beeper
{
public:
    ToneBeeper();
    ~ToneBeeper() override;
    ToneBeeper(const ToneBeeper&) = delete;
    ToneBeeper& operator=(const ToneBeeper&) = delete;

    void beep(int frequencyHz, int durationMs) override;

private:
    std::unique_ptr<QAudioSink> m_sink;
    QByteArray m_samples;
    QBuffer m_buffer;
};

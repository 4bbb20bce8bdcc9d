#include "ToneBeeper.h"

#include <cmath>
#include <numbers>

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {

constexpr int sampleRate = 44100;

// A sine of the given frequency and length, faded in and out over a few milliseconds so that it
// starts and stops without a click.
QByteArray tone(int frequencyHz, int durationMs)
{
    const int count = sampleRate * durationMs / 1000;
    const int fade = sampleRate / 200;
    QByteArray samples(count * static_cast<int>(sizeof(qint16)), Qt::Uninitialized);
    auto* out = reinterpret_cast<qint16*>(samples.data());
    for (int i = 0; i < count; ++i) {
        const double envelope = std::min({1.0, double(i) / fade, double(count - 1 - i) / fade});
        const double value = std::sin(2.0 * std::numbers::pi * frequencyHz * i / sampleRate);
        out[i] = static_cast<qint16>(value * envelope * 12000.0);
    }
    return samples;
}

} // namespace

ToneBeeper::ToneBeeper() = default;

ToneBeeper::~ToneBeeper()
{
    if (m_sink)
        m_sink->stop();
}

void ToneBeeper::beep(int frequencyHz, int durationMs)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format)) {
        QApplication::beep();
        return;
    }
    if (m_sink)
        m_sink->stop();
    m_buffer.close();
    m_samples = tone(frequencyHz, durationMs);
    m_buffer.setData(m_samples);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(&m_buffer);
    if (m_sink->error() != QAudio::NoError)
        QApplication::beep();
}

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The system's sound output, in a module of its own that the window loads
// only when a pupil first listens: the sound system's libraries would
// otherwise be loaded, and their memory taken, by every window.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// Made with the application and gone with it: nothing of the sound system is
// left to be torn down after the application at exit. The samples are pushed
// to the sound system as it has room, the first at once when it starts: pulled,
// they would wait for its first tick.
struct Output : QObject {
    explicit Output(QObject* parent) : QObject(parent)
    {
        QObject::connect(&feeder, &QTimer::timeout, this, [this] { feed(); });
    }
    void feed()
    {
        if (!sink || !device)
            return;
        const qint64 room = std::min<qint64>(sink->bytesFree(), samples.size() - written);
        if (room > 0)
            written += std::max<qint64>(0, device->write(samples.constData() + written, room));
        if (written == samples.size())
            feeder.stop();
    }
    QAudioSink* sink = nullptr;
    QIODevice* device = nullptr;  // the sink's, while it plays
    QByteArray samples;
    qint64 written = 0;
    QTimer feeder;
};

Output& TheOutput()
{
    static Output* const output = new Output(QCoreApplication::instance());
    return *output;
}

}  // namespace

// The bytes of the sound started last that the sound system has taken, for the
// benchmark that times a key to the first of them.
extern "C" __attribute__((visibility("default"))) long long tessalo_sound_taken()
{
    return TheOutput().written;
}

// Starts `count` 16-bit mono samples at `rate` a second, or stops the sound
// playing; false when no sound device takes them.
extern "C" __attribute__((visibility("default"))) bool tessalo_toggle_sound(const std::int16_t* samples,
                                                                           std::size_t count, int rate)
{
    Output& output = TheOutput();
    if (output.sink && output.sink->state() == QAudio::ActiveState) {
        output.feeder.stop();
        output.sink->stop();
        return true;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format))
        return false;
    delete output.sink;
    output.sink = new QAudioSink(device, format, &output);
    output.samples =
        QByteArray(reinterpret_cast<const char*>(samples), static_cast<qsizetype>(count * sizeof(*samples)));
    output.written = 0;
    output.device = output.sink->start();
    output.feed();
    output.feeder.start(10);  // a tenth of the sink's usual buffer
    return output.sink->error() == QAudio::NoError;
}

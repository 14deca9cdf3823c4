// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The system's sound output, in a module of its own that the window loads
// only when a pupil first listens: the sound system's libraries would
// otherwise be loaded, and their memory taken, by every window.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>

#include <cstddef>
#include <cstdint>

namespace {

// Made with the application and gone with it: nothing of the sound system is
// left to be torn down after the application at exit.
struct Output : QObject {
    using QObject::QObject;
    QAudioSink* sink = nullptr;
    QBuffer buffer{this};
};

Output& TheOutput()
{
    static Output* const output = new Output(QCoreApplication::instance());
    return *output;
}

}  // namespace

// Starts `count` 16-bit mono samples at `rate` a second, or stops the sound
// playing; false when no sound device takes them.
extern "C" __attribute__((visibility("default"))) bool tessalo_toggle_sound(const std::int16_t* samples,
                                                                           std::size_t count, int rate)
{
    Output& output = TheOutput();
    if (output.sink && output.sink->state() == QAudio::ActiveState) {
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
    output.buffer.close();
    output.buffer.setData(reinterpret_cast<const char*>(samples), static_cast<qsizetype>(count * sizeof(*samples)));
    output.buffer.open(QIODevice::ReadOnly);
    output.sink->start(&output.buffer);
    return output.sink->error() == QAudio::NoError;
}

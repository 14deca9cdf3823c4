// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/picture_sound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kLongestTick = 0.06;  // seconds from one cell to the next, at most
constexpr double kRowPause = 3;        // the pause between rows, in ticks
constexpr double kSounding = 0.6;      // of a tick's time, the rest silent
constexpr double kLoudness = 0.4;      // of the full scale, leaving room for the harmonics

// A tick's wave at `phase` (radians): a plain one, or with its odd harmonics
// for an added cell, which sounds brighter at the same pitch.
double Wave(double phase, bool added)
{
    if (!added)
        return std::sin(phase);
    return (std::sin(phase) + std::sin(3 * phase) / 3 + std::sin(5 * phase) / 5) / 1.3;
}

// One tick into `samples` from `start`: a quick rise, then a fall, so that no
// click is heard at either end.
void AddTick(std::vector<std::int16_t>& samples, std::size_t start, std::size_t length, double hertz, bool added)
{
    const std::size_t rise = std::max<std::size_t>(1, length / 10);
    for (std::size_t i = 0; i < length && start + i < samples.size(); ++i) {
        const double envelope = i < rise ? double(i) / double(rise) : std::exp(-4.0 * double(i - rise) / double(length));
        const double phase = 2 * std::numbers::pi * hertz * double(i) / kSoundSampleRate;
        samples[start + i] = static_cast<std::int16_t>(std::lround(32767 * kLoudness * envelope * Wave(phase, added)));
    }
}

}  // namespace

PictureSound PlayPicture(const PictureRows& rows)
{
    PictureSound sound{kSoundSampleRate, {}};
    std::size_t cells = 0;
    for (const ExploreRow& row : rows)
        cells += row.cells.size();
    if (cells == 0)
        return sound;
    const double slots = double(cells) + kRowPause * double(rows.size() - 1);
    const double tick = std::min(kLongestTick, kMaxSoundSeconds / slots);
    const auto samplesOf = [](double seconds) { return static_cast<std::size_t>(std::lround(seconds * kSoundSampleRate)); };
    sound.samples.assign(samplesOf(tick * slots), 0);
    double at = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double hertz = kFirstRowHertz * std::pow(2.0, 2.0 * double(r) / 12);
        for (const ExploreCell& cell : rows[r].cells) {
            AddTick(sound.samples, samplesOf(at), samplesOf(tick * kSounding), hertz, cell.added);
            at += tick;
        }
        at += kRowPause * tick;
    }
    return sound;
}

namespace {

void Put(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xff);
}

}  // namespace

std::string WavBytes(const PictureSound& sound)
{
    const auto data = static_cast<std::uint32_t>(sound.samples.size() * 2);
    std::string bytes = "RIFF";
    Put(bytes, 36 + data, 4);
    bytes += "WAVEfmt ";
    Put(bytes, 16, 4);  // the format's size
    Put(bytes, 1, 2);   // PCM
    Put(bytes, 1, 2);   // mono
    Put(bytes, static_cast<std::uint32_t>(sound.sampleRate), 4);
    Put(bytes, static_cast<std::uint32_t>(sound.sampleRate * 2), 4);  // bytes a second
    Put(bytes, 2, 2);   // bytes a sample
    Put(bytes, 16, 2);  // bits a sample
    bytes += "data";
    Put(bytes, data, 4);
    for (const std::int16_t sample : sound.samples)
        Put(bytes, static_cast<std::uint16_t>(sample), 2);
    return bytes;
}

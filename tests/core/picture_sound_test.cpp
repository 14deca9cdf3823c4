// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture played as sound, heard back from its samples alone: a tick for
// every cell, each row higher than the one before, the step's cells brighter,
// and the largest picture within its time.
#include "app/handout_sheet.h"
#include "app/picture_sound.h"
#include "app/shown_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

struct Tick {
    std::size_t start;
    std::size_t end;
};

// Each tick: a run of sound between silences.
std::vector<Tick> Ticks(const std::vector<std::int16_t>& samples)
{
    std::vector<Tick> ticks;
    std::size_t silent = 1000;  // the sound starts with a tick
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (samples[i] == 0) {
            ++silent;
            continue;
        }
        if (silent >= 40)
            ticks.push_back({i, i});
        ticks.back().end = i + 1;
        silent = 0;
    }
    return ticks;
}

// A tick's pitch, from the first and last of its upward zero crossings.
double Pitch(const std::vector<std::int16_t>& samples, const Tick& tick)
{
    std::vector<std::size_t> crossings;
    for (std::size_t i = tick.start + 1; i < tick.end; ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0)
            crossings.push_back(i);
    }
    if (crossings.size() < 2)
        return 0;
    return double(crossings.size() - 1) * kSoundSampleRate / double(crossings.back() - crossings.front());
}

// The strength of `hertz` in a tick (Goertzel).
double Strength(const std::vector<std::int16_t>& samples, const Tick& tick, double hertz)
{
    const double k = 2 * std::cos(2 * std::numbers::pi * hertz / kSoundSampleRate);
    double before = 0, last = 0;
    for (std::size_t i = tick.start; i < tick.end; ++i) {
        const double next = samples[i] + k * last - before;
        before = last;
        last = next;
    }
    return std::sqrt(last * last + before * before - k * last * before);
}

}  // namespace

TEST(PictureSound, TicksEveryCellRowByRowRisingTheStepsBrighterWithinItsTime)
{
    for (int kind = 1; kind <= 6; ++kind) {
        for (const int n : {3, 11}) {
            const Tessalo form = ShownForm(kind, n);
            const std::vector<int> step = StepCells(form);
            const PictureRows rows = ExploreRows(form, step);
            const PictureSound sound = PlayPicture(rows);
            const std::vector<Tick> ticks = Ticks(sound.samples);
            std::size_t at = 0;
            double below = 0;  // the row before's pitch
            for (const ExploreRow& row : rows) {
                const double pitch = Pitch(sound.samples, ticks.at(at));
                EXPECT_GT(pitch, below * 1.1) << "kind " << kind << ", n " << n << ", row " << row.number;
                below = pitch;
                for (const ExploreCell& cell : row.cells) {
                    ASSERT_LT(at, ticks.size()) << "kind " << kind << ", n " << n;
                    const Tick& tick = ticks[at++];
                    EXPECT_NEAR(Pitch(sound.samples, tick), pitch, pitch * 0.02) << "kind " << kind << ", n " << n;
                    const double third = Strength(sound.samples, tick, 3 * pitch) / Strength(sound.samples, tick, pitch);
                    EXPECT_EQ(third > 0.15, cell.added) << "kind " << kind << ", n " << n << ", row " << row.number;
                }
            }
            EXPECT_EQ(ticks.size(), at) << "kind " << kind << ", n " << n << ": a tick for every cell";
            EXPECT_LE(sound.samples.size(), 8u * kSoundSampleRate) << "kind " << kind << ", n " << n;
        }
    }
    const std::string wav = WavBytes(PlayPicture(ExploreRows(ShownForm(4, 2), {})));
    EXPECT_EQ(wav.substr(0, 4) + wav.substr(8, 8), "RIFFWAVEfmt ");
    EXPECT_EQ(wav.size(), 44 + 2 * PlayPicture(ExploreRows(ShownForm(4, 2), {})).samples.size());
}

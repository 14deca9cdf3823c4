// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture played as sound, as the window plays it (F8): the core's samples
// through Web Audio; the same key stops it. Nothing plays unless asked.
import {core} from './events.js';

let audio = null;
let playing = null;

export function listen() {
  if (!core)
    return;
  if (playing) {
    playing.stop();  // its ended event forgets it
    return;
  }
  const count = core._tessalo_sound();
  if (!count)
    return;
  audio ||= new AudioContext();
  const buffer = audio.createBuffer(1, count, core._tessalo_sound_rate());
  const samples = core.HEAP16.subarray(core._tessalo_sound_samples() / 2, core._tessalo_sound_samples() / 2 + count);
  const channel = buffer.getChannelData(0);
  for (let i = 0; i < count; ++i)
    channel[i] = samples[i] / 32768;
  playing = audio.createBufferSource();
  playing.buffer = buffer;
  playing.connect(audio.destination);
  playing.addEventListener('ended', () => { playing = null; });
  audio.resume();
  playing.start();
}

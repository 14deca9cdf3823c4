// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/lesson/sound_player.h"

#include "app/picture_sound.h"

#include <dlfcn.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using Toggle = bool (*)(const std::int16_t*, std::size_t, int);

// The sound module beside the window's own (in the build and where both are
// installed), loaded the first time a pupil listens; null when it is missing.
Toggle LoadSound()
{
    Dl_info here{};
    if (!dladdr(reinterpret_cast<void*>(&ToggleSound), &here) || !here.dli_fname)
        return nullptr;
    const std::string path = here.dli_fname;
    const std::string module = path.substr(0, path.rfind('/') + 1) + "tessalo-sound.so";
    void* loaded = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    return loaded ? reinterpret_cast<Toggle>(dlsym(loaded, "tessalo_toggle_sound")) : nullptr;
}

}  // namespace

bool ToggleSound(const PictureSound& sound)
{
    static const Toggle toggle = LoadSound();
    return toggle && toggle(sound.samples.data(), sound.samples.size(), sound.sampleRate);
}

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <fstream>
#include <string>

// A figure of this process's /proc status in KiB, such as "VmRSS" or "VmHWM"; -1 if absent.
inline long StatusKib(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(key + ':', 0) == 0)
            return std::stol(line.substr(key.size() + 1));
    }
    return -1;
}

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

// An error of the program's runtime, numbered as the form's toolkit numbers them.
// Nothing in the form catches it: it ends the event handler that raised it.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description);

    int Number() const { return number_; }

    static constexpr int kOverflow = 6;
    static constexpr int kElementMissing = 340;
    static constexpr int kAlreadyLoaded = 360;
    static constexpr int kDesignTimeControl = 362;

private:
    int number_;
};

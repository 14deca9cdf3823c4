// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/cell.h"
#include "runtime/runtime_error.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Run-time state of the form's controls; the window shows it and writes back what
// the user changes (the list selection, the radio buttons).

struct Label {
    std::string_view Caption;
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    Colour BackColor;
};

struct TextBox {
    std::string Text;  // UTF-8, lines end in "\r\n"
};

struct ListBox {
    std::vector<std::string_view> items;
    int ListIndex = -1;  // selected position, -1 for none

    int ListCount() const { return static_cast<int>(items.size()); }
    // The item text at a position; empty outside the list.
    std::string_view List(int position) const;
};

struct OptionButton {
    bool Value = false;
};

// A fixed control array addressed as Name(index), from 0.
template <class Control, std::size_t N>
class ControlArray {
public:
    Control& operator()(int index) { return items_[Checked(index)]; }
    const Control& operator()(int index) const { return items_[Checked(index)]; }
    static constexpr int Count() { return static_cast<int>(N); }

private:
    static std::size_t Checked(int index)
    {
        if (index < 0 || index >= static_cast<int>(N))
            throw RuntimeError(RuntimeError::kElementMissing,
                               "Control array element '" + std::to_string(index) + "' doesn't exist");
        return static_cast<std::size_t>(index);
    }

    std::array<Control, N> items_{};
};

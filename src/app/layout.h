// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"
#include "board/cell.h"

#include <array>
#include <optional>
#include <string_view>

enum class ControlKind { PushButton, Frame, OptionButton, ListBox, TextBox, Label, Shape };

// One control of the main window, in twips. Controls inside the frame are placed
// relative to the frame; all others relative to the client area.
struct ControlLayout {
    std::string_view name;
    int index;
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    std::optional<Colour> background;  // none: the toolkit's default
    int tabIndex;                      // -1: not in the tab order
    TextId text;                       // caption; for text boxes the initial text
    bool inFrame;
};

struct WindowLayout {
    int clientWidth;
    int clientHeight;
    Colour background;
    TextId caption;
    std::string_view fontFamily;
    int fontPoints;
};

extern const WindowLayout kWindowLayout;

// Every control, bottom of the stacking order first.
extern const std::array<ControlLayout, 15> kControls;

// The control called name(index); the table must hold it.
const ControlLayout& FindControl(std::string_view name, int index);

// The number of list items and their texts "1" .. "11".
inline constexpr int kListCount = 11;
std::string_view ListItemText(int position);

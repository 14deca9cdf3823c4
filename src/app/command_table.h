// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"

#include <array>
#include <string>
#include <string_view>

// Every command of the window, in the order its menu and its key list show them.
enum class Command {
    Save,
    Copy,
    Print,
    Strip,
    Worksheet,
    WorksheetAnswers,
    Tactile,
    Braille,
    Further,
    Broken,
    StepUp,
    StepDown,
    Explore,
    Repeat,
    Listen,
    Menu,
    BuildUp,
    Argument,
    Predict,
    Reveal,
    LineByLine,
    NextLine,
    ZoomIn,
    ZoomOut,
    ZoomReset,
    FullScreen,
    LeaveFullScreen,
    Language,
    Keys,
    Quit,
};

// A command whose keys differ from one platform to another (Copy is also
// Ctrl+Ins on one, full screen also Alt+Enter): the window asks its toolkit.
enum class StandardKey { None, Save, Copy, Print, ZoomIn, ZoomOut, FullScreen, HelpContents, Quit };

struct CommandRow {
    Command command;
    std::string_view name;  // as the page's script calls it
    TextId text;            // in menus
    TextId meaning;         // what its keys do, in the key lists and the help
    StandardKey standard = StandardKey::None;  // the platform's keys, if it has them
    // Ours, besides, as the toolkit writes them portably ("Ctrl+S", "PgDown",
    // "Ctrl+Num++"), so that the window and the page read the same text; unused ones are empty.
    std::array<std::string_view, 3> keys{};
    bool checkable = false;
    // Also where a control would take the key for itself (PageDown in a text box).
    bool everywhere = false;
    bool onPage = false;  // the page offers it too
    bool inArgument = false;  // its keys only while the argument's lines have the focus
};

inline constexpr std::size_t kCommandCount = 30;
extern const std::array<CommandRow, kCommandCount> kCommands;

const CommandRow& FindCommand(Command command);

// Our own keys of a row, as the help shows them before there is an
// application to ask for the platform's: "Ctrl++, Ctrl+=, Ctrl+Num++".
std::string OwnKeysText(const CommandRow& row);

// The key lists' first rows: keys the form's controls answer to themselves,
// before any command.
struct FormKeysRow {
    TextId keys;
    TextId meaning;
};

inline constexpr std::array<FormKeysRow, 3> kFormKeys{{
    {TextId::KeysTab, TextId::KeysTabMeaning},
    {TextId::KeysArrows, TextId::KeysArrowsMeaning},
    {TextId::KeysPress, TextId::KeysPressMeaning},
}};

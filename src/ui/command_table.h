#pragma once

#include <QKeySequence>
#include <QString>

#include <array>

// Every command of the window, in the order its menu and its key list show them.
enum class Command {
    Save,
    Copy,
    Print,
    StepUp,
    StepDown,
    Explore,
    Repeat,
    Menu,
    BuildUp,
    Argument,
    Predict,
    Reveal,
    ZoomIn,
    ZoomOut,
    ZoomReset,
    FullScreen,
    LeaveFullScreen,
    Language,
    Keys,
    Quit,
};

struct CommandRow {
    Command command;
    const char* text;     // in menus; Bulgarian, UTF-8, translated in context "Commands"
    const char* meaning;  // what its keys do, in the key list and the help
    QKeySequence::StandardKey standard;  // the platform's keys, if it has them
    std::array<QKeyCombination, 3> keys;  // ours, besides; unused ones are Qt::Key_unknown
    bool checkable = false;
    // Also where a control would take the key for itself (PageDown in a text box).
    bool everywhere = false;
};

inline constexpr QKeyCombination kNoKey{Qt::Key_unknown};

extern const std::array<CommandRow, 20> kCommands;

const CommandRow& FindCommand(Command command);

// Our own keys of a row, as the help shows them before there is an application
// to ask for the platform's ("Ctrl++, Ctrl+=").
QString OwnKeysText(const CommandRow& row);

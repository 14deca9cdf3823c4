// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_table.h"

#include <algorithm>

// Ctrl+= zooms in too: on many keyboards plus is Shift+=.
const std::array<CommandRow, kCommandCount> kCommands{{
    {.command = Command::Save, .name = "Save", .text = TextId::CommandSave, .meaning = TextId::CommandSaveMeaning,
     .standard = StandardKey::Save, .keys = {"Ctrl+S"}, .onPage = true},
    {.command = Command::Copy, .name = "Copy", .text = TextId::CommandCopy, .meaning = TextId::CommandCopyMeaning,
     .standard = StandardKey::Copy, .keys = {"Ctrl+C"}, .onPage = true},
    // the page leaves printing to the browser, which prints the page as its style says
    {.command = Command::Print, .name = "Print", .text = TextId::CommandPrint, .meaning = TextId::CommandPrintMeaning,
     .standard = StandardKey::Print, .keys = {"Ctrl+P"}, .onPage = true},
    // handouts for the n shown: PDFs from the window, printed by the page (whose print dialog saves PDFs)
    {.command = Command::Strip, .name = "Strip", .text = TextId::CommandStrip, .meaning = TextId::CommandStripMeaning,
     .onPage = true},
    {.command = Command::Worksheet, .name = "Worksheet", .text = TextId::CommandWorksheet,
     .meaning = TextId::CommandWorksheetMeaning, .onPage = true},
    {.command = Command::WorksheetAnswers, .name = "WorksheetAnswers", .text = TextId::CommandWorksheetAnswers,
     .meaning = TextId::CommandWorksheetAnswersMeaning, .onPage = true},
    // for a blind pupil: the picture to feel on swell paper or an embosser, the proof to read in braille
    {.command = Command::Tactile, .name = "Tactile", .text = TextId::CommandTactile,
     .meaning = TextId::CommandTactileMeaning, .onPage = true},
    {.command = Command::Braille, .name = "Braille", .text = TextId::CommandBraille,
     .meaning = TextId::CommandBrailleMeaning, .onPage = true},
    // its menu lists the identities beyond the form's six, and the six again
    {.command = Command::Further, .name = "Further", .text = TextId::CommandFurther,
     .meaning = TextId::CommandFurtherMeaning},
    // a false claim about the sum shown, or the class's own, checked as the proof goes
    {.command = Command::Broken, .name = "Broken", .text = TextId::CommandBroken,
     .meaning = TextId::CommandBrokenMeaning, .onPage = true},
    {.command = Command::StepUp, .name = "StepUp", .text = TextId::CommandStepUp,
     .meaning = TextId::CommandStepUpMeaning, .keys = {"PgDown"}, .everywhere = true, .onPage = true},
    {.command = Command::StepDown, .name = "StepDown", .text = TextId::CommandStepDown,
     .meaning = TextId::CommandStepDownMeaning, .keys = {"PgUp"}, .everywhere = true, .onPage = true},
    {.command = Command::Explore, .name = "Explore", .text = TextId::CommandExplore,
     .meaning = TextId::CommandExploreMeaning, .keys = {"Ctrl+E"}, .onPage = true},
    {.command = Command::Repeat, .name = "Repeat", .text = TextId::CommandRepeat,
     .meaning = TextId::CommandRepeatMeaning, .keys = {"F9"}, .everywhere = true, .onPage = true},
    // never by itself: only this key starts it, and again stops it
    {.command = Command::Listen, .name = "Listen", .text = TextId::CommandListen,
     .meaning = TextId::CommandListenMeaning, .keys = {"F8"}, .everywhere = true, .onPage = true},
    {.command = Command::Menu, .name = "Menu", .text = TextId::CommandMenu, .meaning = TextId::CommandMenuMeaning,
     .keys = {"Shift+F10", "Menu"}, .everywhere = true},
    {.command = Command::BuildUp, .name = "BuildUp", .text = TextId::CommandBuildUp,
     .meaning = TextId::CommandBuildUpMeaning, .keys = {"Ctrl+B"}, .checkable = true, .onPage = true},
    {.command = Command::Argument, .name = "Argument", .text = TextId::CommandArgument,
     .meaning = TextId::CommandArgumentMeaning, .keys = {"F2"}, .checkable = true, .onPage = true},
    {.command = Command::Predict, .name = "Predict", .text = TextId::CommandPredict,
     .meaning = TextId::CommandPredictMeaning, .keys = {"F3"}, .checkable = true, .onPage = true},
    // Enter only while a step waits for its guess: otherwise it presses the focused button
    {.command = Command::Reveal, .name = "Reveal", .text = TextId::CommandReveal,
     .meaning = TextId::CommandRevealMeaning, .keys = {"Return", "Enter"}, .everywhere = true, .onPage = true},
    {.command = Command::LineByLine, .name = "LineByLine", .text = TextId::CommandLineByLine,
     .meaning = TextId::CommandLineByLineMeaning, .keys = {"F4"}, .checkable = true, .onPage = true},
    {.command = Command::NextLine, .name = "NextLine", .text = TextId::CommandNextLine,
     .meaning = TextId::CommandNextLineMeaning, .keys = {"Space", "Right"}, .onPage = true,
     .inArgument = true},
    {.command = Command::ZoomIn, .name = "ZoomIn", .text = TextId::CommandZoomIn, .meaning = TextId::CommandZoomInMeaning,
     .standard = StandardKey::ZoomIn, .keys = {"Ctrl++", "Ctrl+=", "Ctrl+Num++"}},
    {.command = Command::ZoomOut, .name = "ZoomOut", .text = TextId::CommandZoomOut,
     .meaning = TextId::CommandZoomOutMeaning, .standard = StandardKey::ZoomOut, .keys = {"Ctrl+-", "Ctrl+Num+-"}},
    {.command = Command::ZoomReset, .name = "ZoomReset", .text = TextId::CommandZoomReset,
     .meaning = TextId::CommandZoomResetMeaning, .keys = {"Ctrl+0", "Ctrl+Num+0"}},
    {.command = Command::FullScreen, .name = "FullScreen", .text = TextId::CommandFullScreen,
     .meaning = TextId::CommandFullScreenMeaning, .standard = StandardKey::FullScreen, .keys = {"F11"},
     .checkable = true},
    {.command = Command::LeaveFullScreen, .name = "LeaveFullScreen", .text = TextId::CommandLeaveFullScreen,
     .meaning = TextId::CommandLeaveFullScreenMeaning, .keys = {"Esc"}},
    // its menu lists each language in its own words, readable to one who cannot read the other
    {.command = Command::Language, .name = "Language", .text = TextId::CommandLanguage,
     .meaning = TextId::CommandLanguageMeaning, .keys = {"Ctrl+L"}},
    {.command = Command::Keys, .name = "Keys", .text = TextId::CommandKeys, .meaning = TextId::CommandKeysMeaning,
     .standard = StandardKey::HelpContents, .keys = {"F1"}, .onPage = true},
    {.command = Command::Quit, .name = "Quit", .text = TextId::CommandQuit, .meaning = TextId::CommandQuitMeaning,
     .standard = StandardKey::Quit, .keys = {"Ctrl+Q"}},
}};

const CommandRow& FindCommand(Command command)
{
    return *std::find_if(kCommands.begin(), kCommands.end(),
                         [command](const CommandRow& row) { return row.command == command; });
}

std::string OwnKeysText(const CommandRow& row)
{
    std::string text;
    for (const std::string_view key : row.keys) {
        if (!key.empty())
            text.append(text.empty() ? "" : ", ").append(key);
    }
    return text;
}

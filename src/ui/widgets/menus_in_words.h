// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QMenu;

// Lets screen readers hear the program's menu entries as words: an entry that
// opens a dialog shows "Печат..." but is named "Печат" (a reader says the dots
// as «многоточие»), a switch says after its name whether it is on (`onOff`
// gives the words), an entry with a menu of its own says that it opens one, and
// an entry belongs to whichever menu shows it now, so a menu opened a second
// time is heard as the first; an open menu is found in its window. Call before
// a screen reader first asks for the window. `words` says an entry's signs in words.
void ReadMenusInWords(QString (*onOff)(bool on), QString (*words)(const QString& text));

// Lets `menu`, about to open by a key, open on its first entry, which a reader
// hears with the menu's name ("Меню, Запази картината") until the keyboard
// moves on: readers say the entry a menu opens on, and not the menu.
void OpenOnFirstEntry(QMenu& menu);

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"

#include <QString>

#include <initializer_list>

// The program's own texts, those of its command line and its window, come from
// the toolkit's translations compiled into it (translations/window/*.ts).
// Bulgarian is their source language, so it has no file of its own.

// Uses `language` for the program's texts and for the toolkit's own (its
// dialogs, its context menus); installed in the application once there is one,
// which then tells every widget that the language changed.
void UseLanguage(Language language);
Language UsedLanguage();
// The code of `language`, as --lang and the settings take it: "bg", "en".
QString LanguageCode(Language language);

namespace Program {
// `source`, Bulgarian, in the language in use; before the application exists
// too, as the command line needs. Named as the toolkit's own, so that lupdate
// finds the texts given to it, as it finds those in QT_TRANSLATE_NOOP.
QString translate(const char* context, const char* source);
}  // namespace Program

// `pattern` with each of %1 to %9 replaced by its argument. Unlike QString::arg,
// a translation may leave some out (the English line has no Bulgarian cause).
QString Filled(const QString& pattern, std::initializer_list<QString> arguments);

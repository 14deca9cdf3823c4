// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QString>

#include <vector>

// The command line's options and its help, in the language UseLanguage chose.

struct Option {
    QCommandLineOption option;
    QString shown;  // as the help lists it
};

// Every option the program takes, in the order the help lists them.
std::vector<Option> ProgramOptions();

// The help: what the program is, its options, then the window's keys.
QString HelpText(const std::vector<Option>& options);

// The codes of every language, as --lang takes them: "bg, en".
QString LanguageCodes();

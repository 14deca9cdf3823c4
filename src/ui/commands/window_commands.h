// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/command_table.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>

class QAction;
class QActionGroup;
class QWidget;

// The window's commands as actions: one QAction for each row of the core's
// command table, with its text and every key it answers to, made here and nowhere else.
// The window connects each to what it does; the context menu and the key list
// are made from them, so a new command appears in both at once.
class WindowCommands : public QObject {
public:
    // The actions' keys work anywhere in `window`.
    explicit WindowCommands(QWidget& window);

    QAction& operator[](Command command) const;
    // The actions' texts in the language now in use.
    void retranslate();
    // The language entries, one for each language, the one in use checked;
    // each holds its Language as data.
    QActionGroup& languages() const { return *languages_; }
    // The entries of the identities beside the form's six, each holding its kind
    // as data, and first the form's six again (0).
    QActionGroup& further() const { return *further_; }
    // Checks the entry of identity `kind` (0: the form's six).
    void showFurther(int kind) const;

    // Opens the commands as a menu at `globalPosition`; opened `byKeyboard`, on its first entry.
    void showMenu(const QPoint& globalPosition, bool byKeyboard = false) const;
    // The key list in a dialog, in `fontOf`'s letters.
    void showKeyList(const QWidget& fontOf) const;
    // The widget that had the keyboard when a key or a mouse button was last
    // pressed in the window: news while it still has it is what the user waits
    // for, not words that follow a move of the focus.
    QWidget* pressedIn() const { return pressedIn_; }

protected:
    // Triggers a command whose key a control would otherwise take for itself.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::array<QAction*, kCommands.size()> actions_{};
    QActionGroup* languages_ = nullptr;
    QActionGroup* further_ = nullptr;
    QPointer<QWidget> pressedIn_;
};

// The key list as rows of (keys, meaning): the form's own keys, then every command's.
QList<std::pair<QString, QString>> KeyListRows(const WindowCommands& commands);

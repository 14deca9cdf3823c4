// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

class QLabel;

// Tells a screen reader one sentence, without moving the keyboard's focus and
// without anything to see: widgets of no size that screen readers know as a
// notification in a status bar holding a label with the sentence. Orca speaks
// such a notification without calling it one, shows its label in braille and
// keeps it in its history of messages. Each sentence is a new notification, so
// that Orca speaks it, the same sentence twice included.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* parent);

    // `whole`: the sentence with what it leaves out as heard already, for repeat().
    void say(const QString& sentence, const QString& whole = {});
    // Keeps a sentence a screen reader has from elsewhere (the focus) for repeat(), unsaid.
    void keep(const QString& sentence) { last_ = sentence; }
    // Says the last sentence again, whole; nothing before the first.
    void repeat();
    const QString& last() const { return last_; }

private:
    QWidget* note_;
    QLabel* text_;
    QString last_;
};

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/lesson/focused_news.h"

#include <QString>
#include <QWidget>

class QLabel;

// Tells a screen reader one sentence, without moving the keyboard's focus and
// without anything to see. News that interrupts goes as FocusedNews. Otherwise,
// and without a focused widget, it is a notification: widgets of no size that
// screen readers know as a notification in a status bar holding a label with
// the sentence, which Orca speaks after what it is saying, without calling it
// one, shows its label in braille for a while and keeps it in its history of
// messages. Each sentence is told anew, so that Orca speaks it, the same
// sentence twice included.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* parent);

    // Whether a sentence cuts short what the screen reader is saying: the news
    // of a key does, what follows a move of the focus waits for the focus's words.
    enum class Urgency { Interrupt, Queue };

    // `whole`: the sentence with what it leaves out as heard already, for repeat().
    void say(const QString& sentence, const QString& whole = {}, Urgency urgency = Urgency::Queue);
    // Keeps a sentence a screen reader has from elsewhere (the focus) for repeat(), unsaid.
    void keep(const QString& sentence) { last_ = sentence; }
    // Says the last sentence again, whole, at once; nothing before the first.
    void repeat();
    const QString& last() const { return last_; }

private:
    QWidget* note_;
    QLabel* text_;
    FocusedNews news_;
    QString last_;
};
